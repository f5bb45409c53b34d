#pragma once
// The program update: the archive of the new version is checked and
// expanded beside the program's files, and once the program has stopped its
// files are swapped for the new ones, all or none.

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace ludo {

// The program's executable, which every new version must hold.
inline constexpr char NomeEseguibile[] = "ludomatic";
// Where the new version waits, inside the folder of the program's files.
inline constexpr char NomeCartellaNuovaVersione[] = ".nuova-versione";

struct LimitiArchivio {
    std::uint64_t perFile = std::uint64_t{256} << 20;
    std::uint64_t totale = std::uint64_t{1} << 30;
    std::size_t voci = 4096;
};

// Expands the zip archivio into cartella, which must exist and be empty.
// Refused (false, cartella emptied) when the file is no zip, when an entry
// names an absolute path, a drive, a backslash or a "." or ".." component,
// is a link, passes the limits or does not match its checksum, and when
// NomeEseguibile is missing. Nothing is written before every entry was
// checked.
bool EspandiNuovaVersione(const std::filesystem::path& archivio, const std::filesystem::path& cartella,
                          const LimitiArchivio& limiti = {});

// Moves every file of nuovi to the same place under cartella. The files it
// replaces are kept aside until all are in place, and put back when one
// cannot be moved. nuovi is removed either way. True when the new version
// is in place.
bool InstallaNuovaVersione(const std::filesystem::path& nuovi, const std::filesystem::path& cartella);

}  // namespace ludo
