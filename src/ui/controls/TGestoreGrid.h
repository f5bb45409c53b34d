#pragma once
// Interval grid manager: the two pages of intervals of a real-valued
// measure, "Intervalli Ammessi" (minimum, maximum) and "Intervalli In Rec."
// (minimum, maximum, recovery level, and the table's link letter), turned
// into the accepted-interval record TIntervalli and back. Numbers are
// written with a point as decimal separator.
//
// An interval is typed in "Min" and "Max" and added to the page shown with
// "Inserisci" (or Enter); on the recovery page it takes the level of
// "Liv.". Choosing a row brings its values back into the boxes, where
// "Sostituisci" replaces it and "Elimina" (or Canc on the grid) removes
// it. The cells can also be edited in place. Nothing is added that does
// not read back: the box tells why and the pages stay as they were.

#include <QString>
#include <QWidget>

#include "core/conditions/TMisura.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

class TGestoreGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Righe = 21;  // rows each page shows at least
    static constexpr int LivelloMassimo = 99;

    enum class Errore { Nessuno, Minimo, Massimo, MinimoSuperiore, NonContigui, Troppi };

    explicit TGestoreGrid(QWidget* parent = nullptr);

    // The values an interval may take, and whether they must be whole.
    void ImpostaLimiti(double minimo, double massimo, bool soloInteri);
    [[nodiscard]] double Minimo() const { return minimo_; }
    [[nodiscard]] double Massimo() const { return massimo_; }

    // Reads both pages, row by row, into the intervals of the record (its
    // link letter is left alone). Empty rows are skipped; an empty minimum
    // or maximum stands for the lowest or highest value allowed. On the
    // first faulty row the message is shown in a box titled "Informazione",
    // its page and cell are brought into view, and the result is false:
    // the record must then not be used.
    bool LeggiIntervalli(ludo::TIntervalli& intervalli);
    // Writes the intervals of the record: accepted ones on the first page,
    // those in recovery on the second, in record order; and its link letter.
    void ScriviIntervalli(const ludo::TIntervalli& intervalli);
    void Svuota();
    // Shows the warning of a record without intervals; true when it was shown.
    bool AvvisaSeVuoto(const ludo::TIntervalli& intervalli);
    // The link letter of the recovery page.
    [[nodiscard]] char Link() const;

    // The page shown: 0 accepted, 1 in recovery.
    [[nodiscard]] int currentIndex() const;
    void setCurrentIndex(int pagina);

    static QString Messaggio(Errore errore);
    static const QString MessaggioNessunIntervallo;

    [[nodiscard]] QTableWidget* GrigliaAmmessi() const { return ammessi_; }
    [[nodiscard]] QTableWidget* GrigliaRecupero() const { return recupero_; }
    [[nodiscard]] QTableWidget* Griglia(int pagina) const { return pagina == 0 ? ammessi_ : recupero_; }

signals:
    // After every change the user makes.
    void Cambiato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Lettura {
        Errore errore = Errore::Nessuno;
        int pagina = 0;
        int riga = 0;
        int colonna = 0;
    };
    [[nodiscard]] Lettura Leggi(ludo::TIntervalli& intervalli) const;
    [[nodiscard]] bool LeggiValore(const QString& testo, double vuoto, double& valore) const;
    void MostraCella(int pagina, int riga, int colonna);
    void Segnala(const Lettura& lettura);
    void CreaComandi();
    void Collega(QTableWidget* griglia);

    // The gestures on the page shown.
    void Inserisci();
    void Sostituisci();
    void Elimina();
    // Writes the boxes into a row; a row that does not read back is put
    // back as it was, and the box tells why. True when it was written.
    bool ScriviRiga(int riga);
    void RigaScelta();
    // One empty row at the bottom of each page, however many are used.
    void TieniRigaLibera(QTableWidget* griglia);

    double minimo_ = 0;
    double massimo_ = 0;
    bool soloInteri_ = true;
    bool scrivendo_ = false;
    QTabWidget* pagine_;
    QTableWidget* ammessi_;
    QTableWidget* recupero_;
    QSpinBox* livello_;
    QComboBox* link_;
    QLineEdit* editMin_;
    QLineEdit* editMax_;
    QPushButton* inserisci_;
    QPushButton* sostituisci_;
    QPushButton* elimina_;
};
