#include "ui/shop/TFormVisGiocate.h"

#include <QHeaderView>
#include <QTimer>

#include "core/checking/RiepilogoGiocate.h"
#include "core/printing/StampaGiocate.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFormVisGiocate.h"

namespace {

constexpr int RigheSistemiVisibili = 7;

QString MsgGiocateIlleggibili(int concorso) {
    return QStringLiteral("Impossibile Caricare l'Archivio delle Giocate del Concorso Nº %1")
        .arg(concorso);
}

QTableWidgetItem* Cella(const std::string& testo, Qt::Alignment allineamento = Qt::AlignLeft) {
    // Right-aligned cells lose the blanks that align the printout.
    QString visibile = QString::fromStdString(testo);
    if (allineamento & Qt::AlignRight) visibile = visibile.trimmed();
    auto* cella = new QTableWidgetItem(visibile);
    cella->setTextAlignment(allineamento | Qt::AlignVCenter);
    return cella;
}

int AltezzaRiga(const QTableWidget& t) { return t.fontMetrics().height() + 4; }

void Prepara(QTableWidget& t, const QStringList& intestazioni, int righe) {
    t.setColumnCount(static_cast<int>(intestazioni.size()));
    t.setHorizontalHeaderLabels(intestazioni);
    t.verticalHeader()->hide();
    t.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t.verticalHeader()->setDefaultSectionSize(AltezzaRiga(t));
    t.setFixedHeight(t.horizontalHeader()->sizeHint().height() + righe * AltezzaRiga(t) +
                     2 * t.frameWidth());
}

std::vector<int> Larghezze(const QTableWidget& t) {
    std::vector<int> l;
    for (int c = 0; c < t.columnCount(); ++c) l.push_back(t.columnWidth(c));
    return l;
}

}  // namespace

TFormVisGiocate::TFormVisGiocate(const ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFormVisGiocate>()),
      sistema_(sistema),
      archivio_(1) {
    ui->setupUi(this);
    Prepara(*ui->GrigliaRiepilogo,
            {QStringLiteral("Tipo di Giocata"), QStringLiteral("Numero di Giocate")}, 4);
    Prepara(*ui->GrigliaSistemi,
            {QStringLiteral("Numeri"), QStringLiteral("Colonne"), QStringLiteral("Data"),
             QStringLiteral("Ora")},
            RigheSistemiVisibili);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ui->SEConcorso->setValue(sistema_.Dati->Coupon.Concorso);
    lettaAllApertura_ = Carica(ui->SEConcorso->value());
    connect(ui->SEConcorso, &QSpinBox::valueChanged, this,
            [this](int concorso) { Carica(concorso); });
    connect(ui->SpoglioBtn, &QPushButton::clicked, this, [this] {
        if (spoglio_) spoglio_(archivio_);
    });
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFormVisGiocate::StampaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFormVisGiocate::accept);
    ui->SpoglioBtn->setEnabled(false);
}

TFormVisGiocate::~TFormVisGiocate() = default;

void TFormVisGiocate::ImpostaSpoglio(Spoglio spoglio) {
    spoglio_ = std::move(spoglio);
    ui->SpoglioBtn->setEnabled(static_cast<bool>(spoglio_));
}

void TFormVisGiocate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (mostrata_) return;
    mostrata_ = true;
    // Only the opening says that the contest's plays could not be read; the
    // arrows go from contest to contest quietly.
    if (!lettaAllApertura_) {
        const int concorso = archivio_.Concorso;
        QTimer::singleShot(0, this, [this, concorso] {
            Informazione(MsgGiocateIlleggibili(concorso), TFrmMessage::OK, this);
        });
    }
}

bool TFormVisGiocate::Carica(int concorso) {
    archivio_ = ludo::TArchivioGiocate(concorso);
    const bool letto = archivio_.Carica(sistema_.Cartella());
    AggiornaForm();
    return letto;
}

void TFormVisGiocate::AggiornaForm() {
    const auto righe =
        ludo::RiepilogoGiocate(archivio_, sistema_.Dati->Config, FormatoNumeriLocale());
    auto* r = ui->GrigliaRiepilogo;
    r->setRowCount(static_cast<int>(righe.size()));
    for (int i = 0; i < r->rowCount(); ++i) {
        r->setItem(i, 0, Cella(righe[static_cast<std::size_t>(i)].tipo));
        r->setItem(i, 1, Cella(righe[static_cast<std::size_t>(i)].valore, Qt::AlignRight));
    }
    const auto sistemi = ludo::SistemiGiocati(archivio_);
    auto* s = ui->GrigliaSistemi;
    s->setRowCount(static_cast<int>(sistemi.size()));
    for (int i = 0; i < s->rowCount(); ++i) {
        const auto& riga = sistemi[static_cast<std::size_t>(i)];
        s->setItem(i, 0, Cella(riga.numeri, Qt::AlignRight));
        s->setItem(i, 1, Cella(riga.colonne, Qt::AlignRight));
        s->setItem(i, 2, Cella(riga.data));
        s->setItem(i, 3, Cella(riga.ora));
    }
}

void TFormVisGiocate::StampaClick() {
    const ludo::MisureTabelleGiocate misure{Larghezze(*ui->GrigliaRiepilogo),
                                            Larghezze(*ui->GrigliaSistemi),
                                            AltezzaRiga(*ui->GrigliaSistemi)};
    const auto pagine =
        ludo::PagineStampaGiocate(archivio_, sistema_.Dati->Config, misure, FormatoNumeriLocale());
    QString file;
    if (StampaSuFile()) {
        file =
            ChiediFileStampa(this, QStringLiteral("Giocate concorso %1").arg(archivio_.Concorso));
        if (file.isEmpty()) return;
    }
    QFont titolo = font();
    titolo.setPointSize(12);
    titolo.setBold(true);
    const auto stampa = [&](SuperficieStampa& superficie) {
        TmmPrinter p(superficie);
        p.FontTitolo = titolo;
        try {
            p.BeginDoc(ludo::MsgImpossibileStampareDati);
            for (std::size_t i = 0; i < pagine.size(); ++i) {
                if (i > 0) p.NewPage(ludo::MsgImpossibileStampareDati);
                const auto& pagina = pagine[i];
                p.Canvas().setFont(titolo);
                if (!pagina.titolo.empty())
                    p.TestoCentrato(QString::fromStdString(pagina.titolo), pagina.yTitolo);
                p.Canvas().setFont(font());
                for (const auto& b : pagina.blocchi) {
                    p.GrigliaIntera(b.griglia, b.scala, b.alto, b.sinistra);
                }
            }
            p.EndDoc();
        } catch (...) {
            superficie.Fine();
            throw;
        }
    };
    EseguiStampa(
        this, [&] { StampaSu(stampa); }, ludo::MsgImpossibileStampareDati, file);
}
