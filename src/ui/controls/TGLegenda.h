#pragma once
// Chart legend: a row of coloured marks, each followed by its text. The
// entries Start .. Start+NumPoint-1 are drawn, the first GapX pixels from
// the left and GapY from the top, GapOriz pixels between one text and the
// next mark.

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class TGLegenda : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int GapX READ GapX WRITE setGapX)
    Q_PROPERTY(int GapY READ GapY WRITE setGapY)
    Q_PROPERTY(int GapOriz READ GapOriz WRITE setGapOriz)
    Q_PROPERTY(int Start READ Start WRITE setStart)
    Q_PROPERTY(int NumPoint READ NumPoint WRITE setNumPoint)
public:
    struct Voce {
        QColor colore;
        QString testo;
    };

    explicit TGLegenda(QWidget* parent = nullptr);

    [[nodiscard]] int GapX() const { return gapX_; }
    void setGapX(int n) { Imposta(gapX_, n); }
    [[nodiscard]] int GapY() const { return gapY_; }
    void setGapY(int n) { Imposta(gapY_, n); }
    [[nodiscard]] int GapOriz() const { return gapOriz_; }
    void setGapOriz(int n) { Imposta(gapOriz_, n); }
    [[nodiscard]] int Start() const { return start_; }
    void setStart(int n) { Imposta(start_, n); }
    [[nodiscard]] int NumPoint() const { return numPoint_; }
    void setNumPoint(int n) { Imposta(numPoint_, n); }

    void ImpostaVoci(const QList<Voce>& voci);
    [[nodiscard]] const QList<Voce>& Voci() const { return voci_; }
    // The entries drawn, in order.
    [[nodiscard]] QList<Voce> VociMostrate() const;

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <class T>
    void Imposta(T& campo, const T& valore) {
        if (campo == valore) return;
        campo = valore;
        updateGeometry();
        update();
    }
    [[nodiscard]] int LarghezzaVoce(const Voce& voce) const;

    int gapX_ = 40;
    int gapY_ = 0;
    int gapOriz_ = 30;
    int start_ = 0;
    int numPoint_ = 0;
    QList<Voce> voci_;
};
