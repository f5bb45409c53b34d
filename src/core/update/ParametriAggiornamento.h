#pragma once
// The update parameters file "dwninfo.txt" and the files each kind of
// update fetches: where they lie on the server, the temporary name they are
// downloaded under and the name they take once every file has arrived.

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ludo {

inline constexpr char NomeFileParametri[] = "dwninfo.txt";

// The connection parameters, all lower case.
struct TInternet {
    std::string HostName;
    std::string ArchiviDir;
    std::string SchedinaDir;
    std::string ExeDir;
};

// Reads the parameters after the section line holding "ludomatic " and the
// first character of versione ("4.0" gives "ludomatic 4"). Lines are
// lower-cased first; each later line sets the first of "hostname=",
// "archividir=", "schedinadir=", "exedir=" it contains to the line less the
// key's length. Succeeds as soon as all four are set; nothing when the file
// ends first.
std::optional<TInternet> LeggiParametri(std::istream& in, std::string_view versione);

enum class TipoAggiornamento { Archivi = 1, Squadre = 2, Schedina = 3, Programma = 4 };

// The caption of the download window: "Aggiornamento degli Archivi", …
std::string DidascaliaAggiornamento(TipoAggiornamento tipo);

struct FileAggiornamento {
    std::string remoto;               // the name on the server
    std::filesystem::path scaricato;  // where it is downloaded
    std::filesystem::path finale;     // its final name; empty when it is used and deleted
};

struct PianoAggiornamento {
    std::string didascalia;     // the window caption
    std::string cartellaServer;
    std::vector<FileAggiornamento> files;  // in download order: "Passo i di n"
    std::string messaggioFinale;           // empty: no message
};

PianoAggiornamento PianoPer(TipoAggiornamento tipo, const TInternet& parametri, const std::filesystem::path& cartella);

// Puts the downloaded files of an archive or team-list update in place: each
// downloaded file is renamed over its final name. When a downloaded file is
// missing nothing is touched and the result is false; false too when a file
// could not be put in place.
bool SostituisciScaricati(const PianoAggiornamento& piano);

}  // namespace ludo
