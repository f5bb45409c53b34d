#include "ui/archive/TFrmStampaArchivio.h"

#include <QApplication>
#include <QPushButton>

#include "core/archive/RegoleIntervallo.h"
#include "core/io/Errore.h"
#include "core/printing/StampaArchivio.h"
#include "ui/archive/CaselleIntervallo.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFrmStampaArchivio.h"

namespace {

constexpr int PuntiTabella = 8;

ludo::MisureStampaArchivio Misure(TmmPrinter& p, const QFont& tabella) {
    ludo::MisureStampaArchivio m;
    m.larghezzaPagina = p.LarghezzaPagina();
    m.altezzaPagina = p.AltezzaPagina();
    p.Canvas().setFont(p.FontTitolo);
    const double piedeTitolo = p.AltezzaTesto(QStringLiteral("0"));
    p.Canvas().setFont(tabella);
    m.altezzaTesto = p.AltezzaTesto(QStringLiteral("0"));
    m.altezzaPiede = std::max(piedeTitolo, m.altezzaTesto);
    m.larghezzaBlank = p.LarghezzaTesto(QStringLiteral(" "));
    m.larghezzaTesto = [&p](const std::string& testo) {
        return p.LarghezzaTesto(QString::fromStdString(testo));
    };
    return m;
}

}  // namespace

void StampaArchivioSu(SuperficieStampa& superficie, const ludo::ArchivioConcorsi& archivio,
                      const ludo::IntervalloRicerca& intervallo) {
    TmmPrinter p(superficie);
    QFont tabella = QApplication::font();
    tabella.setPointSize(PuntiTabella);
    try {
        p.BeginDoc(ludo::MsgImpossibileStampareTabella);
        const ludo::StampaArchivio stampa =
            ludo::ImpaginaStampaArchivio(archivio, intervallo, Misure(p, tabella));
        p.Canvas().setFont(p.FontTitolo);
        p.TestoCentrato(QString::fromStdString(stampa.titolo), ludo::YTitoloTabella);
        p.Canvas().setFont(tabella);
        for (std::size_t i = 0; i < stampa.pagine.size(); ++i) {
            if (i > 0) p.NewPage(ludo::MsgImpossibileStampareTabella);
            p.Celle(stampa.pagine[i].celle);
        }
        p.EndDoc();
    } catch (...) {
        superficie.Fine();
        throw;
    }
}

TFrmStampaArchivio::TFrmStampaArchivio(const ludo::ArchivioConcorsi& archivio, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmStampaArchivio>()), archivio_(archivio) {
    ui->setupUi(this);
    intervallo_ = new CaselleIntervallo({ui->LabelPrimoAnnoDa, ui->SEAnnoDa, ui->SEConcDa,
                                         ui->LabelPrimoAnnoA, ui->SEAnnoA, ui->SEConcA},
                                        archivio_, this);
    ludo::IntervalloRicerca ultimaStagione;
    ludo::IntervalloTuttoArchivio(ultimaStagione, archivio_);
    ultimaStagione.AnnoDa = ultimaStagione.AnnoA;
    ultimaStagione.ConcDa = ludo::PrimoNumeroConcorso;
    intervallo_->Mostra(ultimaStagione);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    // A range kept from an earlier opening comes back within the archive.
    intervallo_->Correggi();
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmStampaArchivio::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmStampaArchivio::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmStampaArchivio::~TFrmStampaArchivio() = default;

void TFrmStampaArchivio::OKBtnClick() {
    const ludo::IntervalloRicerca intervallo = intervallo_->Intervallo();
    if (const auto errore =
            ludo::VerificaIntervallo(intervallo, archivio_, ludo::TipiDiConcorso::Tutti)) {
        Informazione(QString::fromStdString(*errore), TFrmMessage::OK, this);
        return;
    }
    if (Stampa(intervallo)) accept();
}

bool TFrmStampaArchivio::Stampa(const ludo::IntervalloRicerca& intervallo) {
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, NomeFilePdf);
        if (file.isEmpty()) return false;
    }
    return EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                StampaArchivioSu(superficie, archivio_, intervallo);
            });
        },
        ludo::MsgImpossibileStampareTabella, file);
}
