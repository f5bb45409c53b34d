#include "core/checking/Ricevitoria.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <fstream>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/ProgramFolder.h"
#include "core/io/ShortString.h"

namespace ludo {
namespace {

constexpr std::array<FormatoRiga, RigheFormatoSchedina> kFormati = {{
    {8, 8},          {8, 8, 8},       {8, 8, 8, 8},       {8, 8, 8, 8, 8},    {8, 8, 8, 8, 8, 8},
    {9},             {9, 8},          {9, 8, 8},          {9, 8, 8, 8},       {9, 8, 8, 8, 8},
    {9, 8, 8, 8, 8, 8}, {9, 9},       {9, 9, 8},          {9, 9, 8, 8},       {9, 9, 8, 8, 8},
    {9, 9, 8, 8, 8, 8}, {9, 9, 9},    {9, 9, 9, 8},       {9, 9, 9, 8, 8},    {9, 9, 9, 8, 8, 8},
    {9, 9, 9, 9},    {9, 9, 9, 9, 8}, {9, 9, 9, 9, 8, 8}, {9, 9, 9, 9, 9},    {9, 9, 9, 9, 9, 8},
    {9, 9, 9, 9, 9, 9}, {10, 9, 8},   {10, 9, 8, 8},      {10, 9, 8, 8, 8},   {10, 9, 8, 8, 8, 8},
    {10, 9, 9},      {10, 9, 9, 8},   {10, 9, 9, 8, 8},   {10, 9, 9, 8, 8, 8},
}};

constexpr std::size_t kCapienzaNome = 255;

int Cifra(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0' : -1; }

char Maiuscola(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool FileColonne(const std::filesystem::path& p) {
    return io::equalsIgnoringCase(p.extension().string(), ".col");
}

}  // namespace

const FormatoRiga& FormatoSchedina(int riga) {
    return kFormati.at(static_cast<std::size_t>(std::clamp(riga, 1, RigheFormatoSchedina) - 1));
}

std::uint64_t ColonneRiga(int riga) {
    std::uint64_t colonne = 0;
    for (int k : FormatoSchedina(riga)) colonne += static_cast<std::uint64_t>(Binomiale(k, 8));
    return colonne;
}

int PosizioniPiene(int riga) {
    const auto& formato = FormatoSchedina(riga);
    return static_cast<int>(std::count_if(formato.begin(), formato.end(), [](int k) { return k > 0; }));
}

bool SeiPosizioniUguali(int riga) {
    const auto& formato = FormatoSchedina(riga);
    return formato[0] > 0 && std::all_of(formato.begin(), formato.end(), [&](int k) { return k == formato[0]; });
}

std::string TestoFormato(int riga) {
    std::string testo;
    for (int k : FormatoSchedina(riga)) {
        if (k == 0) break;
        testo += (testo.empty() ? "" : " ") + std::to_string(k);
    }
    return testo;
}

bool ImpostaTecnica(TGenColonneCasuali& generatore, Tecnica tecnica, bool soloPronostico, const DatiPesi& dati) {
    return generatore.Imposta(tecnica == Tecnica::Casuale, tecnica == Tecnica::CasualeConPicchetto,
                              tecnica == Tecnica::Statistica, soloPronostico, dati);
}

SchedineGenerate GeneraSchedine(TGenColonneCasuali& generatore, std::mt19937& caso, int schedine, bool costoFisso,
                                int rigaMinima, int rigaMassima) {
    SchedineGenerate esito;
    std::uniform_int_distribution<int> riga(rigaMinima, std::max(rigaMinima, rigaMassima));
    for (int s = 0; s < schedine; ++s) {
        const auto& formato = FormatoSchedina(costoFisso ? rigaMinima : riga(caso));
        std::array<Colonna, 6> giocata{};
        for (std::size_t p = 0; p < formato.size(); ++p) {
            if (formato[p] == 0) continue;
            giocata[p] = generatore.Genera(formato[p]);
            esito.stampa.Aggiungi(giocata[p]);
        }
        if (!costoFisso) {
            for (int k : formato) {
                if (k == 0) esito.stampa.Aggiungi(0);
            }
        }
        esito.giocate.push_back(giocata);
    }
    return esito;
}

std::optional<TMatrice> LeggiNomeMatrice(const std::string& nome) {
    const std::string base = nome.substr(0, nome.find('.'));
    std::size_t i = 0;
    int numeri = 0;
    while (i < base.size() && i < 2 && Cifra(base[i]) >= 0) numeri = numeri * 10 + Cifra(base[i++]);
    if (i == 0 || numeri < 1 || numeri > 32 || i + 3 > base.size()) return std::nullopt;
    if (const char f = Maiuscola(base[i]); f != 'F' && f != 'S') return std::nullopt;
    const int fisse = Cifra(base[i + 1]);
    const char lettera = Maiuscola(base[i + 2]);
    if (fisse < 0 || fisse > numeri || (lettera != 'B' && lettera != 'R')) return std::nullopt;
    const char premi = i + 3 < base.size() ? base[i + 3] : '1';
    TMatrice m;
    m.nome = nome;
    m.leggibile = true;
    m.numeri = numeri;
    m.fisse = fisse;
    m.garanzia = std::string(1, premi) + (lettera == 'B' ? " Sei" : " Sette");
    return m;
}

std::vector<TMatrice> ElencoMatrici(const std::filesystem::path& cartella) {
    std::vector<TMatrice> elenco;
    std::error_code ec;
    for (const auto& voce : std::filesystem::directory_iterator(io::resolvePath(cartella, io::kMatrici), ec)) {
        if (!voce.is_regular_file(ec) || !FileColonne(voce.path())) continue;
        const auto nome = voce.path().filename().string();
        TMatrice illeggibile;
        illeggibile.nome = nome;
        auto matrice = LeggiNomeMatrice(nome).value_or(illeggibile);
        matrice.colonne = voce.file_size(ec) / 4;
        elenco.push_back(std::move(matrice));
    }
    std::sort(elenco.begin(), elenco.end(), [](const TMatrice& a, const TMatrice& b) { return a.nome < b.nome; });
    return elenco;
}

std::vector<std::string> DescrizioneMatrice(const std::filesystem::path& cartella, const TMatrice& matrice) {
    if (!matrice.leggibile) return {"Il file " + matrice.nome, "non è stato importato", "correttamente."};
    const auto base = matrice.nome.substr(0, matrice.nome.find('.'));
    std::ifstream in(io::resolvePath(io::resolvePath(cartella, io::kMatrici), base + ".txt"));
    std::vector<std::string> righe;
    std::string riga;
    while (std::getline(in, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        righe.push_back(riga);
    }
    return righe;
}

ListaColonne ApplicaMatrice(const ListaColonne& matrice, const TCombinazione& numeri) {
    ListaColonne risultato;
    for (Colonna c : matrice) {
        Colonna applicata = 0;
        for (int p = 1; p <= numeri.Quanti && p <= 32; ++p) {
            const int n = numeri.Numero(p);
            if (((c >> (p - 1)) & 1U) != 0 && n >= 1 && n <= 32) applicata |= Colonna{1} << (n - 1);
        }
        risultato.Aggiungi(applicata);
    }
    return risultato;
}

TCombinazione NumeriDellaMatrice(Colonna tutti, Colonna fisse) {
    TCombinazione numeri;
    numeri.Create(NumeroNumeri(tutti));
    int posizione = 1;
    for (Colonna gruppo : {tutti & fisse, tutti & ~fisse}) {
        for (Colonna resto = gruppo; resto != 0; resto &= resto - 1) {
            numeri.Numero(posizione++) = static_cast<std::int16_t>(std::countr_zero(resto) + 1);
        }
    }
    return numeri;
}

std::vector<TSistCas> CandidatiAutomatici(const std::vector<TMatrice>& matrici, double prezzo, double minimo,
                                          double massimo, bool sei, bool sette) {
    std::vector<TSistCas> candidati;
    for (const auto& m : matrici) {
        const double costo = static_cast<double>(m.colonne) * prezzo;
        if (!m.leggibile || costo < minimo || costo > massimo) continue;
        const auto contiene = [&](const char* testo) { return m.garanzia.find(testo) != std::string::npos; };
        int garanzia = 0;
        if (sei && (contiene("Sei") || contiene("N-2"))) garanzia = 6;
        if (sette && (contiene("Sette") || contiene("N-1"))) garanzia = 7;
        if (garanzia == 0) continue;
        const auto dove = std::find_if(candidati.begin(), candidati.end(),
                                       [&](const TSistCas& c) { return c.costo >= costo; });
        candidati.insert(dove, TSistCas{m.numeri, m.fisse, garanzia, costo});
    }
    return candidati;
}

std::size_t CandidatoDelSistema(std::size_t candidati, int quantiSistemi, int k) {
    if (candidati == 0) return 0;
    const std::size_t passo = std::max<std::size_t>(1, candidati / static_cast<std::size_t>(std::max(1, quantiSistemi)));
    return (static_cast<std::size_t>(k - 1) * passo) % candidati;
}

std::string NomeMatriceAutomatica(int numeri, int fisse, int garanzia) {
    return (numeri < 10 ? "0" : "") + std::to_string(numeri) + "F" + std::to_string(fisse) +
           (garanzia == 7 ? "R1" : "B1") + ".col";
}

bool ScriviRid(std::ostream& out, const SceltaRidotto& scelta) {
    io::BinaryWriter w(out);
    return io::writeShortString(w, scelta.matrice, kCapienzaNome) && scelta.numeri.Scrivi(w) &&
           io::writeShortString(w, scelta.nomeCedola, kCapienzaNome);
}

bool LeggiRid(std::istream& in, SceltaRidotto& scelta) {
    io::BinaryReader r(in);
    SceltaRidotto letta;
    if (!io::readShortString(r, kCapienzaNome, letta.matrice) || !letta.numeri.Leggi(r) ||
        !io::readShortString(r, kCapienzaNome, letta.nomeCedola)) {
        return false;
    }
    // The numbers must make a set of matches: 1..32, none repeated.
    Colonna visti = 0;
    for (int p = 1; p <= letta.numeri.Quanti; ++p) {
        const int n = letta.numeri.Numero(p);
        if (n < 1 || n > 32 || (visti >> (n - 1) & 1U) != 0) return false;
        visti |= Colonna{1} << (n - 1);
    }
    scelta = std::move(letta);
    return true;
}

}  // namespace ludo
