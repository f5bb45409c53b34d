#include "ui/printing/StampaLavoro.h"

#include <QApplication>
#include <QFontMetrics>

#include "core/io/Errore.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"

namespace {

QFont FontSchedina(int punti) {
    QFont font(QString::fromLatin1(FontStampaSchedine), punti, QFont::Bold);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void DisegnaFoglio(TmmPrinter& p, const ludo::FoglioSchedina& foglio) {
    for (const ludo::Quadratino& q : foglio.quadratini) p.Riempi(q.area);
    p.Canvas().setFont(FontSchedina(foglio.cedolina ? ludo::DimensioneCedolina : ludo::DimensioneEtichetta));
    for (const ludo::TestoSchedina& t : foglio.testi) {
        const QString testo = QString::fromStdString(t.testo);
        if (t.ruotato) {
            p.TestoRuotato(t.x, t.y, testo, t.base);
        } else {
            p.Testo(t.x, t.y, testo);
        }
    }
}

void StampaFogli(TmmPrinter& p, const ludo::LavoroStampaSchedine& lavoro, const ludo::Configurazione& config,
                 const OpzioniStampa& opzioni) {
    p.Inizia(ludo::MsgImpossibileStampareSchedine);
    p.Canvas().setFont(FontSchedina(ludo::DimensioneCedolina));
    const double altezzaRiga = p.AltezzaTesto(QStringLiteral("TTTT"));
    const auto fogli = ludo::FogliSchedine(lavoro, config, opzioni.colonnePerSchedina, opzioni.cedolina,
                                           opzioni.fileSistema, altezzaRiga, opzioni.formato);
    for (std::size_t i = 0; i < fogli.size(); ++i) {
        DisegnaFoglio(p, fogli[i]);
        if (i + 1 == fogli.size()) break;
        if (opzioni.pausa && !fogli[i].cedolina) {
            p.Fine();
            if (opzioni.inPausa) opzioni.inPausa();
            p.Inizia(ludo::MsgImpossibileStampareSchedine);
        } else {
            p.NuovaPagina(ludo::MsgImpossibileStampareSchedine);
        }
    }
    p.Fine();
}

// The report page of the listing counts tenths of a millimetre.
constexpr double DecimiPerPollice = 254.0;

class PaginaDecimi {
public:
    explicit PaginaDecimi(SuperficieStampa& s) : s_(s) {}
    [[nodiscard]] int X(double decimi) const { return static_cast<int>(decimi * s_.RisoluzioneX() / DecimiPerPollice); }
    [[nodiscard]] int Y(double decimi) const { return static_cast<int>(decimi * s_.RisoluzioneY() / DecimiPerPollice); }
    [[nodiscard]] int DecimiX(int pixel) const { return static_cast<int>(pixel * DecimiPerPollice / s_.RisoluzioneX()); }
    [[nodiscard]] int DecimiY(int pixel) const { return static_cast<int>(pixel * DecimiPerPollice / s_.RisoluzioneY()); }
    [[nodiscard]] QRect Area(const ludo::Rettangolo& r) const {
        return {QPoint(X(r.x1), Y(r.y1)), QPoint(X(r.x2), Y(r.y2))};
    }
    QPainter& Canvas() { return s_.Painter(); }
    [[nodiscard]] double Larghezza() const { return DecimiX(s_.LarghezzaPixel()); }
    [[nodiscard]] double Altezza() const { return DecimiY(s_.AltezzaPixel()); }

    void Testo(double x, double y, const QString& testo) {
        Canvas().drawText(X(x), Y(y) + Canvas().fontMetrics().ascent(), testo);
    }
    void Centrato(const QString& testo, double y) { CentratoAlPixel(testo, Y(y)); }
    // The footer ends MargineBassoTabulato above the foot of the page.
    void Piede(const std::string& piede) {
        CentratoAlPixel(QString::fromStdString(piede),
                        s_.AltezzaPixel() - Y(ludo::MargineBassoTabulato) - Canvas().fontMetrics().height());
    }

private:
    // The text across the middle of the page, its top at pixel row alto.
    void CentratoAlPixel(const QString& testo, int alto) {
        const QFontMetrics m = Canvas().fontMetrics();
        Canvas().drawText((s_.LarghezzaPixel() - m.horizontalAdvance(testo)) / 2, alto + m.ascent(), testo);
    }

    SuperficieStampa& s_;
};

ludo::MisureCarattere Misura(PaginaDecimi& pagina) {
    const QFontMetrics m = pagina.Canvas().fontMetrics();
    return {pagina.DecimiX(m.horizontalAdvance(QStringLiteral("32"))), pagina.DecimiY(m.height()),
            pagina.DecimiY(m.height())};
}

void DisegnaCella(PaginaDecimi& pagina, const ludo::CellaTabulato& cella) {
    QPainter& c = pagina.Canvas();
    c.setPen(QPen(Qt::black, 2));
    c.setBrush(Qt::NoBrush);
    c.drawRect(pagina.Area(cella.cornice));
    c.drawLine(pagina.X(cella.cornice.x1), pagina.Y(cella.yLinea), pagina.X(cella.cornice.x2), pagina.Y(cella.yLinea));
    c.drawText(pagina.Area(cella.intestazione), Qt::AlignCenter, QString::fromStdString(cella.testoIntestazione));
    for (const ludo::TestoPosizionato& n : cella.numeri) pagina.Testo(n.x, n.y, QString::fromStdString(n.testo));
}

void DisegnaTabulato(SuperficieStampa& superficie, const ludo::LavoroStampaSchedine& lavoro,
                     const ludo::Configurazione& config, const ludo::TImpTabulato& impostazioni,
                     const OpzioniStampa& opzioni) {
    if (!superficie.Inizia()) throw ludo::Errore(ludo::MsgImpossibileStampareTabulato);
    PaginaDecimi pagina(superficie);
    const QFont font = FontTabulato(impostazioni);
    pagina.Canvas().setFont(font);
    pagina.Canvas().setPen(Qt::black);
    const auto metriche = ludo::CalcolaMetriche(Misura(pagina), opzioni.colonnePerSchedina, impostazioni);
    const auto schedine = ludo::ImpaginaSchedine(lavoro.Colonne, opzioni.colonnePerSchedina, lavoro.PrimaSchedina,
                                                 lavoro.UltimaSchedina, ludo::PrezzoColonna(config));
    const auto tabulato = ludo::ImpaginaTabulato(schedine, opzioni.colonnePerSchedina, metriche,
                                                 pagina.Larghezza(), pagina.Altezza());
    pagina.Centrato(QString::fromStdString(ludo::TitoloTabulato(lavoro, opzioni.fileSistema)), ludo::YTitoloTabulato);
    for (std::size_t i = 0; i < tabulato.pagine.size(); ++i) {
        if (i > 0) {
            if (!superficie.NuovaPagina()) throw ludo::Errore(ludo::MsgImpossibileStampareTabulato);
            pagina.Canvas().setFont(font);
        }
        for (const auto& cella : tabulato.pagine[i].celle) DisegnaCella(pagina, cella);
        pagina.Piede(tabulato.pagine[i].piede);
    }
    superficie.Fine();
}

}  // namespace

void StampaSchedine(SuperficieStampa& superficie, const ludo::LavoroStampaSchedine& lavoro,
                    const ludo::Configurazione& config, const OpzioniStampa& opzioni) {
    TmmPrinter p(superficie);
    try {
        StampaFogli(p, lavoro, config, opzioni);
    } catch (const ludo::Errore&) {
        p.Fine();
        throw;
    } catch (const std::exception&) {
        p.Fine();
        throw ludo::Errore(ludo::MsgImpossibileStampareSchedine);
    }
}

void StampaTabulato(SuperficieStampa& superficie, const ludo::LavoroStampaSchedine& lavoro,
                    const ludo::Configurazione& config, const ludo::TImpTabulato& impostazioni,
                    const OpzioniStampa& opzioni) {
    try {
        DisegnaTabulato(superficie, lavoro, config, impostazioni, opzioni);
    } catch (const std::exception&) {
        superficie.Fine();
        throw ludo::Errore(ludo::MsgImpossibileStampareTabulato);
    }
}

QFont FontTabulato(const ludo::TImpTabulato& impostazioni) {
    QFont font = QApplication::font();
    if (!impostazioni.NomeFont.empty()) font.setFamily(QString::fromStdString(impostazioni.NomeFont));
    font.setPointSize(impostazioni.DimensioneFont);
    font.setBold((impostazioni.StileFont & ludo::StileGrassetto) != 0);
    font.setItalic((impostazioni.StileFont & ludo::StileCorsivo) != 0);
    font.setUnderline((impostazioni.StileFont & ludo::StileSottolineato) != 0);
    font.setStrikeOut((impostazioni.StileFont & ludo::StileBarrato) != 0);
    return font;
}

void ImpostaFontTabulato(ludo::TImpTabulato& impostazioni, const QFont& font) {
    impostazioni.NomeFont = font.family().toStdString().substr(0, ludo::TImpTabulato::CapacitaNomeFont);
    impostazioni.DimensioneFont = std::clamp(font.pointSize(), 1, ludo::TImpTabulato::MaxDimensioneFont);
    impostazioni.StileFont = (font.bold() ? ludo::StileGrassetto : 0) | (font.italic() ? ludo::StileCorsivo : 0) |
                             (font.underline() ? ludo::StileSottolineato : 0) |
                             (font.strikeOut() ? ludo::StileBarrato : 0);
}

QString NomeStile(std::int32_t stile) {
    const bool grassetto = (stile & ludo::StileGrassetto) != 0;
    const bool corsivo = (stile & ludo::StileCorsivo) != 0;
    if (grassetto && corsivo) return QStringLiteral("Grassetto corsivo");
    if (grassetto) return QStringLiteral("Grassetto");
    if (corsivo) return QStringLiteral("Corsivo");
    return QStringLiteral("Normale");
}
