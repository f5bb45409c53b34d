#include "core/system/Configurazione.h"

#include <cmath>
#include <fstream>
#include <system_error>

#include "core/io/AtomicSave.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/io/ShortString.h"

namespace ludo {
namespace {

std::filesystem::path fileConfigurazione(const std::filesystem::path& cartella) {
    return io::resolvePath(cartella, NomeFileConfigurazione);
}

bool leggiPrezzo(io::BinaryReader& in, double& prezzo, double predefinito) {
    if (!in.read(prezzo)) return false;
    if (!std::isfinite(prezzo)) prezzo = predefinito;
    return true;
}

// What a configuration that cannot be read puts back; the other fields keep
// the values they were created with.
void impostaSenzaFile(Configurazione& config, const std::filesystem::path& cartella) {
    config.PrezzoLire = PrezzoLirePredefinito;
    config.PrezzoEuro = PrezzoEuroPredefinito;
    config.FileSfondo = SfondoPredefinito(cartella);
    config.ImpStampa = SlipPrintSettings{};
}

}  // namespace

std::string SfondoPredefinito(const std::filesystem::path& cartella) {
    const auto sfondo = io::resolvePath(cartella, "\\SFONDI\\irtex67b.Bmp");
    std::error_code ec;
    const auto assoluto = std::filesystem::absolute(sfondo, ec);
    return (ec ? sfondo : assoluto).string();
}

Configurazione ConfigurazioneIniziale(const std::filesystem::path& cartella) {
    Configurazione config;
    config.FileSfondo = SfondoPredefinito(cartella);
    return config;
}

bool ScriviConfigurazione(io::BinaryWriter& out, const Configurazione& config) {
    out.write(config.PrezzoLire);
    out.write(config.PrezzoEuro);
    out.write(config.Euro);
    io::writeShortString(out, config.FileSfondo, CapacitaFileSfondo);
    out.write(config.SalvaColonne);
    out.write(config.RicaricaSchedina);
    for (const auto& riga : config.DatiRicevitoria)
        io::writeShortString(out, riga, CapacitaRigaRicevitoria);
    config.Ricerca.Salva(out);
    config.ImpStampa.Salva(out);
    return config.ImpTabulato.Salva(out);
}

bool LeggiConfigurazione(io::BinaryReader& in, Configurazione& config) {
    leggiPrezzo(in, config.PrezzoLire, PrezzoLirePredefinito);
    leggiPrezzo(in, config.PrezzoEuro, PrezzoEuroPredefinito);
    in.read(config.Euro);
    io::readShortString(in, CapacitaFileSfondo, config.FileSfondo);
    in.read(config.SalvaColonne);
    in.read(config.RicaricaSchedina);
    for (auto& riga : config.DatiRicevitoria)
        io::readShortString(in, CapacitaRigaRicevitoria, riga);
    config.Ricerca.Carica(in);
    config.ImpStampa.Carica(in);
    return config.ImpTabulato.Carica(in);
}

void CaricaConfigurazione(Configurazione& config, const std::filesystem::path& cartella) {
    std::ifstream file(fileConfigurazione(cartella), std::ios::binary);
    if (file.is_open()) {
        io::BinaryReader in(file);
        LeggiConfigurazione(in, config);
        if (!file.bad()) return;  // read in full, or a file that ends early
    }
    impostaSenzaFile(config, cartella);
}

void SalvaConfigurazione(const Configurazione& config, const std::filesystem::path& cartella) {
    const bool salvata = io::saveAtomically(fileConfigurazione(cartella), [&](std::ostream& file) {
        io::BinaryWriter out(file);
        return ScriviConfigurazione(out, config);
    });
    if (!salvata) throw Errore("Impossibile Salvare la Configurazione");
}

}  // namespace ludo
