#include "core/update/ParametriAggiornamento.h"

#include "TestSupport.h"

using ludo::TipoAggiornamento;
using ludo::test::TempDir;

namespace {

std::optional<ludo::TInternet> Leggi(const std::string& testo) {
    std::istringstream in(testo);
    return ludo::LeggiParametri(in, "4.0");
}

}  // namespace

TEST(ParametriAggiornamento, SectionInCapitalsKeysInAnyOrderLowerCased) {
    const auto p = Leggi(
        "HostName=altro.it\r\n[LUDOMATIC 3]\r\n[LUDOMATIC 4]\r\nExeDir=/Programma\r\ncommento\r\n"
        "SchedinaDir=/Sched\r\nArchiviDir=/Arch\r\nHOSTNAME=ftp.Esempio.IT\r\nhostname=dopo.it\r\n");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(std::tuple(p->HostName, p->ArchiviDir, p->SchedinaDir, p->ExeDir),
              std::tuple("ftp.esempio.it", "/arch", "/sched", "/programma"));
}

TEST(ParametriAggiornamento, MissingSectionOrKeyFailsSilently) {
    EXPECT_FALSE(Leggi("ludomatic 3\nhostname=a\narchividir=b\nschedinadir=c\nexedir=d\n").has_value());
    EXPECT_FALSE(Leggi("ludomatic 4\nhostname=a\narchividir=b\nschedinadir=c\n").has_value());
    EXPECT_FALSE(Leggi("ludomatic 4\nhostname=a\narchividir=b\nschedinadir=c\nexedir=\n").has_value());
    EXPECT_FALSE(Leggi("").has_value());
}

// A download that did not arrive leaves the old lists untouched.
TEST(ParametriAggiornamento, AMissingDownloadReplacesNoFile) {
    TempDir dir;
    const auto piano = ludo::PianoPer(TipoAggiornamento::Squadre, {"h", "a", "s", "e"}, dir.path());
    for (const auto& f : piano.files)
        ludo::test::writeFile(f.finale, ludo::test::bytesOf("vecchio"));
    ludo::test::writeFile(piano.files[0].scaricato, ludo::test::bytesOf("parziale"));
    EXPECT_FALSE(ludo::SostituisciScaricati(piano));
    for (const auto& f : piano.files)
        EXPECT_EQ(ludo::test::readFile(f.finale), ludo::test::bytesOf("vecchio"));
}
