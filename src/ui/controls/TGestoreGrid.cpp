#include "ui/controls/TGestoreGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/controls/TFrmMessage.h"

namespace {

QTableWidget* CreaGriglia(const QString& nome, const QString& titolo, const QStringList& intestazioni,
                          QWidget* parent) {
    auto* griglia = new QTableWidget(TGestoreGrid::Righe, static_cast<int>(intestazioni.size()), parent);
    griglia->setObjectName(nome);
    griglia->setAccessibleName(titolo);
    griglia->setToolTip(QStringLiteral("Scegliere una riga per cambiarla o toglierla; doppio clic per "
                                       "correggere un valore; Canc toglie l'intervallo"));
    griglia->setHorizontalHeaderLabels(intestazioni);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    griglia->verticalHeader()->setDefaultSectionSize(20);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab goes on to the next control; the arrows move between the cells.
    griglia->setTabKeyNavigation(false);
    return griglia;
}

QString TestoCella(const QTableWidget* griglia, int riga, int colonna) {
    const QTableWidgetItem* cella = griglia->item(riga, colonna);
    return cella != nullptr ? cella->text().trimmed() : QString();
}

void ScriviCella(QTableWidget* griglia, int riga, int colonna, const QString& testo) {
    griglia->setItem(riga, colonna, new QTableWidgetItem(testo));
}

bool RigaVuota(const QTableWidget* griglia, int riga) {
    return TestoCella(griglia, riga, 0).isEmpty() && TestoCella(griglia, riga, 1).isEmpty();
}

QString TestoValore(double valore) { return QLocale::c().toString(valore, 'f', QLocale::FloatingPointShortest); }

template <class T>
T* Nominato(T* w, const QString& nome, const QString& accessibile) {
    w->setObjectName(nome);
    w->setAccessibleName(accessibile);
    return w;
}

}  // namespace

const QString TGestoreGrid::MessaggioNessunIntervallo = QStringLiteral("Non è stato impostato alcun intervallo");

TGestoreGrid::TGestoreGrid(QWidget* parent)
    : QWidget(parent),
      pagine_(Nominato(new QTabWidget(this), QStringLiteral("PagineIntervalli"), QStringLiteral("Intervalli"))),
      ammessi_(CreaGriglia(QStringLiteral("GridAmmessi"), QStringLiteral("Intervalli Ammessi"),
                           {QStringLiteral("Min"), QStringLiteral("Max")}, this)),
      recupero_(CreaGriglia(QStringLiteral("GridRecupero"), QStringLiteral("Intervalli In Rec."),
                            {QStringLiteral("Min"), QStringLiteral("Max"), QStringLiteral("Liv.")}, this)),
      livello_(Nominato(new QSpinBox(this), QStringLiteral("SpinLivello"), QStringLiteral("Liv."))),
      link_(Nominato(new QComboBox(this), QStringLiteral("ComboLink"), QStringLiteral("Link"))),
      editMin_(Nominato(new QLineEdit(this), QStringLiteral("EditMin"), QStringLiteral("Min"))),
      editMax_(Nominato(new QLineEdit(this), QStringLiteral("EditMax"), QStringLiteral("Max"))),
      inserisci_(Nominato(new QPushButton(QStringLiteral("Inserisci"), this), QStringLiteral("InserisciBtn"),
                          QStringLiteral("Inserisci"))),
      sostituisci_(Nominato(new QPushButton(QStringLiteral("Sostituisci"), this), QStringLiteral("SostituisciBtn"),
                            QStringLiteral("Sostituisci"))),
      elimina_(Nominato(new QPushButton(QStringLiteral("Elimina"), this), QStringLiteral("EliminaIntervalloBtn"),
                        QStringLiteral("Elimina intervallo"))) {
    livello_->setRange(1, LivelloMassimo);
    livello_->setToolTip(QStringLiteral("Livello di recupero dell'intervallo che si inserisce"));
    for (char c = 'A'; c <= 'Z'; ++c) link_->addItem(QString(QLatin1Char(c)));
    link_->setToolTip(QStringLiteral("Lettera del collegamento degli intervalli in recupero"));

    auto* paginaRecupero = new QWidget(this);
    auto* layoutRecupero = new QVBoxLayout(paginaRecupero);
    layoutRecupero->setContentsMargins(0, 0, 0, 0);
    layoutRecupero->addWidget(recupero_);
    auto* rigaLink = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(new QLabel(QStringLiteral("Liv."), paginaRecupero)),
                       static_cast<QWidget*>(livello_), static_cast<QWidget*>(new QLabel(QStringLiteral("Link"), paginaRecupero)),
                       static_cast<QWidget*>(link_)}) {
        rigaLink->addWidget(w);
    }
    rigaLink->addStretch();
    layoutRecupero->addLayout(rigaLink);
    pagine_->addTab(ammessi_, QStringLiteral("Intervalli Ammessi"));
    pagine_->addTab(paginaRecupero, QStringLiteral("Intervalli In Rec."));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pagine_);
    CreaComandi();
}

void TGestoreGrid::CreaComandi() {
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(new QLabel(QStringLiteral("Min"), this));
    comandi->addWidget(editMin_);
    comandi->addWidget(new QLabel(QStringLiteral("Max"), this));
    comandi->addWidget(editMax_);
    for (QPushButton* b : {inserisci_, sostituisci_, elimina_}) {
        b->setAutoDefault(false);
        comandi->addWidget(b);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(comandi);
    editMin_->setToolTip(QStringLiteral("Valore minimo (vuoto: il più basso possibile)"));
    editMax_->setToolTip(QStringLiteral("Valore massimo (vuoto: il più alto possibile)"));
    inserisci_->setToolTip(QStringLiteral("Aggiunge l'intervallo alla pagina mostrata (Invio)"));
    sostituisci_->setToolTip(QStringLiteral("Mette l'intervallo al posto di quello scelto"));
    elimina_->setToolTip(QStringLiteral("Toglie l'intervallo scelto (Canc)"));
    editMin_->installEventFilter(this);
    editMax_->installEventFilter(this);
    connect(inserisci_, &QPushButton::clicked, this, &TGestoreGrid::Inserisci);
    connect(sostituisci_, &QPushButton::clicked, this, &TGestoreGrid::Sostituisci);
    connect(elimina_, &QPushButton::clicked, this, &TGestoreGrid::Elimina);
    connect(link_, &QComboBox::currentIndexChanged, this, [this] {
        if (!scrivendo_) emit Cambiato();
    });
    Collega(ammessi_);
    Collega(recupero_);
}

void TGestoreGrid::Collega(QTableWidget* griglia) {
    connect(griglia, &QTableWidget::itemChanged, this, [this, griglia] {
        if (scrivendo_) return;
        TieniRigaLibera(griglia);
        emit Cambiato();
    });
    connect(griglia, &QTableWidget::currentCellChanged, this, &TGestoreGrid::RigaScelta);
    auto* canc = new QShortcut(QKeySequence::Delete, griglia, nullptr, nullptr, Qt::WidgetShortcut);
    connect(canc, &QShortcut::activated, this, &TGestoreGrid::Elimina);
}

bool TGestoreGrid::eventFilter(QObject* oggetto, QEvent* evento) {
    // Enter in the boxes adds the interval instead of closing the window.
    if (evento->type() == QEvent::KeyPress && (oggetto == editMin_ || oggetto == editMax_)) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            Inserisci();
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

int TGestoreGrid::currentIndex() const { return pagine_->currentIndex(); }

void TGestoreGrid::setCurrentIndex(int pagina) { pagine_->setCurrentIndex(pagina); }

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
        case Errore::Troppi:
            return QStringLiteral("Non si possono impostare più di %1 intervalli").arg(ludo::TIntervalli::MassimoIntervalli);
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
        for (int riga = 0; riga < griglia->rowCount(); ++riga) {
            const QString testoMin = TestoCella(griglia, riga, 0);
            const QString testoMax = TestoCella(griglia, riga, 1);
            if (testoMin.isEmpty() && testoMax.isEmpty()) continue;
            if (intervalli.Numero == ludo::TIntervalli::MassimoIntervalli) return {Errore::Troppi, pagina, riga, 0};
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
    Segnala(lettura);
    return false;
}

void TGestoreGrid::Segnala(const Lettura& lettura) {
    MostraCella(lettura.pagina, lettura.riga, lettura.colonna);
    Informazione(Messaggio(lettura.errore), TFrmMessage::OK, this);
}

void TGestoreGrid::MostraCella(int pagina, int riga, int colonna) {
    setCurrentIndex(pagina);
    QTableWidget* griglia = Griglia(pagina);
    griglia->setCurrentCell(riga, colonna);
    griglia->scrollTo(griglia->model()->index(riga, colonna));
    griglia->setFocus();
}

void TGestoreGrid::TieniRigaLibera(QTableWidget* griglia) {
    int usate = griglia->rowCount();
    while (usate > 0 && RigaVuota(griglia, usate - 1)) --usate;
    const QSignalBlocker blocca(griglia);
    griglia->setRowCount(std::max(Righe, usate + 1));
}

void TGestoreGrid::Svuota() {
    scrivendo_ = true;
    for (QTableWidget* griglia : {ammessi_, recupero_}) {
        griglia->clearContents();
        griglia->setRowCount(Righe);
    }
    scrivendo_ = false;
}

void TGestoreGrid::ScriviIntervalli(const ludo::TIntervalli& intervalli) {
    Svuota();
    scrivendo_ = true;
    int righe[2] = {0, 0};
    const int numero = std::clamp<int>(intervalli.Numero, 0, ludo::TIntervalli::MassimoIntervalli);
    for (int i = 0; i < numero; ++i) {
        const ludo::Intervallo& intervallo = intervalli.Intervalli[static_cast<std::size_t>(i)];
        const int pagina = intervallo.Stato == ludo::InRecupero ? 1 : 0;
        QTableWidget* griglia = Griglia(pagina);
        const int riga = righe[pagina]++;
        griglia->setRowCount(std::max(Righe, riga + 2));
        ScriviCella(griglia, riga, 0, TestoValore(intervallo.Min));
        ScriviCella(griglia, riga, 1, TestoValore(intervallo.Max));
        if (pagina == 1) ScriviCella(griglia, riga, 2, QString::number(std::max<int>(1, intervallo.Livello)));
    }
    const int lettera = intervalli.Link - 'A';
    link_->setCurrentIndex(lettera >= 0 && lettera < link_->count() ? lettera : 0);
    scrivendo_ = false;
}

char TGestoreGrid::Link() const { return static_cast<char>('A' + std::max(0, link_->currentIndex())); }

bool TGestoreGrid::AvvisaSeVuoto(const ludo::TIntervalli& intervalli) {
    if (intervalli.Numero > 0) return false;
    Informazione(MessaggioNessunIntervallo, TFrmMessage::OK, this);
    return true;
}

void TGestoreGrid::RigaScelta() {
    const QTableWidget* griglia = Griglia(currentIndex());
    const int riga = griglia->currentRow();
    if (riga < 0 || RigaVuota(griglia, riga)) return;
    editMin_->setText(TestoCella(griglia, riga, 0));
    editMax_->setText(TestoCella(griglia, riga, 1));
    if (currentIndex() == 1) livello_->setValue(TestoCella(griglia, riga, 2).toInt());
}

bool TGestoreGrid::ScriviRiga(int riga) {
    QTableWidget* griglia = Griglia(currentIndex());
    const bool recupero = currentIndex() == 1;
    const QStringList prima = {TestoCella(griglia, riga, 0), TestoCella(griglia, riga, 1),
                               recupero ? TestoCella(griglia, riga, 2) : QString()};
    const QStringList dopo = {editMin_->text().trimmed(), editMax_->text().trimmed(),
                              recupero ? QString::number(livello_->value()) : QString()};
    auto scrivi = [&](const QStringList& testi) {
        scrivendo_ = true;
        for (int colonna = 0; colonna < griglia->columnCount(); ++colonna)
            ScriviCella(griglia, riga, colonna, testi[colonna]);
        scrivendo_ = false;
    };
    scrivi(dopo);
    ludo::TIntervalli prova;
    const Lettura lettura = Leggi(prova);
    // Both boxes empty would add nothing: that is a missing minimum.
    const bool vuota = dopo[0].isEmpty() && dopo[1].isEmpty();
    if (lettura.errore == Errore::Nessuno && !vuota) {
        TieniRigaLibera(griglia);
        editMin_->clear();
        editMax_->clear();
        editMin_->setFocus();
        emit Cambiato();
        return true;
    }
    scrivi(prima);
    if (vuota || (lettura.pagina == currentIndex() && lettura.riga == riga)) {
        editMin_->setFocus();
        Informazione(Messaggio(vuota ? Errore::Minimo : lettura.errore), TFrmMessage::OK, this);
    } else {
        Segnala(lettura);
    }
    return false;
}

void TGestoreGrid::Inserisci() {
    ludo::TIntervalli letti;
    if (Leggi(letti).errore == Errore::Nessuno && letti.Numero == ludo::TIntervalli::MassimoIntervalli) {
        Informazione(Messaggio(Errore::Troppi), TFrmMessage::OK, this);
        return;
    }
    const QTableWidget* griglia = Griglia(currentIndex());
    int riga = 0;
    while (riga < griglia->rowCount() && !RigaVuota(griglia, riga)) ++riga;
    if (riga == griglia->rowCount()) TieniRigaLibera(Griglia(currentIndex()));
    ScriviRiga(riga);
}

void TGestoreGrid::Sostituisci() {
    const QTableWidget* griglia = Griglia(currentIndex());
    const int riga = griglia->currentRow();
    if (riga < 0 || RigaVuota(griglia, riga)) return;
    ScriviRiga(riga);
}

void TGestoreGrid::Elimina() {
    QTableWidget* griglia = Griglia(currentIndex());
    const int riga = griglia->currentRow();
    if (riga < 0 || RigaVuota(griglia, riga)) return;
    scrivendo_ = true;
    griglia->removeRow(riga);
    scrivendo_ = false;
    TieniRigaLibera(griglia);
    emit Cambiato();
}
