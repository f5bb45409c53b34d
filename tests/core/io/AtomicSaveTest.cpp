#include <stdexcept>

#include "TestSupport.h"
#include "core/io/AtomicSave.h"

using namespace ludo::io;
using ludo::test::Bytes;

namespace {
std::size_t entriesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}
}  // namespace

TEST(AtomicSave, ReplacesTheTargetWithExactlyWhatWasWritten) {
    ludo::test::TempDir dir;
    const auto target = dir / "Ludomatic.cfg";
    ludo::test::writeFile(target, Bytes(500, 0xEE));
    ASSERT_TRUE(saveAtomically(target, [](std::ostream& out) {
        out.write("abc", 3);
        return true;
    }));
    EXPECT_EQ(ludo::test::readFile(target), ludo::test::bytesOf("abc"));
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file is left behind";
}

TEST(AtomicSave, AFailedWriteLeavesTheOldFileIntact) {
    ludo::test::TempDir dir;
    const auto target = dir / "sistema.LDS";
    const Bytes old(1348, 0x5A);
    ludo::test::writeFile(target, old);

    EXPECT_FALSE(saveAtomically(target, [](std::ostream& out) {
        out.write("metà", 5);
        return false;  // e.g. a field could not be written
    }));
    EXPECT_EQ(ludo::test::readFile(target), old);

    EXPECT_FALSE(saveAtomically(target, [](std::ostream& out) {
        out.write("x", 1);
        out.setstate(std::ios::badbit);  // the disk refused the bytes
        return true;
    }));
    EXPECT_EQ(ludo::test::readFile(target), old);

    EXPECT_THROW(saveAtomically(target,
                                [](std::ostream&) -> bool { throw std::runtime_error("Memoria Esaurita."); }),
                 std::runtime_error);
    EXPECT_EQ(ludo::test::readFile(target), old);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicSave, CreatesANewFileAndFailsCleanlyInAMissingFolderOrOverAFolder) {
    ludo::test::TempDir dir;
    ASSERT_TRUE(saveAtomically(dir / "nuovo.Col", [](std::ostream& out) {
        out.write("\x01\x02", 2);
        return true;
    }));
    EXPECT_EQ(ludo::test::readFile(dir / "nuovo.Col"), (Bytes{1, 2}));

    EXPECT_FALSE(saveAtomically(dir / "manca" / "x.Col", [](std::ostream&) { return true; }));
    EXPECT_FALSE(std::filesystem::exists(dir / "manca"));

    // The temporary file cannot take a folder's place: it goes, the folder stays.
    std::filesystem::create_directory(dir / "cartella.Col");
    EXPECT_FALSE(saveAtomically(dir / "cartella.Col", [](std::ostream&) { return true; }));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "cartella.Col"));
    EXPECT_EQ(entriesIn(dir.path()), 2u) << "nuovo.Col and the folder";
}
