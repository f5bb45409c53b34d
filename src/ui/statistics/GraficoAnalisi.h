#pragma once
// The bar chart of the analysis windows: one bar set per series over the
// labels of the values, a titled value axis, and the values shown a page
// at a time (the window's scroll bar moves the page). The legend is drawn
// beside the chart by the window (TGLegenda), so the chart's own is hidden.

#include <QChartView>
#include <QColor>
#include <QList>
#include <QStringList>

class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;

class GraficoAnalisi : public QChartView {
    Q_OBJECT
  public:
    static constexpr int VisibiliPredefiniti = 17;  // values on a page

    struct Serie {
        QString nome;
        QList<qreal> valori;  // one per label
    };

    explicit GraficoAnalisi(QWidget* parent = nullptr);

    // Replaces the series; the page stays where it was when it still fits.
    void Imposta(const QStringList& etichette, const QList<Serie>& serie, double massimo,
                 const QString& titoloAsse);
    [[nodiscard]] int Visibili() const { return visibili_; }
    void ImpostaVisibili(int visibili) { visibili_ = visibili; }
    // The page that starts at the value primo.
    void MostraDa(int primo);
    [[nodiscard]] int Primo() const { return primo_; }
    // The last first value a page may have (0 when every value fits).
    [[nodiscard]] int UltimoPrimo() const;

    [[nodiscard]] QBarSeries* Barre() const { return barre_; }
    [[nodiscard]] QValueAxis* AsseValori() const { return asseValori_; }
    [[nodiscard]] QBarCategoryAxis* AsseEtichette() const { return asseEtichette_; }

    // The colour of the series at this place, the same in every window.
    static QColor Colore(int serie);

  private:
    QBarSeries* barre_;
    QBarCategoryAxis* asseEtichette_;
    QValueAxis* asseValori_;
    QStringList etichette_;
    int primo_ = 0;
    int visibili_ = VisibiliPredefiniti;
};
