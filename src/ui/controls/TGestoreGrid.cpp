#include "ui/controls/TGestoreGrid.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "ui/controls/TFrmMessage.h"

namespace {

QTableWidget* CreaGriglia(const QString& nome, const QStringList& intestazioni, QWidget* parent) {
    auto* griglia = new QTableWidget(TGestoreGrid::Righe, static_cast<int>(intestazioni.size()), parent);
    griglia->setObjectName(nome);
    griglia->setHorizontalHeaderLabels(intestazioni);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    griglia->verticalHeader()->setDefaultSectionSize(20);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    return griglia;
}

QString TestoCella(const QTableWidget* griglia, int riga, int colonna) {
    const QTableWidgetItem* cella = griglia->item(riga, colonna);
    return cella != nullptr ? cella->text().trimmed() : QString();
}

void ScriviCella(QTableWidget* griglia, int riga, int colonna, const QString& testo) {
    griglia->setItem(riga, colonna, new QTableWidgetItem(testo));
}

QString TestoValore(double valore) { return QLocale::c().toString(valore, 'f', QLocale::FloatingPointShortest); }

}  // namespace

const QString TGestoreGrid::MessaggioNessunIntervallo = QStringLiteral("Non è stato impostato alcun intervallo");

TGestoreGrid::TGestoreGrid(QWidget* parent)
    : QTabWidget(parent),
      ammessi_(CreaGriglia(QStringLiteral("GridAmmessi"), {QStringLiteral("Min"), QStringLiteral("Max")}, this)),
      recupero_(CreaGriglia(QStringLiteral("GridRecupero"),
                            {QStringLiteral("Min"), QStringLiteral("Max"), QStringLiteral("Liv.")}, this)) {
    addTab(ammessi_, QStringLiteral("Intervalli Ammessi"));
    addTab(recupero_, QStringLiteral("Intervalli In Rec."));
}

void TGestoreGrid::ImpostaLimiti(double minimo, double massimo, bool soloInteri) {
    minimo_ = minimo;
    massimo_ = massimo;
    soloInteri_ = soloInteri;
}

QString TGestoreGrid::Messaggio(Errore errore) {
    switch (errore) {
        case Errore::Minimo: return QStringLiteral("Errore Nel Valore Minimo Dell' Intervallo");
        case Errore::Massimo: return QStringLiteral("Errore Nel Valore Massimo Dell' Intervallo");
        case Errore::MinimoSuperiore: return QStringLiteral("Errore, Il Valoro Minimo è Superiore a Quello Massimo");
        case Errore::NonContigui: return QStringLiteral("Errore, gli Intervalli Non Sono Contigui.");
        case Errore::Nessuno: break;
    }
    return {};
}

bool TGestoreGrid::LeggiValore(const QString& testo, double vuoto, double& valore) const {
    if (testo.isEmpty()) {
        valore = vuoto;
        return true;
    }
    bool ok = false;
    valore = QLocale::c().toDouble(testo, &ok);
    return ok && std::isfinite(valore) && valore >= minimo_ && valore <= massimo_ &&
           (!soloInteri_ || std::floor(valore) == valore);
}

TGestoreGrid::Lettura TGestoreGrid::Leggi(ludo::TIntervalli& intervalli) const {
    intervalli.Intervalli.fill(ludo::Intervallo{});
    intervalli.Numero = 0;
    for (int pagina = 0; pagina < 2; ++pagina) {
        const QTableWidget* griglia = Griglia(pagina);
        for (int riga = 0; riga < Righe; ++riga) {
            const QString testoMin = TestoCella(griglia, riga, 0);
            const QString testoMax = TestoCella(griglia, riga, 1);
            if (testoMin.isEmpty() && testoMax.isEmpty()) continue;
            ludo::Intervallo nuovo;
            nuovo.Stato = pagina == 0 ? ludo::Accettato : ludo::InRecupero;
            nuovo.Livello =
                pagina == 0 ? 0 : static_cast<std::int16_t>(std::clamp(TestoCella(griglia, riga, 2).toInt(), 1, LivelloMassimo));
            if (!LeggiValore(testoMin, minimo_, nuovo.Min)) return {Errore::Minimo, pagina, riga, 0};
            if (!LeggiValore(testoMax, massimo_, nuovo.Max)) return {Errore::Massimo, pagina, riga, 1};
            if (nuovo.Min > nuovo.Max) return {Errore::MinimoSuperiore, pagina, riga, 0};
            const auto letti = intervalli.Intervalli.begin() + intervalli.Numero;
            const bool sovrapposto = std::any_of(intervalli.Intervalli.begin(), letti, [&](const ludo::Intervallo& i) {
                return !(i.Max < nuovo.Min || i.Min > nuovo.Max);
            });
            if (sovrapposto) return {Errore::NonContigui, pagina, riga, 0};
            intervalli.Intervalli[static_cast<std::size_t>(intervalli.Numero++)] = nuovo;
        }
    }
    return {};
}

bool TGestoreGrid::LeggiIntervalli(ludo::TIntervalli& intervalli) {
    const Lettura lettura = Leggi(intervalli);
    if (lettura.errore == Errore::Nessuno) return true;
    MostraCella(lettura.pagina, lettura.riga, lettura.colonna);
    Informazione(Messaggio(lettura.errore), TFrmMessage::OK, this);
    return false;
}

void TGestoreGrid::MostraCella(int pagina, int riga, int colonna) {
    setCurrentIndex(pagina);
    QTableWidget* griglia = Griglia(pagina);
    griglia->setCurrentCell(riga, colonna);
    griglia->scrollTo(griglia->model()->index(riga, colonna));
    griglia->setFocus();
}

void TGestoreGrid::Svuota() {
    ammessi_->clearContents();
    recupero_->clearContents();
}

void TGestoreGrid::ScriviIntervalli(const ludo::TIntervalli& intervalli) {
    Svuota();
    int righe[2] = {0, 0};
    const int numero = std::clamp<int>(intervalli.Numero, 0, ludo::TIntervalli::MassimoIntervalli);
    for (int i = 0; i < numero; ++i) {
        const ludo::Intervallo& intervallo = intervalli.Intervalli[static_cast<std::size_t>(i)];
        const int pagina = intervallo.Stato == ludo::InRecupero ? 1 : 0;
        const int riga = righe[pagina]++;
        if (riga >= Righe) continue;
        ScriviCella(Griglia(pagina), riga, 0, TestoValore(intervallo.Min));
        ScriviCella(Griglia(pagina), riga, 1, TestoValore(intervallo.Max));
        if (pagina == 1) ScriviCella(recupero_, riga, 2, QString::number(intervallo.Livello));
    }
}

bool TGestoreGrid::AvvisaSeVuoto(const ludo::TIntervalli& intervalli) {
    if (intervalli.Numero > 0) return false;
    Informazione(MessaggioNessunIntervallo, TFrmMessage::OK, this);
    return true;
}
