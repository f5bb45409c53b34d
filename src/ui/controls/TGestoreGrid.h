#pragma once
// Interval grid manager: the two pages of intervals of a real-valued
// measure, "Intervalli Ammessi" (minimum, maximum) and "Intervalli In Rec."
// (minimum, maximum, recovery level), 21 rows each, turned into the
// accepted-interval record TIntervalli and back. Numbers are written with a
// point as decimal separator.

#include <QString>
#include <QTabWidget>

#include "core/conditions/TMisura.h"

class QTableWidget;

class TGestoreGrid : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int Righe = 21;
    static constexpr int LivelloMassimo = 99;

    enum class Errore { Nessuno, Minimo, Massimo, MinimoSuperiore, NonContigui };

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
    // those in recovery on the second, in record order.
    void ScriviIntervalli(const ludo::TIntervalli& intervalli);
    void Svuota();
    // Shows the warning of a record without intervals; true when it was shown.
    bool AvvisaSeVuoto(const ludo::TIntervalli& intervalli);

    static QString Messaggio(Errore errore);
    static const QString MessaggioNessunIntervallo;

    [[nodiscard]] QTableWidget* GrigliaAmmessi() const { return ammessi_; }
    [[nodiscard]] QTableWidget* GrigliaRecupero() const { return recupero_; }

private:
    struct Lettura {
        Errore errore = Errore::Nessuno;
        int pagina = 0;
        int riga = 0;
        int colonna = 0;
    };
    [[nodiscard]] Lettura Leggi(ludo::TIntervalli& intervalli) const;
    [[nodiscard]] bool LeggiValore(const QString& testo, double vuoto, double& valore) const;
    [[nodiscard]] QTableWidget* Griglia(int pagina) const { return pagina == 0 ? ammessi_ : recupero_; }
    void MostraCella(int pagina, int riga, int colonna);

    double minimo_ = 0;
    double massimo_ = 0;
    bool soloInteri_ = true;
    QTableWidget* ammessi_;
    QTableWidget* recupero_;
};
