#include "core/checking/Spoglio.h"

namespace ludo {

void AggiungiEspansa(Punteggi& punti, Colonna colonna, Colonna vincente) {
    const int n = NumeroNumeri(colonna);
    if (n < 8) return;
    // Of the C(n, 8) columns of a set with p winning numbers,
    // C(p, j) C(n - p, 8 - j) score j.
    const int p = NumeriComuni(colonna, vincente);
    for (int j = 0; j <= 8; ++j) {
        punti[static_cast<std::size_t>(j)] +=
            static_cast<std::int32_t>(Binomiale(p, j) * Binomiale(n - p, 8 - j));
    }
}

Punteggi SpoglioSingolo(const ListaColonne& lista, Colonna vincente) {
    Punteggi punti{};
    for (const Colonna c : lista) {
        if (NumeroNumeri(c) == 8) {
            ++punti[static_cast<std::size_t>(NumeriComuni(c, vincente))];
        } else {
            AggiungiEspansa(punti, c, vincente);
        }
    }
    return punti;
}

std::string RigaCondizioneSbagliata(const TErrore& errore) {
    std::string riga = errore.Condizione == nullptr ? std::string("Pronostico") : errore.Condizione->Nome;
    if (errore.Posizione > 0) riga += "(" + std::to_string(errore.Posizione) + ")";
    return riga;
}

std::string RigaScorrimento(const std::string& riga, int posizione) {
    // Characters, not bytes: an accented letter is two bytes of UTF-8.
    std::size_t p = 0;
    for (int saltati = 0; saltati < posizione && p < riga.size(); ++saltati) {
        do {
            ++p;
        } while (p < riga.size() && (static_cast<unsigned char>(riga[p]) & 0xC0) == 0x80);
    }
    return riga.substr(p);
}

namespace {

template <typename Segna>
std::vector<TSchedinaVin> Schedine(const ListaColonne& lista, Segna&& segna, bool soloVincenti) {
    std::vector<TSchedinaVin> schedine;
    TSchedinaVin corrente;
    bool vince = false;
    std::int32_t numero = 0;
    const auto chiudi = [&] {
        if (corrente.Quante > 0 && (vince || !soloVincenti)) schedine.push_back(corrente);
        corrente = {};
        vince = false;
    };
    for (const Colonna c : lista) {
        if (corrente.Quante == 0) corrente.Numero = ++numero;
        const auto i = static_cast<std::size_t>(corrente.Quante++);
        corrente.Colonne[i] = c;
        corrente.Vincente[i] = segna(c) ? 1 : 0;
        vince = vince || corrente.Vincente[i] != 0;
        if (corrente.Quante == ColonnePerSchedina) chiudi();
    }
    chiudi();
    return schedine;
}

}  // namespace

std::vector<TSchedinaVin> SchedineDiSei(const ListaColonne& lista) {
    return Schedine(lista, [](Colonna) { return false; }, false);
}

std::vector<TSchedinaVin> SchedineVincenti(const ListaColonne& lista, Colonna vincente, int punti) {
    return Schedine(lista, [&](Colonna c) { return NumeriComuni(c, vincente) >= punti; }, true);
}

int MassimoScorrimentoSchedine(std::size_t schedine) {
    return schedine > SchedineVisibili ? static_cast<int>(schedine) - SchedineVisibili : 0;
}

int PunteggioPiuAlto(const Punteggi& punti) {
    for (int k = 8; k >= 0; --k) {
        if (punti[static_cast<std::size_t>(k)] > 0) return k;
    }
    return -1;
}

}  // namespace ludo
