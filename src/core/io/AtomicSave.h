#pragma once
// Saving without ever leaving a half-written file: the content goes to a
// temporary file in the target's folder, which is renamed over the target
// only when every byte was written.

#include <filesystem>
#include <functional>
#include <ostream>

namespace ludo::io {

// write returns false to abandon the save. Returns true when the target now
// holds exactly what write produced; on any failure the target is untouched
// and the temporary file is removed. Exceptions from write propagate after
// the clean-up.
bool saveAtomically(const std::filesystem::path& target,
                    const std::function<bool(std::ostream&)>& write);

}  // namespace ludo::io
