#pragma once
// The program's message box: a title, a text drawn word by word beside an
// icon, and any combination of the buttons "Si", "OK", "No", "Annulla".
// It is modal, stays on top and opens centred on the screen; exec() returns
// the flag of the button pressed.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TFrmMessage : public QDialog {
    Q_OBJECT
public:
    // Button flags; any sum of them is a valid set of buttons.
    enum Pulsante : int { OK = 1, Si = 2, No = 4, Annulla = 8 };

    static constexpr int Larghezza = 400;          // W, the box's width
    static constexpr int LarghezzaPulsante = 75;   // w, every button's width
    static constexpr int AltezzaPulsante = 25;
    static constexpr int MargineIcona = 10;        // the icon's left edge
    static constexpr int LatoIcona = 32;
    static constexpr int DistanzaTesto = 10;       // from the icon to the text
    static constexpr int AltoTesto = 15;           // the first line's top
    static constexpr int MargineDestro = 10;       // words wrap before this margin

    TFrmMessage(const QString& titolo, const QString& testo, int pulsanti, QWidget* parent = nullptr);

    [[nodiscard]] QString Testo() const { return testo_; }
    [[nodiscard]] int Pulsanti() const { return pulsanti_; }
    // The text as it is drawn, one entry per line.
    [[nodiscard]] QStringList Righe() const { return righe_; }

    // Shows the box and returns the flag of the button pressed.
    static int Mostra(const QString& titolo, const QString& testo, int pulsanti, QWidget* parent = nullptr);

    // Layout, kept free of any widget so that it can be checked on its own.
    // The flags of the visible buttons, left to right: "Si", "OK", "No", "Annulla".
    static QList<int> PulsantiVisibili(int pulsanti);
    // Left edges of k buttons of width w spread over a box of width W, with
    // the same gap (W - k*w) / (k+1) before, between and after them.
    static QList<int> PosizioniPulsanti(int larghezzaBox, int larghezzaPulsante, int numero);
    // The text cut into words, each word ending after its blank, laid out
    // from xInizio; a word that would reach past xLimite starts a new line
    // (unless it is the first of its line). A line feed always breaks.
    static QStringList RigheTesto(const QString& testo, const std::function<int(const QString&)>& larghezza,
                                  int xInizio, int xLimite);

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] int RispostaEscape() const;
    void CreaPulsanti();
    [[nodiscard]] int XTesto() const { return MargineIcona + LatoIcona + DistanzaTesto; }

    QString testo_;
    int pulsanti_;
    QStringList righe_;
};

// The two common uses: a message (by default with "OK" alone) titled
// "Informazione", and a question (by default "Si" and "No") titled "Conferma".
int Informazione(const QString& testo, int pulsanti = TFrmMessage::OK, QWidget* parent = nullptr);
int Conferma(const QString& testo, int pulsanti = TFrmMessage::Si | TFrmMessage::No, QWidget* parent = nullptr);
