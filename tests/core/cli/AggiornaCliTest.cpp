// ludomatic-cli aggiorna against a real FTP server on the loopback address.

#include "CliSupport.h"
#include "core/update/Aggiornamento.h"
#include "ftp/ServerAggiornamento.h"

using namespace ludo::test;

TEST(AggiornaCli, AllThreeKindsFromTheServerGivenAndTheCouponBecomesTheLastOne) {
    const ServerAggiornamento server;
    const TempDir dir;
    const auto esito = lanciaCli(dir.path(), {"aggiorna", "--server", server.Url()});
    ASSERT_EQ(esito.stato, 0) << esito.err;
    EXPECT_EQ(esito.out,
              "{\"aggiornamenti\":[{\"tipo\":\"archivi\",\"esito\":\"riuscito\",\"messaggio\":\"Aggiornamento degli "
              "archivi completato con successo\"},{\"tipo\":\"squadre\",\"esito\":\"riuscito\",\"messaggio\":"
              "\"Aggiornamento delle squadre completato con successo\"},{\"tipo\":\"schedina\",\"esito\":"
              "\"riuscito\",\"messaggio\":\"\",\"concorso\":17}]}\n");
    EXPECT_EQ(readText(dir.path() / "ARCHIVI" / "archivio.ttg"), ServerAggiornamento::Concorsi());
    // The coupon served is saved as the last one, byte for byte.
    EXPECT_EQ(readText(dir.path() / "Schedine" / "ultimasch.gsc"), ServerAggiornamento::Schedina());
}

TEST(AggiornaCli, OneKindFromTheConfiguredServerAndFailuresReported) {
    const ServerAggiornamento server;
    const TempDir dir;
    auto esito = lanciaCli(dir.path(), {"aggiorna", "squadre"});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_NE(esito.out.find("\"esito\":\"fallito\""), std::string::npos);
    EXPECT_EQ(esito.err, std::string(ludo::MsgServerNonImpostato) + "\n");

    writeFile(dir.path() / "aggiornamento.txt", bytesOf("server=" + server.Url() + "\n"));
    server.Togli("archivi/squadrc2.txt");
    esito = lanciaCli(dir.path(), {"aggiorna", "squadre"});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_EQ(esito.out, "{\"aggiornamenti\":[{\"tipo\":\"squadre\",\"esito\":\"fallito\",\"messaggio\":\"Errore "
                         "durante il tranferimento dei files\"}]}\n");

    server.Servi("dwninfo.txt", "[ludomatic 4]\r\nhostname=x\r\n");
    esito = lanciaCli(dir.path(), {"aggiorna", "schedina"});
    EXPECT_EQ(esito.stato, 1);
    EXPECT_NE(esito.out.find("\"esito\":\"parametri_incompleti\""), std::string::npos);
}
