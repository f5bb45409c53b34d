#include "ui/shop/TFrmRidottiImmediati.h"

#include <QHeaderView>
#include <QScrollBar>
#include <fstream>

#include "core/columns/FileColonne.h"
#include "core/io/AtomicSave.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Costi.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui/shop/StampaRicevitoria.h"
#include "ui_TFrmRidottiImmediati.h"

namespace {

constexpr int RigheVisibili = 15;
constexpr char MsgErroreScritturaColonne[] = "Errore Durante la Scrittura del File di Colonne";
constexpr char TitoloElenco[] = "Stampa dell'elenco dei sistemi disponibili";

QString Testo(const std::string& s) { return QString::fromStdString(s); }

// "Inserire 20 Numeri", "Inserire 1 Fissa e altri 8 Numeri".
QString TestoInserire(int numeri, int fisse) {
    if (fisse == 0) return QStringLiteral("Inserire %1 Numeri").arg(numeri);
    return QStringLiteral("Inserire %1 %2 e altri %3 Numeri")
        .arg(fisse)
        .arg(fisse == 1 ? QStringLiteral("Fissa") : QStringLiteral("Fisse"))
        .arg(numeri - fisse);
}

// A row of the list: "NV" in every column for a name that does not read.
QStringList CelleMatrice(const ludo::TMatrice& m, const ludo::Configurazione& config) {
    if (!m.leggibile) return QStringList(5, QStringLiteral("NV"));
    const double costo = static_cast<double>(m.colonne) * ludo::PrezzoColonna(config);
    return {QString::number(m.numeri), QString::number(m.fisse), Testo(m.garanzia), QString::number(m.colonne),
            Testo(ludo::TestoImporto(costo, config.Euro, FormatoNumeriLocale()))};
}

}  // namespace

TFrmRidottiImmediati::TFrmRidottiImmediati(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmRidottiImmediati>()),
      sistema_(sistema),
      giocate_(std::make_unique<GiocateDelConcorso>(sistema)) {
    ui->setupUi(this);
    ui->Selettore->setTestoFisse(QStringLiteral("Fisse"));
    ui->Selettore->setNumeriPerRiga(5);
    auto fisse = ui->Selettore->FontFisse();
    fisse.setBold(true);
    ui->Selettore->setFontFisse(fisse);
    ui->CBStampaConcorso->setChecked(sistema_.Dati->Config.ImpStampa.StampaConcorsoCedolina);
    CaricaElenco();
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    connect(ui->ListaSistemi, &QTableWidget::itemSelectionChanged, this, &TFrmRidottiImmediati::MatriceScelta);
    connect(ui->StampaRidottoBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::StampaRidottoClick);
    connect(ui->SalvaColonneBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::SalvaColonneClick);
    connect(ui->SalvaRidottoBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::SalvaRidottoClick);
    connect(ui->CaricaRidottoBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::CaricaRidottoClick);
    connect(ui->StampaElencoBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::StampaElencoClick);
    connect(ui->AdattaBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::AdattaClick);
    connect(ui->AzzeraBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::AzzeraClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmRidottiImmediati::accept);
    SelezionaMatrice(0);
}

TFrmRidottiImmediati::~TFrmRidottiImmediati() = default;

void TFrmRidottiImmediati::CaricaElenco() {
    const auto& config = sistema_.Dati->Config;
    matrici_ = ludo::ElencoMatrici(sistema_.Cartella());
    auto* t = ui->ListaSistemi;
    t->setColumnCount(5);
    t->setHorizontalHeaderLabels({QStringLiteral("Numeri"), QStringLiteral("Fisse"), QStringLiteral("     Garanzia"),
                                  QStringLiteral(" Colonne"),
                                  QStringLiteral("   Costo ") + QString::fromUtf8(ludo::SimboloValuta(config))});
    t->verticalHeader()->hide();
    t->setRowCount(static_cast<int>(matrici_.size()));
    for (int r = 0; r < t->rowCount(); ++r) {
        const QStringList celle = CelleMatrice(matrici_[static_cast<std::size_t>(r)], config);
        for (int c = 0; c < 5; ++c) {
            auto* cella = new QTableWidgetItem(celle[c]);
            cella->setTextAlignment(c == 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, cella);
        }
        t->setRowHeight(r, t->fontMetrics().height() + 2);
    }
    // The columns are at least as wide as their headings and cells need.
    const int larghezze[] = {40, 30, 79, 50, 65};
    t->resizeColumnsToContents();
    int larghezza = 2 * t->frameWidth() + t->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 5; ++c) {
        t->setColumnWidth(c, std::max(larghezze[c], t->columnWidth(c)));
        larghezza += t->columnWidth(c);
    }
    t->setMinimumWidth(larghezza);
    const int altezzaRiga = t->fontMetrics().height() + 2;
    t->setMinimumHeight(t->horizontalHeader()->sizeHint().height() + RigheVisibili * altezzaRiga + 4);
}

void TFrmRidottiImmediati::SelezionaMatrice(int riga) {
    if (riga < 0 || riga >= ui->ListaSistemi->rowCount()) return;
    ui->ListaSistemi->selectRow(riga);
    MatriceScelta();
}

const ludo::TMatrice* TFrmRidottiImmediati::MatriceCorrente() const {
    const int riga = ui->ListaSistemi->currentRow();
    if (riga < 0 || riga >= static_cast<int>(matrici_.size())) return nullptr;
    return &matrici_[static_cast<std::size_t>(riga)];
}

void TFrmRidottiImmediati::MatriceScelta() {
    const auto* m = MatriceCorrente();
    if (m == nullptr) return;
    QStringList righe;
    for (const auto& r : ludo::DescrizioneMatrice(sistema_.Cartella(), *m))
        righe << Testo(r);
    ui->Memo->setPlainText(righe.join(QLatin1Char('\n')));
    const bool valida = m->leggibile;
    ui->Selettore->setTotaleNumeri(valida ? m->numeri : 0);
    ui->Selettore->setNumFisse(valida ? m->fisse : 0);
    ui->LabelInserire->setText(valida ? TestoInserire(m->numeri, m->fisse) : QString());
    const auto& caselle = ui->Selettore->Caselle();
    for (int i = 0; i < caselle.size(); ++i) {
        caselle[i]->setAccessibleName(i < m->fisse ? QStringLiteral("Fissa %1").arg(i + 1)
                                                   : QStringLiteral("Numero %1").arg(i + 1 - m->fisse));
    }
    for (QPushButton* b : {ui->StampaRidottoBtn, ui->SalvaColonneBtn, ui->SalvaRidottoBtn, ui->AdattaBtn})
        b->setEnabled(valida);
    AggiornaTabOrder();
}

void TFrmRidottiImmediati::AggiornaTabOrder() {
    QWidget* prima = ui->Memo;
    for (QWidget* casella : ui->Selettore->Caselle()) {
        setTabOrder(prima, casella);
        prima = casella;
    }
    setTabOrder(prima, ui->EditNome);
}

ludo::TCombinazione TFrmRidottiImmediati::NumeriScelti() const {
    ludo::TCombinazione numeri;
    const auto& caselle = ui->Selettore->Caselle();
    numeri.Create(static_cast<int>(caselle.size()));
    for (int i = 0; i < caselle.size(); ++i) numeri.Numero(i + 1) = static_cast<std::int16_t>(caselle[i]->Numero());
    return numeri;
}

void TFrmRidottiImmediati::ImpostaNumeriScelti(const ludo::TCombinazione& numeri) {
    const auto& caselle = ui->Selettore->Caselle();
    for (int i = 0; i < caselle.size(); ++i) {
        if (i < numeri.Quanti) {
            caselle[i]->ImpostaNumero(numeri.Numero(i + 1));
        } else {
            caselle[i]->clear();
        }
    }
}

std::optional<ludo::SistemaDaStampare> TFrmRidottiImmediati::Prepara() {
    const auto* m = MatriceCorrente();
    ludo::Colonna tutti = 0;
    if (m == nullptr || !m->leggibile || !ui->Selettore->LeggiNumeri(tutti)) return std::nullopt;
    ludo::ListaColonne matrice;
    const auto file = ludo::io::resolvePath(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kMatrici), m->nome);
    if (!ludo::LeggiFile(matrice, file, false)) {
        Informazione(QString::fromUtf8(ludo::MsgNessunSistemaDelTipo), TFrmMessage::OK, this);
        return std::nullopt;
    }
    ludo::Colonna fisse = 0;
    const auto numeri = NumeriScelti();
    for (int p = 1; p <= m->fisse; ++p) fisse |= ludo::Colonna{1} << (numeri.Numero(p) - 1);
    ludo::TCombinazione ordinati;
    ordinati.DaMaschera(tutti);
    return ludo::PreparaRidottoImmediato(matrice, *m, ordinati, fisse, ui->EditNome->text().toStdString(),
                                         CedolinaDelSistema(sistema_, ui->CBStampaConcorso->isChecked()));
}

void TFrmRidottiImmediati::StampaRidottoClick() {
    const auto sistema = Prepara();
    if (!sistema) return;
    TFormStampaSchedine finestra(sistema_, this);
    finestra.Lavoro() = LavoroConCedolina(*sistema, MatriceCorrente()->nome);
    auto& impostazioni = sistema_.Dati->Config.ImpStampa;
    const int colonneSalvate = impostazioni.ColonnePerSchedina;
    impostazioni.ColonnePerSchedina = ludo::SlipPrintSettings::MaxColonnePerSchedina;
    finestra.ImpostaTutto();
    impostazioni.ColonnePerSchedina = colonneSalvate;
    finestra.ImpostaCedolina(true);
    finestra.exec();
    // Only a run printed whole, on slips, is a play the customer holds.
    if (!finestra.StampateTutteLeSchedine()) return;
    ludo::RegistraGiocata(giocate_->Archivio(), *sistema);
    giocate_->Salva(this);
}

void TFrmRidottiImmediati::SalvaColonneClick() {
    const auto sistema = Prepara();
    if (!sistema) return;
    const QString file = ChiediFileDaScrivere(
        this, {QStringLiteral("Salva le Colonne"),
               Testo(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kColonne).string()), QString(),
               QStringLiteral("Col file (*.Col)"), QStringLiteral("Col"), true});
    if (file.isEmpty()) return;
    if (!ludo::ScriviFile(sistema->colonne, file.toStdString()))
        Informazione(QString::fromUtf8(MsgErroreScritturaColonne), TFrmMessage::OK, this);
}

void TFrmRidottiImmediati::SalvaRidottoClick() {
    const auto* m = MatriceCorrente();
    ludo::Colonna tutti = 0;
    if (m == nullptr || !ui->Selettore->LeggiNumeri(tutti)) return;
    const QString file = ChiediFileDaScrivere(
        this, {QStringLiteral("Salva Ridotto"),
               Testo(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kRidotti).string()), QString(),
               QStringLiteral("Rid file (*.Rid)"), QStringLiteral("Rid"), true});
    if (file.isEmpty()) return;
    const ludo::SceltaRidotto scelta{m->nome, NumeriScelti(), ui->EditNome->text().toStdString()};
    bool scritto = false;
    try {
        scritto = ludo::io::saveAtomically(file.toStdString(),
                                           [&](std::ostream& out) { return ludo::ScriviRid(out, scelta); });
    } catch (const std::exception&) {
        scritto = false;
    }
    if (!scritto) Informazione(QString::fromUtf8(ludo::MsgErroreScritturaRid), TFrmMessage::OK, this);
}

void TFrmRidottiImmediati::CaricaRidottoClick() {
    const QString file = ChiediFile(
        this, {QStringLiteral("Carica Ridotto"),
               Testo(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kRidotti).string()), QString(),
               QStringLiteral("Rid file (*.Rid)"), QStringLiteral("Rid"), false});
    if (file.isEmpty()) return;
    ludo::SceltaRidotto scelta;
    std::ifstream in(file.toStdString(), std::ios::binary);
    if (!in || !ludo::LeggiRid(in, scelta)) {
        Informazione(QString::fromUtf8(ludo::MsgErroreCaricamentoRid), TFrmMessage::OK, this);
        return;
    }
    const auto indice = ludo::TrovaMatrice(matrici_, scelta.matrice);
    SelezionaMatrice(indice ? static_cast<int>(*indice) : 0);
    ImpostaNumeriScelti(scelta.numeri);
    ui->EditNome->setText(Testo(scelta.nomeCedola));
    if (!indice) Informazione(QString::fromUtf8(ludo::MsgErroreFileRidotto), TFrmMessage::OK, this);
}

void TFrmRidottiImmediati::StampaElencoClick() {
    const auto griglia = GrigliaDi(*ui->ListaSistemi);
    QFont titolo = font();
    titolo.setPointSize(12);
    titolo.setBold(true);
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, QStringLiteral("Elenco dei sistemi"));
        if (file.isEmpty()) return;
    }
    EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& s) {
                StampaTabella(s, QString::fromUtf8(TitoloElenco), griglia, titolo, font());
            });
        },
        ludo::MsgImpossibileStampareTabella, file);
}

void TFrmRidottiImmediati::AdattaClick() {
    const auto sistema = Prepara();
    if (!sistema) return;
    auto& d = *sistema_.Dati;
    d.Colonne = sistema->colonne;
    d.Sviluppato = false;
    sistema_.Modificato = true;
}

void TFrmRidottiImmediati::AzzeraClick() {
    for (TGEditNum* casella : ui->Selettore->Caselle()) casella->clear();
    ui->EditNome->clear();
}
