#pragma once
// The coupon: the contest number and the home and away team of each of the
// 32 matches, and its file (.Gsc, exactly 1348 bytes).

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

inline constexpr int NumeroPartite = 32;
inline constexpr std::size_t MaxCaratteriSquadra = 20;
// The coupon saved at exit and reloaded at start, in the program folder.
inline constexpr std::string_view NomeUltimaSchedina = "\\Schedine\\ultimasch.gsc";

struct Partita {
    std::string Casa;
    std::string Ospite;

    bool operator==(const Partita&) const = default;
};

struct Schedina {
    std::int32_t Concorso = 1;
    std::array<Partita, NumeroPartite> Squadre;  // [0] is match 1

    bool operator==(const Schedina&) const = default;
};

// A team name as a coupon cell holds it: its first 20 characters.
std::string TroncaNomeSquadra(std::string_view nome);

// Concorso, then for each match home and away team as short strings of 20.
bool ScriviSchedina(io::BinaryWriter& out, const Schedina& schedina);

// Reads in the same order straight into schedina: when the input ends early
// everything read whole is kept and the rest is untouched. True when every
// field was read; bytes after the coupon are ignored.
bool LeggiSchedina(io::BinaryReader& in, Schedina& schedina);

// Raises Errore("Impossibile Caricare la Schedina") when the file cannot be
// opened or ends early; what was read whole stays in schedina.
void CaricaSchedina(Schedina& schedina, const std::filesystem::path& file);

// Raises Errore("Impossibile Salvare la Schedina"); an existing file is then
// left as it was.
void SalvaSchedina(const Schedina& schedina, const std::filesystem::path& file);

}  // namespace ludo
