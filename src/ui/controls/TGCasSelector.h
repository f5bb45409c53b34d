#pragma once
// Number selector: number edit boxes laid out in rows. The leading
// NumFisse boxes hold fixed numbers, drawn in red beside the caption
// TestoFisse. Reading the boxes gives a set of match numbers 1..32.

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include "core/columns/Colonna.h"
#include "ui/controls/TGEditNum.h"

using TListCas = QList<TGEditNum*>;

class TGCasSelector : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int TotaleNumeri READ TotaleNumeri WRITE setTotaleNumeri)
    Q_PROPERTY(int NumFisse READ NumFisse WRITE setNumFisse)
    Q_PROPERTY(QString TestoFisse READ TestoFisse WRITE setTestoFisse)
    Q_PROPERTY(int NumeriPerRiga READ NumeriPerRiga WRITE setNumeriPerRiga)
    Q_PROPERTY(int LarghezzaCella READ LarghezzaCella WRITE setLarghezzaCella)
    Q_PROPERTY(int AltezzaCella READ AltezzaCella WRITE setAltezzaCella)
    Q_PROPERTY(int DistanzaVerticale READ DistanzaVerticale WRITE setDistanzaVerticale)
    Q_PROPERTY(int DistanzaOrizzontale READ DistanzaOrizzontale WRITE setDistanzaOrizzontale)
    Q_PROPERTY(QFont FontNormale READ FontNormale WRITE setFontNormale)
    Q_PROPERTY(QFont FontFisse READ FontFisse WRITE setFontFisse)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
public:
    enum class Esito { Letto, NonNumero, FuoriIntervallo, Ripetuto };

    explicit TGCasSelector(QWidget* parent = nullptr);

    [[nodiscard]] int TotaleNumeri() const { return totaleNumeri_; }
    void setTotaleNumeri(int n);
    [[nodiscard]] int NumFisse() const { return numFisse_; }
    void setNumFisse(int n);
    [[nodiscard]] QString TestoFisse() const { return testoFisse_; }
    void setTestoFisse(const QString& testo);
    [[nodiscard]] int NumeriPerRiga() const { return numeriPerRiga_; }
    void setNumeriPerRiga(int n);
    [[nodiscard]] int LarghezzaCella() const { return larghezzaCella_; }
    void setLarghezzaCella(int n);
    [[nodiscard]] int AltezzaCella() const { return altezzaCella_; }
    void setAltezzaCella(int n);
    [[nodiscard]] int DistanzaVerticale() const { return distanzaVerticale_; }
    void setDistanzaVerticale(int n);
    [[nodiscard]] int DistanzaOrizzontale() const { return distanzaOrizzontale_; }
    void setDistanzaOrizzontale(int n);
    [[nodiscard]] QFont FontNormale() const { return fontNormale_; }
    void setFontNormale(const QFont& font);
    [[nodiscard]] QFont FontFisse() const { return fontFisse_; }
    void setFontFisse(const QFont& font);
    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool soloLettura);

    [[nodiscard]] const TListCas& Caselle() const { return caselle_; }

    // Reads the boxes in order into colonna. On a box that is empty or not a
    // number, out of 1..32 or repeated, the reading stops there (colonna
    // keeps the numbers read before it) and fails; unless silent, the
    // message is shown and the box gets the focus with its text selected.
    bool LeggiNumeri(ludo::Colonna& colonna, bool silenzioso = false);
    // The numbers of the boxes before the first faulty one, without messages.
    [[nodiscard]] ludo::Colonna Numeri() const { return Leggi().colonna; }
    // Writes the numbers of colonna in ascending order into the boxes from
    // the first; boxes left over are emptied, numbers left over dropped.
    void ImpostaNumeri(ludo::Colonna colonna);

    // The message of a failed reading.
    static QString Messaggio(Esito esito);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Lettura {
        Esito esito = Esito::Letto;
        int casella = -1;  // the box that stopped the reading
        ludo::Colonna colonna = 0;
    };
    [[nodiscard]] Lettura Leggi() const;
    [[nodiscard]] int MargineSinistro() const;
    [[nodiscard]] QPoint PosizioneCasella(int indice) const;
    // Boxes created or removed to match TotaleNumeri, then placed and styled.
    void Ricostruisci();
    template <class T>
    void Imposta(T& campo, const T& valore) {
        if (campo == valore) return;
        campo = valore;
        Ricostruisci();
    }

    int totaleNumeri_ = 1;
    int numFisse_ = 0;
    QString testoFisse_;
    int numeriPerRiga_ = 9;
    int larghezzaCella_ = 29;
    int altezzaCella_ = 19;
    int distanzaVerticale_ = 2;
    int distanzaOrizzontale_ = 3;
    QFont fontNormale_;
    QFont fontFisse_;
    bool readOnly_ = false;
    TListCas caselle_;
};
