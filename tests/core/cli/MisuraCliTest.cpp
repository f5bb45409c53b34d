// What each condition of a condition file measures on columns, and whether
// they pass it.

#include "ArchivioDiProva.h"
#include "CliSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TQuadro.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Each line of the output.
std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> r;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) r.push_back(riga);
    return r;
}

class MisuraCli : public CliTest {
  protected:
    void SetUp() override {
        // Contests 1..8 and then 9..15, 32.
        scriviArchivio(dir_.path(), 2024, {0x000000FF, 0x80007F00});

        T_Sistema valori(dir_.path());
        valori.Dati->Picchetti[0] = 20.0;
        valori.Dati->Picchetti[4] = 50.0;
        valori.Salva(file("SISTEMI/valori.LDS"));

        TCondizioniSistema insieme;
        TQuadro misure(&insieme);
        auto& pd = static_cast<TPariDispari&>(*misure.Inserisci(CodPariDispari));
        pd.Tabelle[0].Prima.Voci[4].Stato = Accettato;
        auto& ripetizioni = static_cast<TRipetizioni&>(*misure.Inserisci(CodRipetizioni));
        ripetizioni.Tabelle[0].Prima.Voci[0].Stato = Accettato;
        auto& picchetto = static_cast<TPicchetto&>(*misure.Inserisci(CodPicchetto));
        picchetto.Partite[0] = picchetto.Partite[4] = true;
        picchetto.Tipo = 0;
        picchetto.Intervalli.Intervalli[0] = {0, 5, Accettato, 0};
        picchetto.Intervalli.Numero = 1;
        static_cast<TFormuleDerivate&>(*misure.Inserisci(CodFormuleDerivate)).Formule[4] = true;
        auto& gruppo = static_cast<TGruppo&>(*misure.Inserisci(CodGruppoResti));
        auto& resti = static_cast<TResti&>(gruppo.NuovoMembro());
        resti.Divisore = 7;
        resti.Tabelle[0].Prima.Voci[1].Stato = Accettato;
        auto& sotto = static_cast<TQuadro&>(*misure.Inserisci(CodQuadro));
        auto& filtro = static_cast<TColonnaFiltro&>(*sotto.Inserisci(CodColonnaFiltro));
        filtro.Numeri = 0xFF;
        filtro.Tabelle[0].Prima.Voci[8].Stato = Accettato;
        for (auto& c : misure.Elenco) c->Selezionato = true;
        misure.SalvaCondizioni(dir_ / "QUADRI" / "misure.CND");

        writeFile(dir_ / "COLONNE" / "due.Col", maschereLE({0xFF, col({1, 3, 5, 7, 9, 11, 13, 15})}));
    }
};

}  // namespace

TEST_F(MisuraCli, OneLinePerRecordWithTheValuesOfEachKind) {
    const auto e = lancia({"misura", file("QUADRI/misure.CND"), "--colonna", "1 2 3 4 5 6 7 8"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const std::string colonna = R"({"colonna":[1,2,3,4,5,6,7,8],)";
    EXPECT_EQ(righe(e.out),
              (std::vector<std::string>{
                  colonna + R"("codice":1,"valori":[[4,1],[4,1]],"passa":true})",
                  // Against 9..15 32 (the last contest), then 1..8.
                  colonna + R"("codice":7,"valori":[[0,0],[8,8]],"passa":true})",
                  // Matches 1 and 5 are worth nothing without a system.
                  colonna + R"("codice":36,"valori":[[0]],"passa":true})",
                  colonna + R"("codice":8,"valori":[[4]],"passa":true})",
                  colonna + R"("codice":14,"valori":[],"passa":true,"membri":[)" + colonna +
                      R"("codice":37,"valori":[[1,0]],"passa":true}]})",
                  colonna + R"("codice":19,"valori":[[1,1]],"passa":true,"membri":[)" + colonna +
                      R"("codice":39,"valori":[[8,0]],"passa":true}]})",
              }));
}

TEST_F(MisuraCli, ColumnsOfAFileAndTheMatchValuesOfASystem) {
    auto e = lancia({"misura", file("QUADRI/misure.CND"), "--colonne", file("COLONNE/due.Col"),
                     "--sistema", file("SISTEMI/valori.LDS")});
    ASSERT_EQ(e.stato, 0) << e.err;
    const auto r = righe(e.out);
    ASSERT_EQ(r.size(), 12u) << "six records for each of two columns";
    // 20% of 50% of 100.
    EXPECT_EQ(r[2], R"({"colonna":[1,2,3,4,5,6,7,8],"codice":36,"valori":[[10]],"passa":false})");
    const std::string dispari = R"({"colonna":[1,3,5,7,9,11,13,15],)";
    EXPECT_EQ(r[11], dispari + R"("codice":19,"valori":[[0,0]],"passa":false,"membri":[)" +
                         dispari + R"("codice":39,"valori":[[4,0]],"passa":false}]})");
}

TEST_F(MisuraCli, MissingColumnsOrUnreadableFilesAreReported) {
    rifiuta({"misura", file("QUADRI/misure.CND")},
            "Indicare le colonne con --colonna \"n1 … n8\" oppure --colonne FILE.Col.");
    rifiuta({"misura", file("QUADRI/misure.CND"), "--colonna", "1 2 40"},
            "La colonna deve contenere numeri da 1 a 32 separati da spazi.");
}
