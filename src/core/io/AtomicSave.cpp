#include "core/io/AtomicSave.h"

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

}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)), temporary_(temporaryBeside(target_)),
      out_(temporary_, std::ios::binary | std::ios::trunc) {}

AtomicFile::~AtomicFile() {
    if (!done_) discard();
}

void AtomicFile::discard() {
    done_ = true;
    if (out_.is_open()) out_.close();
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
}

bool AtomicFile::finish() {
    if (done_) return false;
    if (finished_) return true;
    out_.flush();
    const bool good = out_.is_open() && out_.good();
    out_.close();
    if (!good || out_.fail()) {
        discard();
        return false;
    }
    finished_ = true;
    return true;
}

bool AtomicFile::commit() {
    if (!finish()) return false;
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (ec) {
        discard();
        return false;
    }
    done_ = true;
    return true;
}

bool saveAtomically(const std::filesystem::path& target,
                    const std::function<bool(std::ostream&)>& write) {
    AtomicFile file(target);
    if (!file.isOpen()) return false;
    if (!write(file.stream())) return false;
    return file.commit();
}

}  // namespace ludo::io
