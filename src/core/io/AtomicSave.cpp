#include "core/io/AtomicSave.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace ludo::io {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (;;) {
        // Built by appending: GCC 12 warns falsely on "." + std::string.
        std::string name(1, '.');
        name.append(target.filename().string()).append(".tmp").append(std::to_string(rng() % 1000000000ULL));
        auto candidate = folder / name;
        if (!std::filesystem::exists(candidate, ec)) return candidate;
    }
}

void removeQuietly(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

}  // namespace

bool saveAtomically(const std::filesystem::path& target,
                    const std::function<bool(std::ostream&)>& write) {
    const auto temporary = temporaryBeside(target);
    try {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            removeQuietly(temporary);
            return false;
        }
        const bool written = write(out);
        out.flush();
        const bool good = written && out.good();
        out.close();
        if (!good || out.fail()) {
            removeQuietly(temporary);
            return false;
        }
    } catch (...) {
        removeQuietly(temporary);
        throw;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        removeQuietly(temporary);
        return false;
    }
    return true;
}

}  // namespace ludo::io
