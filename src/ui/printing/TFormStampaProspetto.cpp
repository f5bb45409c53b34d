#include "ui/printing/TFormStampaProspetto.h"

#include <QApplication>
#include <QDate>
#include <QPushButton>

#include "core/io/Errore.h"
#include "core/printing/StampaSchedine.h"
#include "core/system/Versione.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/printing/StampaLavoro.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TFormImpostaTabulato.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFormStampaProspetto.h"

using ludo::FontProspetto;

namespace {

QFont FontDi(FontProspetto f) {
    QFont font = QApplication::font();
    switch (f) {
        case FontProspetto::Intestazione:
            font.setPointSize(12);
            font.setBold(true);
            break;
        case FontProspetto::Titolo: font.setPointSize(16); break;
        case FontProspetto::Sezione:
        case FontProspetto::Condizioni: font.setPointSize(10); break;
        case FontProspetto::Normale: font.setPointSize(8); break;
    }
    return font;
}

ludo::MisureProspetto Misure(TmmPrinter& p) {
    ludo::MisureProspetto m;
    m.larghezzaPagina = p.LarghezzaPagina();
    m.altezzaPagina = p.AltezzaPagina();
    p.Canvas().setFont(p.FontTitolo);
    m.altezzaPiede = p.AltezzaTesto(QStringLiteral("0"));
    m.larghezza = [&p](const std::string& testo, FontProspetto f) {
        p.Canvas().setFont(FontDi(f));
        return p.LarghezzaTesto(QString::fromStdString(testo));
    };
    m.altezza = [&p](FontProspetto f) {
        p.Canvas().setFont(FontDi(f));
        return p.AltezzaTesto(QStringLiteral("VVV"));
    };
    return m;
}

void StampaCopia(TmmPrinter& p, const ludo::ContenutoProspetto& contenuto, int copia) {
    p.BeginDoc(ludo::MsgImpossibileStampareProspetto);
    const auto pagine = ludo::ImpaginaProspetto(contenuto, copia, Misure(p));
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        if (i > 0) p.NewPage(ludo::MsgImpossibileStampareProspetto);
        for (const auto& t : pagine[i].testi) {
            p.Canvas().setFont(FontDi(t.font));
            p.Testo(t.x, t.y, QString::fromStdString(t.testo));
        }
        p.Canvas().setFont(FontDi(FontProspetto::Normale));
        p.Celle(pagine[i].celle);
    }
    p.EndDoc();
}

// The listing of the system's columns, with the slip settings of the configuration.
void StampaColonne(SuperficieStampa& superficie, const ludo::T_Sistema& sistema,
                   const ludo::TImpTabulato& impostazioni) {
    const auto& config = sistema.Dati->Config;
    ludo::LavoroStampaSchedine lavoro;
    lavoro.Colonne = sistema.Dati->Colonne;
    OpzioniStampa opzioni;
    opzioni.colonnePerSchedina = config.ImpStampa.ColonnePerSchedina;
    opzioni.fileSistema = sistema.NomeFile.filename().string();
    opzioni.formato = FormatoNumeriLocale();
    lavoro.UltimaSchedina = std::max(1, ludo::NumeroSchedine(lavoro.NumColonne(), opzioni.colonnePerSchedina));
    StampaTabulato(superficie, lavoro, config, impostazioni, opzioni);
}

}  // namespace

void StampaProspetto(SuperficieStampa& superficie, ludo::T_Sistema& sistema, const ludo::OpzioniProspetto& opzioni,
                     const QString& oggi) {
    const auto contenuto = ludo::PreparaProspetto(sistema, opzioni, oggi.toStdString(), FormatoNumeriLocale());
    const bool tabulato = opzioni.Tabulato && !sistema.Dati->Colonne.Vuota();
    superficie.ApriSerie();
    try {
        TmmPrinter p(superficie);
        for (std::size_t copia = 0; copia < contenuto.titoli.size(); ++copia) {
            StampaCopia(p, contenuto, static_cast<int>(copia));
            if (tabulato) StampaColonne(superficie, sistema, sistema.Dati->Config.ImpTabulato);
        }
    } catch (const ludo::Errore&) {
        superficie.ChiudiSerie();
        throw;
    } catch (const std::exception&) {
        superficie.ChiudiSerie();
        throw ludo::Errore(ludo::MsgImpossibileStampareProspetto);
    }
    superficie.ChiudiSerie();
}

TFormStampaProspetto::TFormStampaProspetto(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormStampaProspetto>()), sistema_(sistema) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ImpostaOggetto();
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(ui->CBTabulato),
                               static_cast<QAbstractButton*>(ui->RBNumeroCopie),
                               static_cast<QAbstractButton*>(ui->RBPartecipanti)}) {
        connect(b, &QAbstractButton::toggled, this, &TFormStampaProspetto::AggiornaForm);
    }
    connect(ui->ImpostazioniBtn, &QPushButton::clicked, this, &TFormStampaProspetto::ImpostazioniClick);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFormStampaProspetto::StampaClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormStampaProspetto::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFormStampaProspetto::~TFormStampaProspetto() = default;

// What the system does not have cannot be chosen: conditions, columns,
// copies for participants when there is only one.
void TFormStampaProspetto::ImpostaOggetto() {
    const bool condizioni = !ludo::CondizioniInUso(sistema_).empty();
    ui->CBCondizioni->setEnabled(condizioni);
    if (!condizioni) ui->CBCondizioni->setChecked(false);
    const bool colonne = !sistema_.Dati->Colonne.Vuota();
    ui->CBTabulato->setEnabled(colonne);
    if (!colonne) ui->CBTabulato->setChecked(false);
    const bool partecipanti = sistema_.NumeroPartecipanti > 1;
    ui->RBPartecipanti->setEnabled(partecipanti);
    if (!partecipanti) ui->RBNumeroCopie->setChecked(true);
    AggiornaForm();
}

void TFormStampaProspetto::AggiornaForm() {
    ui->ImpostazioniBtn->setEnabled(ui->CBTabulato->isEnabled());
    ui->SECopie->setEnabled(ui->RBNumeroCopie->isChecked());
}

ludo::OpzioniProspetto TFormStampaProspetto::Opzioni() const {
    ludo::OpzioniProspetto o;
    o.Informazioni = ui->CBInformazioni->isChecked();
    o.Schedina = ui->CBSchedina->isChecked();
    o.Condizioni = ui->CBCondizioni->isEnabled() && ui->CBCondizioni->isChecked();
    o.Tabulato = ui->CBTabulato->isEnabled() && ui->CBTabulato->isChecked();
    o.CopiaPerPartecipante = ui->RBPartecipanti->isEnabled() && ui->RBPartecipanti->isChecked();
    o.Copie = ui->SECopie->value();
    return o;
}

void TFormStampaProspetto::StampaClick() {
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(
            this, QString::fromStdString(ludo::NomeSenzaEstensione(sistema_.NomeFile.string())) + QStringLiteral(".pdf"));
        if (file.isEmpty()) return;
    }
    const ludo::OpzioniProspetto opzioni = Opzioni();
    const QString oggi = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const bool stampato = EseguiStampa(
        this, [&] { StampaSu([&](SuperficieStampa& s) { StampaProspetto(s, sistema_, opzioni, oggi); }); },
        ludo::MsgImpossibileStampareProspetto, file);
    if (stampato) accept();
}

void TFormStampaProspetto::ImpostazioniClick() {
    TFormImpostaTabulato finestra(
        sistema_.Dati->Config, sistema_.Cartella(),
        [this](const ludo::TImpTabulato& valori) {
            MostraAnteprima(this, QStringLiteral("Antemprima del Tabulato"),
                            [&](SuperficieStampa& s) { StampaColonne(s, sistema_, valori); });
        },
        this);
    finestra.exec();
}
