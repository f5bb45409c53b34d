#include "core/system/Schedina.h"

#include <fstream>

#include "core/io/AtomicSave.h"
#include "core/io/Cp1252.h"
#include "core/io/Errore.h"
#include "core/io/ShortString.h"

namespace ludo {

std::string TroncaNomeSquadra(std::string_view nome) {
    return io::utf8Left(nome, MaxCaratteriSquadra);
}

bool ScriviSchedina(io::BinaryWriter& out, const Schedina& schedina) {
    out.write(schedina.Concorso);
    for (const auto& partita : schedina.Squadre) {
        io::writeShortString(out, partita.Casa, MaxCaratteriSquadra);
        io::writeShortString(out, partita.Ospite, MaxCaratteriSquadra);
    }
    return out.ok();
}

bool LeggiSchedina(io::BinaryReader& in, Schedina& schedina) {
    in.read(schedina.Concorso);
    for (auto& partita : schedina.Squadre) {
        io::readShortString(in, MaxCaratteriSquadra, partita.Casa);
        io::readShortString(in, MaxCaratteriSquadra, partita.Ospite);
    }
    return in.ok();
}

void CaricaSchedina(Schedina& schedina, const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    io::BinaryReader in(stream);
    if (!stream.is_open() || !LeggiSchedina(in, schedina))
        throw Errore("Impossibile Caricare la Schedina");
}

void SalvaSchedina(const Schedina& schedina, const std::filesystem::path& file) {
    const bool salvata = io::saveAtomically(file, [&](std::ostream& stream) {
        io::BinaryWriter out(stream);
        return ScriviSchedina(out, schedina);
    });
    if (!salvata) throw Errore("Impossibile Salvare la Schedina");
}

}  // namespace ludo
