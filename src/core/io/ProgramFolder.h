#pragma once
// Where the program keeps its files, and how the stored "\NAME" paths are
// found in it.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ludo::io {

// The sub-folders of the program folder, spelled as the program stores them.
inline constexpr std::string_view kSistemi = "SISTEMI";
inline constexpr std::string_view kColonne = "COLONNE";
inline constexpr std::string_view kSchedine = "Schedine";
inline constexpr std::string_view kArchivi = "ARCHIVI";
inline constexpr std::string_view kQuadri = "QUADRI";
inline constexpr std::string_view kArchivioGiocate = "ArchivioGiocate";
inline constexpr std::string_view kMatrici = "Matrici";
inline constexpr std::string_view kRidotti = "Ridotti";
inline constexpr std::string_view kSfondi = "SFONDI";
inline constexpr std::string_view kWav = "WAV";

inline constexpr std::array<std::string_view, 10> kSottocartelle = {
    kSistemi, kColonne, kSchedine, kArchivi, kQuadri, kArchivioGiocate, kMatrici, kRidotti, kSfondi, kWav};

struct Environment {
    std::optional<std::string> xdgDataHome;  // $XDG_DATA_HOME
    std::optional<std::string> home;         // $HOME
    static Environment fromProcess();
};

// The program folder for an executable: its own folder when that holds an
// ARCHIVI sub-folder (the build tree, a portable copy), otherwise the user's
// data folder $XDG_DATA_HOME/Ludomatic (default ~/.local/share/Ludomatic).
std::filesystem::path programFolderFor(const std::filesystem::path& executable, const Environment& env);

// The installed default content for an executable in <prefix>/bin.
std::filesystem::path installedDefaultsFor(const std::filesystem::path& executable);

// Makes sure the program folder and its sub-folders exist. A folder created
// now is first seeded with a copy of defaults (when that folder exists).
// Returns false when the folder cannot be created.
bool prepareProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& defaults);

// How both programs find their folder at start: programFolderFor, made ready
// by prepareProgramFolder from installedDefaultsFor. Raises Errore
// ("Impossibile creare la cartella del programma: …") when it cannot be created.
std::filesystem::path openProgramFolder(const std::filesystem::path& executable, const Environment& env);

// Joins a stored name ("\Colonne\DefCol.Col", "SISTEMI/x.LDS") to base with
// "/", matching each existing component without regard to letter case.
// Components that do not exist are kept as written.
std::filesystem::path resolvePath(const std::filesystem::path& base, std::string_view stored);

// A file name given by the user: a name without a folder is taken in the
// sub-folder of base (matched as resolvePath does); a name with its folder,
// even "./", is used as given.
std::filesystem::path resolveGivenName(const std::filesystem::path& base, std::string_view subfolder,
                                       const std::string& name);

// A path stored in a file (possibly a Windows path from another machine).
// When it exists it is used as it stands; otherwise its file name is looked
// for in the sub-folder named in it (or in fallbackSubfolder) of base.
std::filesystem::path resolveStoredPath(const std::filesystem::path& base, std::string_view stored,
                                        std::string_view fallbackSubfolder);

// ASCII letters compared without case; other bytes must be equal.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace ludo::io
