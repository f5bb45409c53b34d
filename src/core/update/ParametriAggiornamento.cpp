#include "core/update/ParametriAggiornamento.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

std::string Minuscolo(std::string riga) {
    std::transform(riga.begin(), riga.end(), riga.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    return riga;
}

// An existing final file keeps its spelling ("SquadrA.Txt" for "squadra.txt").
FileAggiornamento File(const std::filesystem::path& cartella, std::string_view remoto, std::string_view scaricato,
                       std::string_view finale) {
    return {std::string(remoto), cartella / std::string(scaricato),
            finale.empty() ? std::filesystem::path() : io::resolvePath(cartella, finale)};
}

}  // namespace

std::optional<TInternet> LeggiParametri(std::istream& in, std::string_view versione) {
    const std::string sezione = "ludomatic " + std::string(versione.substr(0, 1));
    std::string riga;
    bool trovata = false;
    while (!trovata && std::getline(in, riga)) trovata = Minuscolo(riga).find(sezione) != std::string::npos;
    if (!trovata) return std::nullopt;
    TInternet parametri;
    const std::array<std::pair<std::string_view, std::string*>, 4> chiavi = {{
        {"hostname=", &parametri.HostName},
        {"archividir=", &parametri.ArchiviDir},
        {"schedinadir=", &parametri.SchedinaDir},
        {"exedir=", &parametri.ExeDir},
    }};
    while (std::getline(in, riga)) {
        riga = Minuscolo(riga);
        for (const auto& [chiave, valore] : chiavi) {
            if (riga.find(chiave) == std::string::npos) continue;
            *valore = riga.size() > chiave.size() ? riga.substr(chiave.size()) : std::string();
            break;
        }
        if (std::all_of(chiavi.begin(), chiavi.end(), [](const auto& c) { return !c.second->empty(); })) {
            return parametri;
        }
    }
    return std::nullopt;
}

std::string DidascaliaAggiornamento(TipoAggiornamento tipo) {
    switch (tipo) {
        case TipoAggiornamento::Archivi:
            return "Aggiornamento degli Archivi";
        case TipoAggiornamento::Squadre:
            return "Aggiornamento delle Squadre";
        case TipoAggiornamento::Schedina:
            return "Aggiornamento della Schedina";
        case TipoAggiornamento::Programma:
            return "Aggiornamento di Ludomatic";
    }
    return {};
}

PianoAggiornamento PianoPer(TipoAggiornamento tipo, const TInternet& parametri, const std::filesystem::path& cartella) {
    switch (tipo) {
        case TipoAggiornamento::Archivi: {
            const auto archivi = io::resolvePath(cartella, io::kArchivi);
            return {DidascaliaAggiornamento(TipoAggiornamento::Archivi),
                    parametri.ArchiviDir,
                    {File(archivi, "archivio.ttg", "archivio.tmp", "archivio.ttg"),
                     File(archivi, "archdb.ttg", "archdb.tmp", "archdb.ttg")},
                    "Aggiornamento degli archivi completato con successo"};
        }
        case TipoAggiornamento::Squadre:
            return {DidascaliaAggiornamento(TipoAggiornamento::Squadre),
                    parametri.ArchiviDir,
                    {File(cartella, "squadra.txt", "squadra.tmp", "squadra.txt"),
                     File(cartella, "squadrb.txt", "squadrb.tmp", "squadrb.txt"),
                     File(cartella, "squadrc1.txt", "squadrc1.tmp", "squadrc1.txt"),
                     File(cartella, "squadrc2.txt", "squadrc2.tmp", "squadrc2.txt")},
                    "Aggiornamento delle squadre completato con successo"};
        case TipoAggiornamento::Schedina:
            return {DidascaliaAggiornamento(TipoAggiornamento::Schedina),
                    parametri.SchedinaDir,
                    {File(io::resolvePath(cartella, io::kSchedine), "_ludomatic.gsc", "_ludomatic.gsc", "")},
                    ""};
        case TipoAggiornamento::Programma:
            return {DidascaliaAggiornamento(TipoAggiornamento::Programma),
                    parametri.ExeDir,
                    {File(cartella, "ludomatic4p.arc", "ludomatic4.arc", "")},
                    ""};
    }
    return {};
}

bool SostituisciScaricati(const PianoAggiornamento& piano) {
    std::error_code ec;
    const bool tutti = std::all_of(piano.files.begin(), piano.files.end(), [&](const FileAggiornamento& f) {
        return f.finale.empty() || std::filesystem::is_regular_file(f.scaricato, ec);
    });
    if (!tutti) return false;
    // Renaming over the old file replaces it in one step: at every moment
    // the final name holds either the old file or the new one.
    bool ok = true;
    for (const auto& file : piano.files) {
        if (file.finale.empty()) continue;
        std::filesystem::rename(file.scaricato, file.finale, ec);
        ok = ok && !ec;
    }
    return ok;
}

}  // namespace ludo
