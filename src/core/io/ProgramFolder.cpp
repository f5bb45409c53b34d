#include "core/io/ProgramFolder.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "core/io/Errore.h"

namespace ludo::io {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> splitStored(std::string_view stored) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : stored) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The entry of folder whose name equals name without regard to case; an
// exact match wins over a case-insensitive one.
std::optional<fs::path> findEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return folder / name;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoringCase(it->path().filename().string(), name)) return it->path();
    }
    return std::nullopt;
}

void copyMissing(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
}

// A drive-letter path, a network path, or a program-folder name ("\\SISTEMI").
bool isWindowsPath(std::string_view stored) {
    return (stored.size() >= 2 && stored[1] == ':') || stored.starts_with('\\');
}

bool isSubfolderName(std::string_view name) {
    for (auto known : kSottocartelle) {
        if (equalsIgnoringCase(name, known)) return true;
    }
    return false;
}

}  // namespace

Environment Environment::fromProcess() {
    Environment env;
    if (const char* v = std::getenv("XDG_DATA_HOME"); v != nullptr && *v != '\0') env.xdgDataHome = v;
    if (const char* v = std::getenv("HOME"); v != nullptr && *v != '\0') env.home = v;
    return env;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

fs::path programFolderFor(const fs::path& executable, const Environment& env) {
    const fs::path own = executable.parent_path();
    std::error_code ec;
    if (const auto archivi = findEntry(own, std::string(kArchivi)); archivi && fs::is_directory(*archivi, ec)) {
        return own;
    }
    fs::path dataHome;
    if (env.xdgDataHome && fs::path(*env.xdgDataHome).is_absolute()) {
        dataHome = *env.xdgDataHome;
    } else if (env.home) {
        dataHome = fs::path(*env.home) / ".local" / "share";
    } else {
        dataHome = fs::current_path(ec) / ".local" / "share";
    }
    return dataHome / "Ludomatic";
}

fs::path installedDefaultsFor(const fs::path& executable) {
    return executable.parent_path().parent_path() / "share" / "ludomatic";
}

bool prepareProgramFolder(const fs::path& folder, const fs::path& defaults) {
    std::error_code ec;
    const bool existed = fs::is_directory(folder, ec);
    if (!existed) {
        fs::create_directories(folder, ec);
        if (ec) return false;
        if (fs::is_directory(defaults, ec)) copyMissing(defaults, folder);
    }
    for (auto name : kSottocartelle) {
        if (!findEntry(folder, std::string(name))) fs::create_directory(folder / name, ec);
    }
    return fs::is_directory(folder, ec);
}

fs::path openProgramFolder(const fs::path& executable, const Environment& env) {
    auto folder = programFolderFor(executable, env);
    if (!prepareProgramFolder(folder, installedDefaultsFor(executable))) {
        throw Errore("Impossibile creare la cartella del programma: " + folder.string());
    }
    return folder;
}

fs::path resolvePath(const fs::path& base, std::string_view stored) {
    fs::path result = base;
    bool existing = true;
    for (const auto& part : splitStored(stored)) {
        if (existing) {
            if (auto found = findEntry(result, part)) {
                result = *found;
                continue;
            }
            existing = false;
        }
        result /= part;
    }
    return result;
}

fs::path resolveGivenName(const fs::path& base, std::string_view subfolder, const std::string& name) {
    const fs::path given(name);
    if (given.has_parent_path()) return given;
    return resolvePath(resolvePath(base, subfolder), name);
}

fs::path resolveStoredPath(const fs::path& base, std::string_view stored, std::string_view fallbackSubfolder) {
    std::error_code ec;
    if (!isWindowsPath(stored) && fs::exists(fs::path(stored), ec)) return fs::path(stored);
    const auto parts = splitStored(stored);
    if (parts.empty()) return base;
    std::string subfolder(fallbackSubfolder);
    for (std::size_t i = parts.size() - 1; i-- > 0;) {
        if (isSubfolderName(parts[i])) {
            subfolder = parts[i];
            break;
        }
    }
    return resolvePath(base, subfolder + "\\" + parts.back());
}

}  // namespace ludo::io
