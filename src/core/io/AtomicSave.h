#pragma once
// Saving without ever leaving a half-written file: the content goes to a
// temporary file in the target's folder, which is renamed over the target
// only when every byte was written.

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

namespace ludo::io {

// A file written bit by bit and put in place at the end: until commit the
// target is untouched, and a file dropped without commit (an error, a
// cancelled run, an exception) leaves no trace.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created.
    [[nodiscard]] bool isOpen() const { return out_.is_open() && !out_.fail(); }
    [[nodiscard]] std::ostream& stream() { return out_; }
    // Ends the writing: true when every byte reached the temporary file,
    // which then waits for commit; otherwise it is removed. Lets a save of
    // several files put none in place until all of them are written.
    bool finish();
    // Renames the temporary file over the target when every write
    // succeeded (finishing it first if needed); otherwise removes it. True
    // when the target now holds what was written. Call once.
    bool commit();

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    bool finished_ = false;
    bool done_ = false;
};

// write returns false to abandon the save. Returns true when the target now
// holds exactly what write produced; on any failure the target is untouched
// and the temporary file is removed. Exceptions from write propagate after
// the clean-up.
bool saveAtomically(const std::filesystem::path& target,
                    const std::function<bool(std::ostream&)>& write);

}  // namespace ludo::io
