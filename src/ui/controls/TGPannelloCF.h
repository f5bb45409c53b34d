#pragma once
// Condition panel of the board window (80 x 190 pixels): a bevelled header
// with the member's two-digit position, highlighted when selected, over a
// body showing either the numbers of a column (one per line, a second
// column after 16) or a text written downwards, one character per line.

#include <QString>
#include <QWidget>

#include "core/columns/Colonna.h"

class TGPannelloCF : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Numero READ Numero WRITE setNumero)
    Q_PROPERTY(bool Selezionato READ Selezionato WRITE setSelezionato)
    Q_PROPERTY(int Tipo READ Tipo WRITE setTipo)
    Q_PROPERTY(QString Testo READ Testo WRITE setTesto)
    Q_PROPERTY(int Start READ Start WRITE setStart)
    Q_PROPERTY(int FieldHeight READ FieldHeight WRITE setFieldHeight)
public:
    static constexpr int Larghezza = 80;
    static constexpr int Altezza = 190;
    static constexpr int NumeriPerColonna = 16;

    explicit TGPannelloCF(QWidget* parent = nullptr);

    [[nodiscard]] int Numero() const { return numero_; }
    void setNumero(int numero) { Imposta(numero_, numero); }
    [[nodiscard]] bool Selezionato() const { return selezionato_; }
    void setSelezionato(bool selezionato) { Imposta(selezionato_, selezionato); }
    // 0 shows Testo, 1 shows the column.
    [[nodiscard]] int Tipo() const { return tipo_; }
    void setTipo(int tipo) { Imposta(tipo_, tipo); }
    [[nodiscard]] QString Testo() const { return testo_; }
    void setTesto(const QString& testo) { Imposta(testo_, testo); }
    // Top of the body text.
    [[nodiscard]] int Start() const { return start_; }
    void setStart(int start) { Imposta(start_, start); }
    // Height of the header.
    [[nodiscard]] int FieldHeight() const { return fieldHeight_; }
    void setFieldHeight(int altezza) { Imposta(fieldHeight_, altezza); }
    [[nodiscard]] ludo::Colonna Colonna() const { return colonna_; }
    void ImpostaColonna(ludo::Colonna colonna) { Imposta(colonna_, colonna); }

    // The header text: the position with two digits.
    [[nodiscard]] QString TestoNumero() const;
    // The body as it is drawn: one list of lines per column of text.
    [[nodiscard]] QList<QStringList> ColonneCorpo() const;

    [[nodiscard]] QSize sizeHint() const override { return {Larghezza, Altezza}; }

signals:
    void Cliccato(Qt::KeyboardModifiers modificatori);
    void DoppioClic();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    template <class T>
    void Imposta(T& campo, const T& valore) {
        if (campo == valore) return;
        campo = valore;
        update();
    }

    int numero_ = 0;
    bool selezionato_ = false;
    int tipo_ = 0;
    QString testo_;
    int start_ = 38;
    int fieldHeight_ = 20;
    ludo::Colonna colonna_ = 0;
};
