#pragma once
// Forecast control: a strip of 16 cells standing for the match numbers
// 1..16 or 17..32. A click on a cell selects or deselects its number; from
// the keyboard the arrows move to a cell and Space clicks it. Windows hold
// two of them and join them into one set of 32 numbers. Assistive tools see
// each cell as a button named by its match.

#include <QColor>
#include <QWidget>
#include <cstdint>

#include "core/columns/Colonna.h"

class TPronostico : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TipoPronostico Tipo READ Tipo WRITE setTipo)
    Q_PROPERTY(quint16 Pronostico READ Pronostico WRITE setPronostico)
    Q_PROPERTY(QColor SelColor READ SelColor WRITE setSelColor)
    Q_PROPERTY(bool Verticale READ Verticale WRITE setVerticale)
public:
    enum TipoPronostico { tp1_16, tp17_32 };
    Q_ENUM(TipoPronostico)

    static constexpr int NumeroCelle = 16;

    explicit TPronostico(QWidget* parent = nullptr);

    [[nodiscard]] TipoPronostico Tipo() const { return tipo_; }
    void setTipo(TipoPronostico tipo);
    // Bit i set: cell i is selected.
    [[nodiscard]] quint16 Pronostico() const { return pronostico_; }
    void setPronostico(quint16 valore);
    [[nodiscard]] QColor SelColor() const { return selColor_; }
    void setSelColor(const QColor& colore);
    [[nodiscard]] bool Verticale() const { return verticale_; }
    void setVerticale(bool verticale);

    // The match number cell i stands for: i+1, or i+17.
    [[nodiscard]] int NumeroCella(int i) const;
    // The selection as a set of match numbers (bit n-1 for number n).
    [[nodiscard]] ludo::Colonna Colonna() const;
    // Takes this control's half (1..16 or 17..32) of a set of 32 numbers.
    void ImpostaColonna(ludo::Colonna colonna);
    [[nodiscard]] QRect RettangoloCella(int i) const;
    [[nodiscard]] int CellaIn(const QPoint& punto) const;

    // The cell the keyboard acts on.
    [[nodiscard]] int CellaAttiva() const { return attiva_; }
    void setCellaAttiva(int i);
    // A click on cell i, whether from the mouse, Space or an assistive tool.
    void Clicca(int i);
    [[nodiscard]] bool Selezionata(int i) const { return (pronostico_ & (1u << i)) != 0; }
    [[nodiscard]] virtual bool Fissa(int /*i*/) const { return false; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // After every click that changed the value.
    void Cambiato();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // What a click on cell i does to the value.
    virtual void CliccaCella(int i);
    [[nodiscard]] virtual QColor ColoreCella(int i) const;
    // Called after Pronostico took a different value.
    virtual void PronosticoCambiato() {}

    // Cells (bit i for cell i) as the match numbers they stand for.
    [[nodiscard]] ludo::Colonna ComeColonna(quint16 celle) const;
    void ScriviPronostico(quint16 valore);

private:
    TipoPronostico tipo_ = tp1_16;
    quint16 pronostico_ = 0;
    QColor selColor_;
    bool verticale_ = false;
    int attiva_ = 0;
};
