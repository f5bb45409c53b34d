#include "core/coltools/EditorColonne.h"

#include <algorithm>
#include <charconv>
#include <new>

#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

constexpr int kMassimoNumero = 32;
constexpr int kOltreCella = 33;  // a typed value from here on is dropped

TCol8 DaMaschera(Colonna maschera) {
    TCol8 colonna{};
    for (std::size_t i = 0; maschera != 0 && i < colonna.size(); maschera &= maschera - 1, ++i) {
        colonna[i] = static_cast<std::uint8_t>(NumeroK(1, maschera));
    }
    return colonna;
}

// The cell of the first number repeated in the column, if any.
std::optional<int> Ripetuto(const TCol8& colonna) {
    Colonna visti = 0;
    for (int p = 0; p < PosizioniColonna; ++p) {
        const Colonna bit = Colonna{1} << (colonna[static_cast<std::size_t>(p)] - 1);
        if ((visti & bit) != 0) return p;
        visti |= bit;
    }
    return std::nullopt;
}

std::optional<int> FuoriIntervallo(const TCol8& colonna) {
    for (int p = 0; p < PosizioniColonna; ++p) {
        const int n = colonna[static_cast<std::size_t>(p)];
        if (n < 1 || n > kMassimoNumero) return p;
    }
    return std::nullopt;
}

}  // namespace

bool ColonnaVuota(const TCol8& colonna) {
    return std::all_of(colonna.begin(), colonna.end(), [](std::uint8_t n) { return n == 0; });
}

Colonna Maschera(const TCol8& colonna) {
    Colonna maschera = 0;
    for (const std::uint8_t n : colonna) {
        if (n >= 1 && n <= kMassimoNumero) maschera |= Colonna{1} << (n - 1);
    }
    return maschera;
}

std::uint8_t ValoreCella(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string_view::npos) return 0;
    testo = testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
    int valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size()) return 0;
    return valore >= 0 && valore < kOltreCella ? static_cast<std::uint8_t>(valore) : 0;
}

EditorColonne::EditorColonne(std::filesystem::path cartellaProgramma)
    : cartella_(std::move(cartellaProgramma)) {
    Azzera();
}

std::uint8_t EditorColonne::Numero(std::size_t indice, int posizione) const {
    return indice < colonne_.size() ? colonne_[indice][static_cast<std::size_t>(posizione)] : 0;
}

void EditorColonne::ImpostaNumero(std::size_t indice, int posizione, std::uint8_t numero) {
    if (indice >= colonne_.size()) {
        if (numero == 0) return;
        colonne_.resize(indice + 1, TCol8{});
    }
    colonne_[indice][static_cast<std::size_t>(posizione)] = numero;
}

std::optional<CellaErrata> EditorColonne::Verifica() const {
    for (std::size_t i = 0; i < colonne_.size(); ++i) {
        const auto& colonna = colonne_[i];
        if (ColonnaVuota(colonna)) continue;
        if (const auto p = FuoriIntervallo(colonna)) return CellaErrata{i, *p, MsgNumeroNonValido};
        if (const auto p = Ripetuto(colonna)) return CellaErrata{i, *p, MsgNumeroRipetuto};
    }
    return std::nullopt;
}

void EditorColonne::Compatta() { std::erase_if(colonne_, ColonnaVuota); }

bool EditorColonne::Ordina() {
    Compatta();
    std::vector<TCol8> ordinate = colonne_;
    for (auto& colonna : ordinate) std::sort(colonna.begin(), colonna.end());
    std::sort(ordinate.begin(), ordinate.end());
    const bool cambiate = ordinate != colonne_;
    colonne_ = std::move(ordinate);
    return cambiate;
}

void EditorColonne::InserisciVuota(std::size_t indice) {
    colonne_.insert(
        colonne_.begin() + static_cast<std::ptrdiff_t>(std::min(indice, colonne_.size())), TCol8{});
}

bool EditorColonne::Cancella(std::size_t indice) {
    if (indice >= colonne_.size()) return false;
    colonne_.erase(colonne_.begin() + static_cast<std::ptrdiff_t>(indice));
    return true;
}

void EditorColonne::Aggiungi(std::vector<TCol8>& colonne, Colonna maschera) {
    if (NumeroNumeri(maschera) <= PosizioniColonna) {
        colonne.push_back(DaMaschera(maschera));
        return;
    }
    ListaColonne sviluppate;
    Espandi(sviluppate, maschera, true);
    for (const Colonna c : sviluppate) colonne.push_back(DaMaschera(c));
}

void EditorColonne::InserisciColonne(std::size_t indice, const ListaColonne& colonne) {
    std::vector<TCol8> nuove;
    nuove.reserve(colonne.Conteggio());
    for (const Colonna c : colonne) Aggiungi(nuove, c);
    // Each column inserted at the same place pushes the ones before it on.
    if (indice < colonne_.size()) std::reverse(nuove.begin(), nuove.end());
    const auto dove =
        colonne_.begin() + static_cast<std::ptrdiff_t>(std::min(indice, colonne_.size()));
    colonne_.insert(dove, nuove.begin(), nuove.end());
}

ListaColonne EditorColonne::ColonneDaSalvare() const {
    ListaColonne lista;
    for (const auto& colonna : colonne_) {
        if (!ColonnaVuota(colonna)) lista.Aggiungi(Maschera(colonna));
    }
    return lista;
}

void EditorColonne::Azzera() {
    colonne_.clear();
    colonne_.shrink_to_fit();
    NomeFile = io::resolvePath(cartella_, std::string(io::kColonne)) / NomePersonali;
    SenzaNome = true;
    Modificato = false;
}

ListaColonne EditorColonne::Leggi(const std::filesystem::path& file) {
    ListaColonne lista;
    if (!LeggiFile(lista, file, false)) throw Errore(MsgImpossibileCaricareLeColonne);
    return lista;
}

void EditorColonne::InserisciFile(std::size_t indice, const std::filesystem::path& file) {
    try {
        InserisciColonne(indice, Leggi(file));
    } catch (const std::exception&) {  // unreadable, or more columns than memory holds
        throw Errore(MsgImpossibileCaricareLeColonne);
    }
}

void EditorColonne::CaricaFile(const std::filesystem::path& file) {
    std::vector<TCol8> lette;
    try {
        const auto lista = Leggi(file);
        lette.reserve(lista.Conteggio());
        for (const Colonna c : lista) Aggiungi(lette, c);
    } catch (const std::exception&) {
        throw Errore(MsgImpossibileCaricareLeColonne);
    }
    colonne_ = std::move(lette);
    NomeFile = file;
    SenzaNome = false;
    Modificato = false;
}

void EditorColonne::SalvaFile(const std::filesystem::path& file) {
    FileColonneInScrittura scrittura(file);
    bool scritto = scrittura.Aperto();
    for (std::size_t i = 0; scritto && i < colonne_.size(); ++i) {
        if (!ColonnaVuota(colonne_[i])) scritto = scrittura.Aggiungi(Maschera(colonne_[i]));
    }
    if (!scritto || !scrittura.Conferma()) throw Errore(MsgImpossibileSalvareLeColonne);
    NomeFile = file;
    SenzaNome = false;
    Modificato = false;
}

bool EditorColonne::DeveChiedereNome() const {
    return SenzaNome && NomeFile.filename() == NomePersonali;
}

std::string EditorColonne::Titolo() const {
    return "Editor Colonnare - " + NomeFile.filename().string();
}

std::size_t EditorColonne::MassimoScorrimento(std::size_t conteggio, std::size_t attuale) {
    if (conteggio + kCrescita <= attuale) return attuale;
    const std::size_t mancanti = conteggio + kCrescita - attuale;
    return attuale + (mancanti + kCrescita - 1) / kCrescita * kCrescita;
}

std::size_t EditorColonne::PrimaVisibile(std::size_t indice, std::size_t prima,
                                         std::size_t visibili) {
    if (indice < prima) return indice;
    if (indice >= prima + visibili) return indice - visibili + 1;
    return prima;
}

}  // namespace ludo
