// The program update: the archive checks, the swap of the files with its
// way back, and the restart helper run as the program runs it.
#include "core/update/NuovaVersione.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "ZipDiProva.h"

extern char** environ;

using ludo::test::TempDir;
namespace fs = std::filesystem;

namespace {

void Scrivi(const fs::path& file, const std::string& testo) {
    fs::create_directories(file.parent_path());
    ludo::test::writeFile(file, ludo::test::bytesOf(testo));
}

// A program that writes which version it is beside itself, then ends.
std::string ProgrammaChiSono(const std::string& versione) {
    return "#!/bin/sh\necho " + versione + " > \"$(dirname \"$0\")/avviato\"\n";
}

pid_t Avvia(std::vector<std::string> argomenti, posix_spawn_file_actions_t* azioni = nullptr) {
    std::vector<char*> argv;
    for (auto& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, argv[0], azioni, nullptr, argv.data(), environ), 0);
    return pid;
}

int Attendi(pid_t pid) {
    int stato = 0;
    waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

}  // namespace

TEST(NuovaVersione, ArchiveExpandedWithItsFoldersAndModes) {
    TempDir dir;
    ScriviZip(dir / "v.zip", {{"ludomatic", "nuovo", 0100600}, {"dati/", "", 040755}, {"dati/guida.html", "g"}});
    fs::create_directories(dir / "nuova");
    ASSERT_TRUE(ludo::EspandiNuovaVersione(dir / "v.zip", dir / "nuova"));
    EXPECT_EQ(ludo::test::readText(dir / "nuova/ludomatic"), "nuovo");
    EXPECT_EQ(ludo::test::readText(dir / "nuova/dati/guida.html"), "g");
    // The program is always executable.
    EXPECT_NE(fs::status(dir / "nuova/ludomatic").permissions() & fs::perms::others_exec, fs::perms::none);
}

TEST(NuovaVersione, ArchivesRefusedLeaveNothing) {
    const VoceZip programma{"ludomatic", "p"};
    const std::vector<std::vector<VoceZip>> rifiutati = {
        {programma, {"../fuori", "x"}},
        {programma, {"dati/../../fuori", "x"}},
        {programma, {"/tmp/assoluto", "x"}},
        {programma, {"C:fuori", "x"}},
        {programma, {"dati\\fuori", "x"}},
        {programma, {"./ludomatic2", "x"}},
        {programma, {"collegamento", "/etc/passwd", 0120777}},
        {{"LEGGIMI", "senza programma"}},
        {programma, {"grande", std::string(2000, 'g')}},
    };
    ludo::LimitiArchivio limiti;
    limiti.perFile = 1000;
    for (const auto& voci : rifiutati) {
        TempDir dir;
        ScriviZip(dir / "v.zip", voci);
        fs::create_directories(dir / "nuova");
        EXPECT_FALSE(ludo::EspandiNuovaVersione(dir / "v.zip", dir / "nuova", limiti)) << voci.back().nome;
        EXPECT_TRUE(fs::is_empty(dir / "nuova")) << voci.back().nome;
        EXPECT_FALSE(fs::exists(dir / "fuori"));
    }
    TempDir dir;
    fs::create_directories(dir / "nuova");
    ScriviZip(dir / "v.zip", {programma, {"a", "1"}, {"b", "2"}});
    limiti.voci = 2;
    EXPECT_FALSE(ludo::EspandiNuovaVersione(dir / "v.zip", dir / "nuova", limiti));
    Scrivi(dir / "tronco.zip", ludo::test::readText(dir / "v.zip").substr(0, 60));
    EXPECT_FALSE(ludo::EspandiNuovaVersione(dir / "tronco.zip", dir / "nuova"));
    EXPECT_TRUE(fs::is_empty(dir / "nuova"));
}

TEST(NuovaVersione, InstalledAllOrNone) {
    TempDir dir;
    Scrivi(dir / "prog/ludomatic", "vecchio");
    Scrivi(dir / "prog/ludomatic-cli", "vecchio");
    Scrivi(dir / "nuova/ludomatic", "nuovo");
    Scrivi(dir / "nuova/dati/guida.html", "nuova");
    ASSERT_TRUE(ludo::InstallaNuovaVersione(dir / "nuova", dir / "prog"));
    EXPECT_EQ(ludo::test::readText(dir / "prog/ludomatic"), "nuovo");
    EXPECT_EQ(ludo::test::readText(dir / "prog/ludomatic-cli"), "vecchio");
    EXPECT_EQ(ludo::test::readText(dir / "prog/dati/guida.html"), "nuova");
    EXPECT_FALSE(fs::exists(dir / "prog/ludomatic.vecchio"));
    EXPECT_FALSE(fs::exists(dir / "nuova"));

    // "zz" is a file where the new version wants a folder: the program
    // replaced before it comes back.
    Scrivi(dir / "prog/zz", "file");
    Scrivi(dir / "nuova/ludomatic", "ancora più nuovo");
    Scrivi(dir / "nuova/nuovo.txt", "n");
    Scrivi(dir / "nuova/zz/x", "x");
    EXPECT_FALSE(ludo::InstallaNuovaVersione(dir / "nuova", dir / "prog"));
    EXPECT_EQ(ludo::test::readText(dir / "prog/ludomatic"), "nuovo");
    EXPECT_FALSE(fs::exists(dir / "prog/nuovo.txt"));
    EXPECT_FALSE(fs::exists(dir / "prog/ludomatic.vecchio"));
    EXPECT_FALSE(fs::exists(dir / "nuova"));
}

// The helper waits for the program to end, puts the new version in place
// and starts the program; when the new files cannot all go in, the old
// program starts.
TEST(NuovaVersione, RestartHelperInstallsAfterTheProgramEnds) {
    for (const bool installabile : {true, false}) {
        TempDir dir;
        Scrivi(dir / "prog/ludomatic", ProgrammaChiSono("vecchio"));
        fs::permissions(dir / "prog/ludomatic", fs::perms::owner_all);
        Scrivi(dir / "nuova/ludomatic", ProgrammaChiSono("nuovo"));
        fs::permissions(dir / "nuova/ludomatic", fs::perms::owner_all);
        if (!installabile) {
            Scrivi(dir / "prog/zz", "file");
            Scrivi(dir / "nuova/zz/x", "x");
        }
        // The running program: a process that ends when its input closes.
        int tubo[2];
        ASSERT_EQ(pipe2(tubo, O_CLOEXEC), 0);
        posix_spawn_file_actions_t azioni;
        posix_spawn_file_actions_init(&azioni);
        posix_spawn_file_actions_adddup2(&azioni, tubo[0], STDIN_FILENO);
        const pid_t programma = Avvia({"/bin/cat"}, &azioni);
        posix_spawn_file_actions_destroy(&azioni);
        close(tubo[0]);
        const pid_t riavvio = Avvia({LUDO_RIAVVIO, std::to_string(programma), (dir / "nuova").string(),
                                     (dir / "prog").string(), (dir / "prog/ludomatic").string()});
        close(tubo[1]);
        Attendi(programma);
        EXPECT_EQ(Attendi(riavvio), 0);
        EXPECT_EQ(ludo::test::readText(dir / "prog/avviato"), installabile ? "nuovo\n" : "vecchio\n");
        EXPECT_FALSE(fs::exists(dir / "nuova"));
    }
}
