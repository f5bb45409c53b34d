#include "core/system/ListeSquadre.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "core/io/AtomicSave.h"
#include "core/io/Cp1252.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

// Windows-1252 letters folded to their lower-case, unaccented base letter;
// every other byte maps to itself.
std::array<unsigned char, 256> tabellaConfronto() {
    std::array<unsigned char, 256> tabella{};
    for (int b = 0; b < 256; ++b) tabella[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) tabella[b] = static_cast<unsigned char>(b - 'A' + 'a');
    // 0xC0..0xDF and 0xE0..0xFF: the same letters in upper and lower case.
    constexpr std::string_view basi = "aaaaaaaceeeeiiiidnooooo\xD7ouuuuy\xDEs";
    for (std::size_t i = 0; i < basi.size(); ++i) {
        tabella[0xC0 + i] = static_cast<unsigned char>(basi[i]);
        tabella[0xE0 + i] = static_cast<unsigned char>(basi[i]);
    }
    tabella[0xF7] = 0xF7;  // the division sign, beside the multiplication sign 0xD7
    tabella[0xFE] = 0xDE;  // thorn
    tabella[0xFF] = 'y';
    tabella[0x8A] = tabella[0x9A] = 's';
    tabella[0x8C] = tabella[0x9C] = 'o';
    tabella[0x8E] = tabella[0x9E] = 'z';
    tabella[0x9F] = 'y';
    return tabella;
}

std::string chiaveConfronto(std::string_view nome) {
    static const auto tabella = tabellaConfronto();
    std::string chiave = io::utf8ToCp1252(nome);
    for (auto& c : chiave) c = static_cast<char>(tabella[static_cast<unsigned char>(c)]);
    return chiave;
}

// std::string compares its bytes as unsigned char: Windows-1252 order.
bool precede(std::string_view a, std::string_view b) {
    return chiaveConfronto(a) < chiaveConfronto(b);
}

bool blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Blanks are spaces and the control characters.
bool soloSpazi(std::string_view testo) { return std::all_of(testo.begin(), testo.end(), blank); }

void controllaIndice(std::size_t indice, std::size_t numero) {
    if (indice >= numero) throw std::out_of_range("indice della squadra fuori dalla lista");
}

std::string messaggio(std::string_view azione, Serie serie) {
    std::string testo = "Impossibile ";
    testo.append(azione).append(" la Lista delle Squadre di Serie ").append(NomeSerie(serie));
    return testo;
}

}  // namespace

std::string_view NomeSerie(Serie serie) {
    constexpr std::array<std::string_view, 4> nomi = {"A", "B", "C1", "C2"};
    return nomi[static_cast<std::size_t>(serie)];
}

std::string TitoloLista(Serie serie, std::size_t squadre) {
    return "Serie " + std::string(NomeSerie(serie)) + ": " + std::to_string(squadre) +
           (squadre == 1 ? " squadra" : " squadre");
}

std::string_view NomeFileSerie(Serie serie) {
    constexpr std::array<std::string_view, 4> file = {"\\SquadrA.Txt", "\\SquadrB.Txt",
                                                      "\\SquadrC1.Txt", "\\SquadrC2.Txt"};
    return file[static_cast<std::size_t>(serie)];
}

std::size_t ListaSquadre::Aggiungi(std::string nome) {
    const auto dove = std::upper_bound(nomi_.begin(), nomi_.end(), nome, precede);
    const auto inserito = nomi_.insert(dove, std::move(nome));
    return static_cast<std::size_t>(inserito - nomi_.begin());
}

std::size_t ListaSquadre::Sostituisci(std::size_t indice, std::string nome) {
    Cancella(indice);
    return Aggiungi(std::move(nome));
}

void ListaSquadre::Cancella(std::size_t indice) {
    controllaIndice(indice, nomi_.size());
    nomi_.erase(nomi_.begin() + static_cast<std::ptrdiff_t>(indice));
}

bool ListaSquadre::Leggi(std::istream& in) {
    nomi_.clear();
    std::string riga;
    while (std::getline(in, riga)) {
        if (riga.ends_with('\r')) riga.pop_back();
        if (!soloSpazi(riga)) nomi_.push_back(io::cp1252ToUtf8(riga));
    }
    // The same order as adding the lines one by one.
    std::stable_sort(nomi_.begin(), nomi_.end(), precede);
    return !in.bad();
}

bool ListaSquadre::Scrivi(std::ostream& out) const {
    for (const auto& nome : nomi_) out << io::utf8ToCp1252(nome) << "\r\n";
    return out.good();
}

std::vector<std::string> ListeSquadre::Carica(const std::filesystem::path& cartella) {
    std::vector<std::string> errori;
    for (auto serie : TutteLeSerie) {
        std::ifstream file(io::resolvePath(cartella, NomeFileSerie(serie)), std::ios::binary);
        auto& lista = (*this)[serie];
        if (!file.is_open() || !lista.Leggi(file)) {
            lista.Svuota();
            errori.push_back(messaggio("Caricare", serie));
        }
    }
    return errori;
}

std::vector<std::string> ListeSquadre::Salva(const std::filesystem::path& cartella) const {
    std::vector<std::string> errori;
    for (auto serie : TutteLeSerie) {
        const auto& lista = (*this)[serie];
        const bool salvata =
            io::saveAtomically(io::resolvePath(cartella, NomeFileSerie(serie)),
                               [&](std::ostream& file) { return lista.Scrivi(file); });
        if (!salvata) errori.push_back(messaggio("Salvare", serie));
    }
    return errori;
}

std::string ChiaveNomeSquadra(std::string_view nome) {
    const auto inizio = std::find_if_not(nome.begin(), nome.end(), blank);
    const auto fine = std::find_if_not(nome.rbegin(), std::make_reverse_iterator(inizio), blank).base();
    return chiaveConfronto(std::string_view(inizio, fine));
}

void VerificaNomeSquadra(std::string_view nome) {
    if (soloSpazi(nome)) throw Errore("Il Nome della Squadra non è Valido !");
}

}  // namespace ludo
