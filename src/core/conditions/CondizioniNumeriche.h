#pragma once
// The condition types that measure the numbers of a column.

#include <array>
#include <string>

#include "core/conditions/TCondizioneTabelle.h"

namespace ludo {

// 1: even and odd numbers, each with its longest run.
class TPariDispari : public Copiabile<TPariDispari, TCondizioneTabelle> {
public:
    explicit TPariDispari(TCondizioniSistema* p)
        : Copiabile(CodPariDispari, "Pari e Dispari", p, {{8, true}, {8, true}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
};

// 8: the count of even numbers picks one of nine formulas.
class TFormuleDerivate : public Copiabile<TFormuleDerivate> {
public:
    explicit TFormuleDerivate(TCondizioniSistema* p) : Copiabile(CodFormuleDerivate, "Formule Derivate", p) {}
    std::array<bool, 9> Formule{};
    std::int32_t UltimaFormula = 8;

    // The formula index: the column's count of even numbers.
    [[nodiscard]] static int Misura(Colonna colonna) { return FormulaDerivata(colonna); }
    void AggiornaStato() override;
    bool Verifica(Colonna colonna) override;
    // One table, "F.Derivate": the formula index, accepted when its formula is.
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    [[nodiscard]] std::size_t NumeroStatistiche() const override { return 1; }
    [[nodiscard]] std::int32_t MassimoStatistica(std::size_t) const override { return 8; }
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// Formula k (k even numbers) as it is shown: "3-5" for k = 3.
std::string TestoFormulaDerivata(int k);

// 11: smallest, largest and total distance between consecutive numbers.
class TDistanzeGlobali : public Copiabile<TDistanzeGlobali, TCondizioneTabelle> {
public:
    explicit TDistanzeGlobali(TCondizioniSistema* p)
        : Copiabile(CodDistanzeGlobali, "Distanze Globali", p, {{3, false}, {25, false}, {31, false}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
};

// 13: the average of all, of the even and of the odd numbers.
class TBaricentri : public Copiabile<TBaricentri, TCondizioneTabelle> {
public:
    explicit TBaricentri(TCondizioniSistema* p)
        : Copiabile(CodBaricentri, "Baricentri", p, {{26, false}, {27, false}, {26, false}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
};

// 15: the number standing at each position 1..8.
class TPosizioni : public Copiabile<TPosizioni, TCondizioneTabelle> {
public:
    explicit TPosizioni(TCondizioniSistema* p);
    std::uint8_t Ordine = 1;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// 16: the longest run of consecutive numbers.
class TConsecutivitaNumerica : public Copiabile<TConsecutivitaNumerica, TCondizioneTabelle> {
public:
    explicit TConsecutivitaNumerica(TCondizioniSistema* p)
        : Copiabile(CodConsecutivitaNumerica, "Consecutività Numerica", p, {{8, false}}) {}
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
};

// 18: how many runs of consecutive numbers have length 1, 2, 3, 4.
class TNumeroSequenze : public Copiabile<TNumeroSequenze, TCondizioneTabelle> {
public:
    explicit TNumeroSequenze(TCondizioniSistema* p)
        : Copiabile(CodNumeroSequenze, "Numero di Sequenze", p, {{8, false}, {4, false}, {2, false}, {2, false}}) {}
    std::uint8_t Ordine = 1;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// 35: the distance between the numbers at two positions.
class TDistanzaSpecifica : public Copiabile<TDistanzaSpecifica, TCondizioneTabelle> {
public:
    explicit TDistanzaSpecifica(TCondizioniSistema* p)
        : Copiabile(CodDistanzaSpecifica, "Distanze Specifiche", p, {{31, false}}) {}
    std::int32_t Posizione1 = 1;
    std::int32_t Posizione2 = 2;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// The two positions of a "Distanze Specifiche" stay in order while they are
// edited: a first position set to or above the second goes to one below
// it; a second position set to or below the first goes to one above it.
// Each returns the position to keep for the one just set.
int PrimaPosizioneOrdinata(int prima, int seconda);
int SecondaPosizioneOrdinata(int prima, int seconda);

// 37: the remainder of the sum of the numbers.
class TResti : public Copiabile<TResti, TCondizioneTabelle> {
public:
    explicit TResti(TCondizioniSistema* p) : Copiabile(CodResti, "Resti", p, {{99, false}}) {}
    std::int32_t Divisore = 8;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

// 38: the longest run of numbers of one parity, for columns whose count of
// that parity is accepted in "Segni".
class TConsecutivita : public Copiabile<TConsecutivita, TCondizioneTabelle> {
public:
    explicit TConsecutivita(TCondizioniSistema* p)
        : Copiabile(CodConsecutivita, "Consecutività", p, {{8, false}, {8, false}}) {}
    std::uint8_t Parita = 1;  // 1 even, 0 odd
    void ImpostaPercorso(const std::string& percorsoPadre) override;
    void AggiornaStato() override;
    // "Segni": the count of numbers of the parity; "Consecutività Ammessa":
    // their longest run. Both over the second table's range.
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Verifica(Colonna colonna) override;
    // Only the run, and only for columns whose count "Segni" accepts.
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;

private:
    // The run is judged only for a count that "Segni" accepts outright.
    [[nodiscard]] bool Giudicata(int conteggio) const;
};

// 39: the numbers in common with a filter column.
class TColonnaFiltro : public Copiabile<TColonnaFiltro, TCondizioneTabelle> {
public:
    explicit TColonnaFiltro(TCondizioniSistema* p) : Copiabile(CodColonnaFiltro, "Colonna Filtro", p, {{8, true}}) {}
    Colonna Numeri = 0;
    std::uint8_t FlagPosizione = 0;
    [[nodiscard]] ValoriTabelle Misura(Colonna colonna) const override;
    bool Carica(io::BinaryReader& in) override;

protected:
    bool SalvaDati(io::BinaryWriter& out) const override;
};

}  // namespace ludo
