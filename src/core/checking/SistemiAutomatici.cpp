#include "core/checking/SistemiAutomatici.h"

#include <algorithm>
#include <cctype>

#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Costi.h"

namespace ludo {
namespace {

std::string TestoCostoCedolina(double costo, const ImpostazioniCedolina& cedolina) {
    std::string testo = TestoValuta(costo, cedolina.euro, cedolina.formato);
    if (cedolina.stampaConcorso) testo += " Conc.Nº " + std::to_string(cedolina.concorso);
    return testo;
}

// Without fixed numbers the receipt shows all the numbers; with them, the
// fixed ones and then the others.
std::array<Colonna, 2> ColonneCedolina(Colonna tutti, Colonna fisse) {
    if (fisse == 0) return {tutti, 0};
    return {fisse, tutti & ~fisse};
}

// A column of altri numbers and one of fisse numbers that share none.
std::pair<Colonna, Colonna> EstraiNumeri(TGenColonneCasuali& generatore, int altri, int fisse) {
    const Colonna resto = generatore.Genera(altri);
    if (fisse == 0) return {resto, 0};
    for (;;) {
        const Colonna fisso = generatore.Genera(fisse);
        if ((fisso & resto) == 0) return {resto, fisso};
    }
}

}  // namespace

std::string TestoNumeriEFisse(int numeri, int fisse) {
    std::string testo = std::to_string(numeri) + " Numeri";
    if (fisse == 1) testo += " con 1 Fissa";
    if (fisse > 1) testo += " con " + std::to_string(fisse) + " Fisse";
    return testo;
}

SistemaDaStampare PreparaSistemaAutomatico(const std::filesystem::path& cartella, TGenColonneCasuali& generatore,
                                           const RichiestaSistema& richiesta, const ImpostazioniCedolina& cedolina) {
    const bool integrale = richiesta.tipo == TipoIntegrale;
    const int fisse = integrale ? 0 : richiesta.fisse;
    ListaColonne matrice;
    std::string garanzia;
    if (!integrale) {
        const auto nome = NomeMatriceAutomatica(richiesta.numeri, fisse, richiesta.tipo);
        const auto file = io::resolvePath(io::resolvePath(cartella, io::kMatrici), nome);
        if (!std::filesystem::is_regular_file(file) || !LeggiFile(matrice, file, false)) {
            throw Errore(MsgNessunSistemaDelTipo);
        }
        garanzia = LeggiNomeMatrice(nome).value_or(TMatrice{}).garanzia;
    }
    const auto [altri, fisso] = EstraiNumeri(generatore, richiesta.numeri - fisse, fisse);
    const Colonna tutti = altri | fisso;

    SistemaDaStampare s;
    s.numeri = richiesta.numeri;
    s.integrale = integrale;
    if (integrale) {
        s.colonne.Aggiungi(tutti);
        s.costo = Binomiale(richiesta.numeri, 8) * cedolina.prezzo;
    } else {
        s.colonne = ApplicaMatrice(matrice, NumeriDellaMatrice(tutti, fisso));
        s.costo = static_cast<double>(s.colonne.Conteggio()) * cedolina.prezzo;
    }
    s.righe[1] = TestoNumeriEFisse(richiesta.numeri, fisse);
    s.righe[2] = integrale ? "Sistema Integrale a" : "Sistema Ridotto a";
    s.righe[3] = integrale ? "garanzia dell'otto" : "garanzia di " + garanzia;
    s.righe[4] = TestoCostoCedolina(s.costo, cedolina);
    s.righe[5] = "Sistema Nº " + std::to_string(richiesta.indice);
    s.colonneCedolina = ColonneCedolina(tutti, fisso);
    return s;
}

SistemaDaStampare PreparaRidottoImmediato(const ListaColonne& matrice, const TMatrice& info,
                                          const TCombinazione& numeri, Colonna fisse, const std::string& nome,
                                          const ImpostazioniCedolina& cedolina) {
    SistemaDaStampare s;
    s.numeri = numeri.Quanti;
    const Colonna tutti = numeri.Maschera();
    s.colonne = ApplicaMatrice(matrice, NumeriDellaMatrice(tutti, fisse));
    s.costo = static_cast<double>(s.colonne.Conteggio()) * cedolina.prezzo;
    s.righe[1] = TestoNumeriEFisse(numeri.Quanti, NumeroNumeri(fisse & tutti));
    s.righe[2] = "garanzia " + info.garanzia;
    s.righe[3] = TestoCostoCedolina(s.costo, cedolina);
    if (!nome.empty()) s.righe[4] = "Nome : " + nome;
    s.colonneCedolina = ColonneCedolina(tutti, fisse & tutti);
    return s;
}

void RegistraGiocata(TArchivioGiocate& archivio, const SistemaDaStampare& sistema) {
    if (sistema.integrale) {
        archivio.AggiungiIntegrale(*sistema.colonne.begin());
    } else {
        archivio.AggiungiSistema(sistema.numeri, sistema.colonne);
    }
}

std::optional<std::size_t> TrovaMatrice(const std::vector<TMatrice>& elenco, const std::string& nome) {
    const auto uguale = [&](const TMatrice& m) {
        return std::equal(m.nome.begin(), m.nome.end(), nome.begin(), nome.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto trovata = std::find_if(elenco.begin(), elenco.end(), uguale);
    if (trovata == elenco.end()) return std::nullopt;
    return static_cast<std::size_t>(trovata - elenco.begin());
}

}  // namespace ludo
