#pragma once
// The archive search settings: which contests the statistics count and how
// the system search over the archive treats the conditions. Kept in the
// configuration file as one 22-byte block.

#include <cstdint>

#include "core/contests/T_Concorso.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

// The contests taken by every archive statistic: the contest types (bits as
// TipoConcorso) and the range from AnnoDa/ConcDa to AnnoA/ConcA.
struct IntervalloRicerca {
    std::uint8_t Tipi = 15;
    std::int32_t AnnoDa = 0;
    std::int32_t AnnoA = 0;
    std::int32_t ConcDa = 0;
    std::int32_t ConcA = 0;

    bool operator==(const IntervalloRicerca&) const = default;
};

// Whether the interval takes the contest (its type and its place in the range).
bool ConcorsoSelezionato(const IntervalloRicerca& intervallo, const T_Concorso& c);

struct ImpostazioniRicerca {
    IntervalloRicerca Intervallo;
    bool IgnoraColonneFiltro = true;
    bool IgnoraRipetizioni = true;
    bool IgnoraValori = true;
    bool PrimaCategoria = true;          // "1º Categoria"
    bool PrimaSecondaCategoria = false;  // "1º e 2º Categoria"

    // 22 bytes: Tipi, AnnoDa, AnnoA, ConcDa, ConcA, then the five flags, one
    // byte each.
    bool Salva(io::BinaryWriter& out) const;
    // Reads the fields in the same order straight into this object: when the
    // input ends early the fields after the end keep their values.
    bool Carica(io::BinaryReader& in);

    bool operator==(const ImpostazioniRicerca&) const = default;
};

}  // namespace ludo
