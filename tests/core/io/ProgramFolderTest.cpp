#include "TestSupport.h"

using namespace ludo::io;
namespace fs = std::filesystem;

// Portable when the executable's folder holds ARCHIVI, otherwise the user's data folder.
TEST(ProgramFolder, PortableOrTheUsersDataFolder) {
    ludo::test::TempDir dir;
    EXPECT_EQ(programFolderFor(dir / "ludomatic", Environment{std::string("/xdg"), std::string("/home/u")}),
              fs::path("/xdg/Ludomatic"));
    EXPECT_EQ(programFolderFor(dir / "ludomatic", Environment{std::nullopt, std::string("/home/u")}),
              fs::path("/home/u/.local/share/Ludomatic"));
    // A relative XDG_DATA_HOME is invalid by the standard and is ignored.
    EXPECT_EQ(programFolderFor(dir / "ludomatic", Environment{std::string("rel"), std::string("/home/u")}),
              fs::path("/home/u/.local/share/Ludomatic"));
    EXPECT_EQ(installedDefaultsFor("/usr/local/bin/ludomatic"), fs::path("/usr/local/share/ludomatic"));
    fs::create_directories(dir / "ARCHIVI");
    EXPECT_EQ(programFolderFor(dir / "ludomatic", Environment{std::string("/xdg"), std::string("/home/u")}),
              dir.path());
}

TEST(ProgramFolder, FirstStartSeedsFromTheDefaultsAndCreatesEverySubfolder) {
    ludo::test::TempDir dir;
    const auto defaults = dir / "share";
    fs::create_directories(defaults / "ARCHIVI");
    ludo::test::writeFile(defaults / "ARCHIVI" / "archivio.ttg", {1, 2, 3, 4, 5, 6, 7});
    ludo::test::writeFile(defaults / "SquadrA.Txt", ludo::test::bytesOf("Milan\r\n"));

    const auto folder = dir / "utente" / "Ludomatic";
    ASSERT_TRUE(prepareProgramFolder(folder, defaults));
    EXPECT_EQ(ludo::test::readFile(folder / "ARCHIVI" / "archivio.ttg").size(), 7u);
    EXPECT_TRUE(fs::exists(folder / "SquadrA.Txt"));
    for (auto name : kSottocartelle) EXPECT_TRUE(fs::is_directory(folder / name)) << name;

    // Later starts never put back what the user removed.
    fs::remove(folder / "SquadrA.Txt");
    fs::remove_all(folder / "WAV");
    ASSERT_TRUE(prepareProgramFolder(folder, defaults));
    EXPECT_FALSE(fs::exists(folder / "SquadrA.Txt"));
    EXPECT_TRUE(fs::is_directory(folder / "WAV"));
}

TEST(ProgramFolder, OpeningSeedsFromTheInstalledDefaultsOrSaysWhyItCannot) {
    ludo::test::TempDir dir;
    const auto eseguibile = dir / "prefisso" / "bin" / "ludomatic-cli";
    const auto archivi = dir / "prefisso" / "share" / "ludomatic" / "ARCHIVI";
    fs::create_directories(archivi);
    ludo::test::writeFile(archivi / "archivio.ttg", {1, 2, 3, 4, 5, 6, 7});
    const Environment env{(dir / "dati").string(), std::nullopt};
    EXPECT_EQ(openProgramFolder(eseguibile, env), dir / "dati" / "Ludomatic");
    EXPECT_EQ(ludo::test::readFile(dir / "dati" / "Ludomatic" / "ARCHIVI" / "archivio.ttg").size(), 7u);

    ludo::test::writeFile(dir / "un-file", {});
    EXPECT_EQ(ludo::test::erroreDi([&] {
                  openProgramFolder(eseguibile, Environment{(dir / "un-file").string(), std::nullopt});
              }),
              "Impossibile creare la cartella del programma: " + (dir / "un-file" / "Ludomatic").string())
        << "a folder inside a file";
}

TEST(ProgramFolder, ASubfolderSpelledDifferentlyIsNotCreatedTwice) {
    ludo::test::TempDir dir;
    fs::create_directories(dir / "Colonne");
    ASSERT_TRUE(prepareProgramFolder(dir.path(), dir / "nessuna"));
    int colonne = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        colonne += equalsIgnoringCase(e.path().filename().string(), "colonne") ? 1 : 0;
    }
    EXPECT_EQ(colonne, 1);
}

// Stored names find existing entries whatever their case; a typed name
// without a folder is in its sub-folder, one with its folder is used as
// given; a Windows path from another machine is retried in the matching
// sub-folder.
TEST(ResolvePath, StoredAndTypedNamesFindTheirFilesWithoutCase) {
    ludo::test::TempDir dir;
    fs::create_directories(dir / "Colonne");
    fs::create_directories(dir / "SISTEMI");
    const auto defCol = dir / "Colonne" / "DefCol.Col";
    ludo::test::writeFile(defCol, {});
    EXPECT_EQ(resolvePath(dir.path(), "\\COLONNE\\DefCol.Col"), defCol);
    EXPECT_EQ(resolvePath(dir.path(), "\\colonne\\defcol.col"), defCol);
    // A missing file keeps its spelling inside the existing folder.
    EXPECT_EQ(resolvePath(dir.path(), "\\COLONNE\\Nuovo.Col"), dir / "Colonne" / "Nuovo.Col");
    EXPECT_EQ(resolvePath(dir.path(), "\\Manca\\x\\y.Col"), dir / "Manca" / "x" / "y.Col");
    EXPECT_EQ(resolvePath(dir.path(), "SISTEMI/a.LDS"), dir / "SISTEMI" / "a.LDS");

    EXPECT_EQ(resolveGivenName(dir.path(), kColonne, "p.Col"), dir / "Colonne" / "p.Col");
    EXPECT_EQ(resolveGivenName(dir.path(), kColonne, "/tmp/x/p.Col"), fs::path("/tmp/x/p.Col"));
    EXPECT_EQ(resolveGivenName(dir.path(), kColonne, "./p.Col"), fs::path("./p.Col"));
    EXPECT_EQ(resolveGivenName(dir.path(), kColonne, "x/p.Col"), fs::path("x/p.Col"));

    EXPECT_EQ(resolveStoredPath(dir.path(), "C:\\Programmi\\Ludo\\COLONNE\\DEFCOL.COL", kSistemi),
              defCol);
    EXPECT_EQ(resolveStoredPath(dir.path(), "D:\\altrove\\Mio.LDS", kSistemi), dir / "SISTEMI" / "Mio.LDS");
    // A path of this machine that exists is used as it stands.
    EXPECT_EQ(resolveStoredPath(dir.path(), defCol.string(), kSistemi), defCol);
}
