#include "ui/printing/TmmPrinterQt.h"

#include <QFontMetrics>
#include <QTableWidget>
#include <algorithm>

#include "core/io/Errore.h"
#include "ui/printing/SuperficieStampa.h"

namespace {

// Rotated text is sized as a picture drawn on a screen of this resolution
// and copied to the printer pixel for pixel.
constexpr double PuntiSchermo = 96.0;
constexpr double PuntiPerPollice = 72.0;
constexpr int SpessoreGriglia = 2;

}  // namespace

TmmPrinter::TmmPrinter(SuperficieStampa& superficie)
    : ludo::TmmPrinter(superficie.RisoluzioneX(), superficie.RisoluzioneY()), superficie_(superficie) {
    FontTitolo.setPointSize(14);
    FontTitolo.setBold(true);
}

QPainter& TmmPrinter::Canvas() { return superficie_.Painter(); }

void TmmPrinter::Inizia(const char* messaggio) {
    if (!superficie_.Inizia()) throw ludo::Errore(messaggio);
}

void TmmPrinter::NuovaPagina(const char* messaggio) {
    if (!superficie_.NuovaPagina()) throw ludo::Errore(messaggio);
}

void TmmPrinter::Fine() { superficie_.Fine(); }

void TmmPrinter::BeginDoc(const char* messaggio) {
    Inizia(messaggio);
    ludo::TmmPrinter::BeginDoc();
}

void TmmPrinter::NewPage(const char* messaggio) {
    const QFont font = Canvas().font();
    Piede(font);
    NuovaPagina(messaggio);
    Canvas().setFont(font);
}

void TmmPrinter::EndDoc() {
    const QFont font = Canvas().font();
    Piede(FontTitolo);
    Canvas().setFont(font);
    Fine();
}

void TmmPrinter::Piede(const QFont& font) {
    Canvas().setFont(font);
    const QString testo = QString::fromStdString(PiePagina());
    TestoCentrato(testo, ludo::YPiePagina(AltezzaPagina(), AltezzaTesto(testo)));
}

QPoint TmmPrinter::Punto(double x, double y) const {
    const ludo::Pixel p = PixelDi(x, y);
    return {p.x, p.y};
}

double TmmPrinter::LarghezzaPagina() const { return MmX(superficie_.LarghezzaPixel()); }
double TmmPrinter::AltezzaPagina() const { return MmY(superficie_.AltezzaPixel()); }

double TmmPrinter::LarghezzaTesto(const QString& testo) {
    return MmX(Canvas().fontMetrics().horizontalAdvance(testo));
}

double TmmPrinter::AltezzaTesto(const QString& /*testo*/) {
    // The height of a line of the font, whatever its letters.
    return MmY(Canvas().fontMetrics().height());
}

void TmmPrinter::Testo(double x, double y, const QString& testo) {
    const QPoint p = Punto(x, y);
    Canvas().setPen(Qt::black);
    Canvas().drawText(p.x(), p.y() + Canvas().fontMetrics().ascent(), testo);
}

void TmmPrinter::TestoRuotato(double x, double y, const QString& testo, int base) {
    QPainter& c = Canvas();
    const QFont originale = c.font();
    QFont ruotato = originale;
    ruotato.setPixelSize(std::max(1, static_cast<int>(DimensioneRuotata(base) * PuntiSchermo / PuntiPerPollice)));
    c.save();
    c.setFont(ruotato);
    c.setPen(Qt::black);
    // Picture pixel (px, py) lands on (X0 + py, Y0 - px): a turn of a
    // quarter anticlockwise about the target point.
    c.translate(Punto(x, y));
    c.rotate(-90);
    c.drawText(0, c.fontMetrics().ascent(), testo);
    c.restore();
    c.setFont(originale);
}

void TmmPrinter::TestoCentrato(const QString& testo, double y) {
    Testo(ludo::XCentrata(LarghezzaPagina(), LarghezzaTesto(testo)), y, testo);
}

void TmmPrinter::Riempi(const ludo::Rettangolo& mm) {
    const ludo::AreaPixel a = AreaDi(mm);
    Canvas().fillRect(QRect(QPoint(a.da.x, a.da.y), QPoint(a.a.x - 1, a.a.y - 1)), Qt::black);
}

void TmmPrinter::Griglia(const ludo::GrigliaDaStampare& griglia, int primaColonna, int numeroRighe,
                         int numeroColonne, int primaRiga, double scala, double alto, double sinistra) {
    Celle(ludo::CelleGriglia(griglia, primaColonna, numeroRighe, numeroColonne, primaRiga, scala, alto, sinistra,
                             LarghezzaTesto(QStringLiteral(" ")), AltezzaTesto(QStringLiteral("0"))));
}

void TmmPrinter::Celle(const std::vector<ludo::CellaGriglia>& celle) {
    QPainter& c = Canvas();
    c.save();
    c.setPen(QPen(Qt::black, SpessoreGriglia));
    c.setBrush(Qt::white);
    for (const ludo::CellaGriglia& cella : celle) {
        const ludo::AreaPixel a = AreaDi(cella.area);
        c.drawRect(QRect(QPoint(a.da.x, a.da.y), QPoint(a.a.x, a.a.y)));
        Testo(cella.testo.x, cella.testo.y, QString::fromStdString(cella.testo.testo));
    }
    c.restore();
}

void TmmPrinter::GrigliaIntera(const ludo::GrigliaDaStampare& griglia, double scala, double alto,
                               double sinistra) {
    Griglia(griglia, 0, static_cast<int>(griglia.altezzeRighe.size()),
            static_cast<int>(griglia.larghezzeColonne.size()), 0, scala, alto, sinistra);
}

ludo::GrigliaDaStampare GrigliaDi(const QTableWidget& tabella) {
    ludo::GrigliaDaStampare g;
    for (int c = 0; c < tabella.columnCount(); ++c) g.larghezzeColonne.push_back(tabella.columnWidth(c));
    for (int r = 0; r < tabella.rowCount(); ++r) {
        g.altezzeRighe.push_back(tabella.rowHeight(r));
        auto& riga = g.celle.emplace_back();
        for (int c = 0; c < tabella.columnCount(); ++c) {
            const QTableWidgetItem* cella = tabella.item(r, c);
            riga.push_back(cella != nullptr ? cella->text().toStdString() : std::string());
        }
    }
    return g;
}

void StampaTabella(SuperficieStampa& superficie, const QString& titolo, const ludo::GrigliaDaStampare& griglia,
                   const QFont& fontTitolo, const QFont& fontTabella, const char* messaggio) {
    StampaTabelle(superficie, {{titolo, griglia}}, fontTitolo, fontTabella, messaggio);
}

void StampaTabelle(SuperficieStampa& superficie, const std::vector<TabellaDaStampare>& tabelle,
                   const QFont& fontTitolo, const QFont& fontTabella, const char* messaggio) {
    TmmPrinter p(superficie);
    p.FontTitolo = fontTitolo;
    try {
        p.BeginDoc(messaggio);
        for (std::size_t t = 0; t < tabelle.size(); ++t) {
            const ludo::GrigliaDaStampare& griglia = tabelle[t].griglia;
            const int colonne = static_cast<int>(griglia.larghezzeColonne.size());
            if (t > 0) p.NewPage(messaggio);
            p.Canvas().setFont(fontTitolo);
            p.TestoCentrato(tabelle[t].titolo, ludo::YTitoloTabella);
            p.Canvas().setFont(fontTabella);
            const auto pagine = ludo::PagineTabella(static_cast<int>(griglia.altezzeRighe.size()));
            for (std::size_t i = 0; i < pagine.size(); ++i) {
                if (i > 0) p.NewPage(messaggio);
                for (const ludo::BloccoRighe& b : pagine[i]) {
                    p.Griglia(griglia, 0, b.numeroRighe, colonne, b.primaRiga, ludo::ScalaTabella, b.alto,
                              ludo::SinistraTabella);
                }
            }
        }
        p.EndDoc();
    } catch (...) {
        superficie.Fine();
        throw;
    }
}
