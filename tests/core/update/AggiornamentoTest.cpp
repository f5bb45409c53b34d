// The update against a real FTP server on the loopback address: every kind
// end to end, and the failures that must leave the program's files as they
// were.
#include "core/update/Aggiornamento.h"

#include <functional>

#include "TestSupport.h"
#include "ZipDiProva.h"
#include "core/update/NuovaVersione.h"
#include "ftp/ServerAggiornamento.h"

using ludo::EsitoAggiornamento;
using ludo::TipoAggiornamento;
using ludo::test::TempDir;
using Stato = EsitoAggiornamento::Stato;
namespace fs = std::filesystem;

namespace {

// Records the steps; at the first bytes of one step it can act on the
// server or cancel.
class Osservatore : public ludo::Avanzamento {
public:
    void Fase(std::string_view testo) override { fasi.emplace_back(testo); }
    void Progresso(std::int64_t ricevuti, std::int64_t) override {
        if (azione && ricevuti > 0 && fasi.size() == passo) std::exchange(azione, nullptr)();
    }
    [[nodiscard]] bool annullato() const override { return annulla; }

    std::vector<std::string> fasi;
    std::size_t passo = 0;
    std::function<void()> azione;
    bool annulla = false;
};

// A program folder whose data the update may replace, each file saying "vecchio".
struct Programma {
    Programma() {
        for (const auto* nome : {"ARCHIVI/archivio.ttg", "ARCHIVI/archdb.ttg", "SquadrA.Txt", "SquadrB.Txt",
                                 "SquadrC1.Txt", "SquadrC2.Txt"}) {
            ludo::test::writeFile(dir.path() / nome, ludo::test::bytesOf("vecchio"));
        }
    }
    // Every file of the folder with its content.
    [[nodiscard]] std::map<fs::path, std::string> Contenuto() const {
        std::map<fs::path, std::string> files;
        for (const auto& f : fs::recursive_directory_iterator(dir.path())) {
            if (!f.is_regular_file()) continue;
            files[f.path().lexically_relative(dir.path())] = ludo::test::readText(f.path());
        }
        return files;
    }
    EsitoAggiornamento Aggiorna(TipoAggiornamento tipo, const std::string& server, ludo::Avanzamento& avanzamento,
                                std::chrono::seconds attesa = ludo::AttesaMassimaPredefinita) const {
        const auto sessione = ludo::CreaSessioneFtp(attesa);
        return ludo::Aggiorna({tipo, server, dir.path(), dir.path() / "bin"}, *sessione, avanzamento);
    }
    EsitoAggiornamento Aggiorna(TipoAggiornamento tipo, const std::string& server) const {
        Osservatore o;
        return Aggiorna(tipo, server, o);
    }
    [[nodiscard]] std::string Leggi(const char* nome) const { return ludo::test::readText(dir.path() / nome); }

    ludo::test::CartellaProgramma dir;
};

// A port where nothing listens: that of a server already gone.
int PortaChiusa() {
    TempDir vuota;
    return ServerFtpDiProva(vuota.path()).Porta();
}

// A server holding every kind of update, and a program folder to update.
class AggiornamentoDalServer : public ::testing::Test {
  protected:
    const ServerAggiornamento server;
    const Programma p;
};

}  // namespace

// Each kind replaces its files as the folder spells them and leaves nothing
// beside them: no temporary file, no dwninfo.txt, no downloaded coupon.
TEST_F(AggiornamentoDalServer, ArchivesTeamListsAndCouponReplaceTheirFiles) {
    Osservatore o;
    auto esito = p.Aggiorna(TipoAggiornamento::Archivi, server.Url(), o);
    EXPECT_EQ(esito.stato, Stato::Riuscito);
    EXPECT_EQ(esito.messaggio, "Aggiornamento degli archivi completato con successo");
    EXPECT_EQ(o.fasi, (std::vector<std::string>{"Passo 1 di 2", "Passo 2 di 2"}));
    EXPECT_EQ(p.Leggi("ARCHIVI/archivio.ttg"), ServerAggiornamento::Concorsi());
    EXPECT_EQ(p.Leggi("ARCHIVI/archdb.ttg"),
              ludo::test::readText(server.Radice() / "archivi/archdb.ttg"));

    EXPECT_EQ(p.Aggiorna(TipoAggiornamento::Squadre, server.Url(), o).messaggio,
              "Aggiornamento delle squadre completato con successo");
    EXPECT_EQ(o.fasi.back(), "Passo 4 di 4");
    EXPECT_EQ(p.Leggi("SquadrA.Txt"), "Nuova squadra\r\n");
    EXPECT_EQ(p.Leggi("SquadrC2.Txt"), "Nuova squadrc2\r\n");

    esito = p.Aggiorna(TipoAggiornamento::Schedina, server.Url());
    ASSERT_EQ(esito.stato, Stato::Riuscito);
    EXPECT_TRUE(esito.messaggio.empty());
    EXPECT_EQ(esito.schedina.Concorso, ServerAggiornamento::ConcorsoServito);
    EXPECT_EQ(esito.schedina.Squadre[0].Casa, ServerAggiornamento::CasaPartita1);
    EXPECT_EQ(esito.schedina.Squadre[31].Ospite, "Ospite");
    EXPECT_EQ(p.Contenuto().size(), 6U);
}

TEST_F(AggiornamentoDalServer, ProgramExpandedBesideTheProgramAndArchiveDeleted) {
    ScriviZip(server.Radice() / "programma/ludomatic4p.arc", {{"ludomatic", "#!/bin/sh\n", 0100755}, {"LEGGIMI", "x"}});
    const auto esito = p.Aggiorna(TipoAggiornamento::Programma, server.Url());
    ASSERT_EQ(esito.stato, Stato::Riuscito);
    EXPECT_EQ(esito.nuovaVersione, p.dir.path() / "bin" / ludo::NomeCartellaNuovaVersione);
    EXPECT_TRUE(fs::exists(esito.nuovaVersione / "LEGGIMI"));
    EXPECT_EQ(p.Contenuto().size(), 6U + 2) << "the downloaded archive is gone";
}

TEST_F(AggiornamentoDalServer, FailuresSayWhyAndChangeNothing) {
    const auto prima = p.Contenuto();
    const auto fallisce = [&](TipoAggiornamento tipo, const std::string& url, const std::string& messaggio) {
        const auto esito = p.Aggiorna(tipo, url);
        EXPECT_NE(esito.stato, Stato::Riuscito) << messaggio;
        EXPECT_EQ(esito.messaggio, messaggio);
        EXPECT_EQ(p.Contenuto(), prima) << messaggio;
    };
    fallisce(TipoAggiornamento::Archivi, "", ludo::MsgServerNonImpostato);
    fallisce(TipoAggiornamento::Archivi, "127.0.0.1:" + std::to_string(PortaChiusa()), ludo::MsgCollegamentoImpossibile);

    server.Togli("archivi/squadrc2.txt");
    fallisce(TipoAggiornamento::Squadre, server.Url(), ludo::MsgErroreTrasferimento);

    server.Servi("archivi/archivio.ttg", ServerAggiornamento::Concorsi().substr(0, 10));
    fallisce(TipoAggiornamento::Archivi, server.Url(), ludo::MsgFileRicevutiDanneggiati);

    server.Servi("schedina/_ludomatic.gsc", "corta");
    fallisce(TipoAggiornamento::Schedina, server.Url(), "Impossibile Caricare la Schedina");

    // A program archive with an entry outside its folder: nothing expanded, the archive deleted.
    ScriviZip(server.Radice() / "programma/ludomatic4p.arc",
              {{"ludomatic", "x"}, {"../fuori", "x"}});
    fallisce(TipoAggiornamento::Programma, server.Url(), ludo::MsgArchivioProgrammaNonValido);
    EXPECT_FALSE(fs::exists(p.dir.path() / "bin" / ludo::NomeCartellaNuovaVersione));

    server.ScriviParametri("127.0.0.1:" + std::to_string(PortaChiusa()));
    fallisce(TipoAggiornamento::Squadre, server.Url(), ludo::MsgCollegamentoImpossibile);

    server.Servi("dwninfo.txt", "[ludomatic 4]\r\nhostname=x\r\narchividir=a\r\nschedinadir=s\r\n");
    fallisce(TipoAggiornamento::Squadre, server.Url(), "");  // a key is missing: no message
    EXPECT_EQ(p.Aggiorna(TipoAggiornamento::Squadre, server.Url()).stato, Stato::SenzaParametri);

    server.Togli("dwninfo.txt");
    fallisce(TipoAggiornamento::Squadre, server.Url(), ludo::MsgParametriNonReperibili);
}

// The second of four team lists is large and comes slowly: once its first
// bytes have arrived the server is killed, or freezes until the watchdog
// ends the wait, or the user cancels. The folder stays as it was.
TEST(TrasferimentoInterrotto, KilledStalledOrCancelledDuringStepTwoOfFour) {
    using Azione = std::function<void(const ServerAggiornamento&, Osservatore&)>;
    const struct {
        const char* caso;
        Azione azione;
        std::chrono::seconds attesa;
        Stato stato;
        std::string messaggio;
    } casi[] = {
        {"killed", [](const auto& s, auto&) { s.Ftp().Uccidi(); }, ludo::AttesaMassimaPredefinita,
         Stato::Fallito, ludo::MsgErroreTrasferimento},
        {"stalled", [](const auto& s, auto&) { s.Ftp().Sospendi(); }, std::chrono::seconds(2),
         Stato::Fallito, ludo::MsgErroreTrasferimento},
        {"cancelled", [](const auto&, auto& o) { o.annulla = true; },
         ludo::AttesaMassimaPredefinita, Stato::Annullato, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        const ServerAggiornamento server{64 << 10};
        server.Servi("archivi/squadrb.txt", std::string(4 << 20, 'b'));
        const Programma p;
        const auto prima = p.Contenuto();
        Osservatore o;
        o.passo = 2;
        o.azione = [&] { c.azione(server, o); };
        const auto esito = p.Aggiorna(TipoAggiornamento::Squadre, server.Url(), o, c.attesa);
        EXPECT_EQ(esito.stato, c.stato);
        EXPECT_EQ(esito.messaggio, c.messaggio);
        EXPECT_EQ(o.fasi.back(), "Passo 2 di 4");
        EXPECT_EQ(p.Contenuto(), prima);
    }
}

TEST(Aggiornamento, ServerAddressFromTheLocalFile) {
    TempDir dir;
    EXPECT_EQ(ludo::LeggiServerAggiornamento(dir.path()), "");
    ludo::test::writeFile(dir / "Aggiornamento.txt",
                          ludo::test::bytesOf("; server di prova\r\n  SERVER = ftp://h:21/agg/ \r\nserver=y\r\n"));
    EXPECT_EQ(ludo::LeggiServerAggiornamento(dir.path()), "ftp://h:21/agg/");
}

TEST(SessioneFtp, FileLargerThanTheLimitIsNotKept) {
    const TempDir radice;
    const TempDir arrivi;
    ludo::test::writeFile(radice / "giusto", ludo::test::bytesOf(std::string(10, 'g')));
    ludo::test::writeFile(radice / "troppo", ludo::test::bytesOf(std::string(11, 't')));
    ServerFtpDiProva server(radice.path());
    const auto sessione = ludo::CreaSessioneFtp(ludo::AttesaMassimaPredefinita, 10);
    Osservatore o;
    ASSERT_EQ(sessione->Collega(server.Url(), o), ludo::EsitoFtp::Riuscito);
    EXPECT_EQ(sessione->Scarica("", "giusto", arrivi / "giusto", o), ludo::EsitoFtp::Riuscito);
    EXPECT_EQ(ludo::test::readText(arrivi / "giusto"), std::string(10, 'g'));
    EXPECT_EQ(sessione->Scarica("", "troppo", arrivi / "troppo", o), ludo::EsitoFtp::ErroreTrasferimento);
    EXPECT_FALSE(fs::exists(arrivi / "troppo"));
}
