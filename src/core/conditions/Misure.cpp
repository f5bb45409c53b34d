#include "core/conditions/Misure.h"

#include <algorithm>
#include <bit>

namespace ludo {
namespace {

int limita(int n, int minimo, int massimo) { return std::clamp(n, minimo, massimo); }

// The numbers da..a as a mask (empty when the range is).
Colonna intervallo(int da, int a) {
    da = limita(da, 1, 33);
    a = limita(a, 0, 32);
    if (da > a) return 0;
    const Colonna finoA = ~Colonna{0} >> (32 - a);
    return finoA & ~((Colonna{1} << (da - 1)) - 1);
}

// Numbers 1..h.
Colonna primi(int h) { return h <= 0 ? 0 : ~Colonna{0} >> (32 - limita(h, 1, 32)); }

// Calls f(n) for each number of the mask, in ascending order.
template <typename F>
void perOgniNumero(Colonna maschera, F f) {
    for (; maschera != 0; maschera &= maschera - 1) f(std::countr_zero(maschera) + 1);
}

// The longest run of consecutive numbers of the mask: each step drops the
// last number of every run.
int corsaPiuLunga(Colonna maschera) {
    int lunghezza = 0;
    for (; maschera != 0; maschera &= maschera << 1) ++lunghezza;
    return lunghezza;
}

// Bit k goes to bit 31-k.
Colonna rovescia(Colonna m) {
    m = ((m >> 1) & 0x55555555U) | ((m & 0x55555555U) << 1);
    m = ((m >> 2) & 0x33333333U) | ((m & 0x33333333U) << 2);
    m = ((m >> 4) & 0x0F0F0F0FU) | ((m & 0x0F0F0F0FU) << 4);
    m = ((m >> 8) & 0x00FF00FFU) | ((m & 0x00FF00FFU) << 8);
    return (m >> 16) | (m << 16);
}

// Counts the steps that satisfy a condition and their longest unbroken run.
// Written without branches: the outcome of a step is as random as the
// columns are, and a mispredicted branch costs more than the whole step.
struct Corsa {
    int conteggio = 0;
    int attuale = 0;
    int migliore = 0;
    // A step that may break the run and then may count in it; a step that
    // does neither leaves the run alone.
    void passo(bool colpito, bool rompe) {
        conteggio += colpito ? 1 : 0;
        attuale = (rompe ? 0 : attuale) + (colpito ? 1 : 0);
        migliore = std::max(migliore, attuale);
    }
    void passo(bool colpito) { passo(colpito, !colpito); }
    [[nodiscard]] Valori valori() const { return {conteggio, migliore}; }
};

// For each number of the mask in ascending order, the bit of that number in
// segno, packed from bit 0: the sequence a run is measured on.
Colonna sequenza(Colonna maschera, Colonna segno) {
    Colonna risultato = 0;
    for (int k = 0; maschera != 0; maschera &= maschera - 1, ++k) {
        risultato |= ((segno >> std::countr_zero(maschera)) & 1U) << k;
    }
    return risultato;
}

constexpr Colonna kNumeriPari = 0xAAAAAAAAU;  // bit n-1 of every even n

// The count and the longest run of the numbers of a mask.
Valori contaECorsa(Colonna maschera) { return {std::popcount(maschera), corsaPiuLunga(maschera)}; }

}  // namespace

Segni SchemaParita(Colonna colonna) {
    Segni segni{};
    std::size_t p = 1;
    for (Colonna resto = colonna; resto != 0 && p <= 8; resto &= resto - 1, ++p) {
        const int n = std::countr_zero(resto) + 1;
        segni[p] = (n % 2 == 0) ? 1 : 2;
    }
    return segni;
}

Valori MisuraParita(Colonna colonna, int da, int a, bool pari) {
    // Only the column's numbers count, so the run is taken on the sequence
    // of their parities.
    return contaECorsa(sequenza(colonna & intervallo(da, a), pari ? kNumeriPari : ~kNumeriPari));
}

int MisuraConsecutivitaNumerica(Colonna colonna, int da, int a) { return corsaPiuLunga(colonna & intervallo(da, a)); }

std::array<int, 5> MisuraNumeroSequenze(Colonna colonna) {
    std::array<int, 5> contatori{};
    // Adding the lowest number of the lowest run carries through the run
    // and clears it.
    for (Colonna m = colonna; m != 0; m &= m + (m & (~m + 1))) {
        const int lunghezza = std::countr_one(m >> std::countr_zero(m));
        if (lunghezza <= 4) ++contatori[static_cast<std::size_t>(lunghezza)];
    }
    return contatori;
}

Distanze MisuraDistanzeGlobali(Colonna colonna) {
    Distanze d{5, 0, 0};
    int precedente = 0;
    perOgniNumero(colonna, [&](int n) {
        if (precedente != 0) {
            const int distanza = n - precedente;
            d.minima = std::min(d.minima, distanza);
            d.massima = std::max(d.massima, distanza);
            d.totale += distanza;
        }
        precedente = n;
    });
    return d;
}

int MisuraDistanzaSpecifica(Colonna colonna, int posizione1, int posizione2) {
    int contati = 0;
    int ricordato = 0;
    for (Colonna m = colonna; m != 0; m &= m - 1) {
        const int n = std::countr_zero(m) + 1;
        ++contati;
        if (contati == posizione1) ricordato = n;
        if (contati == posizione2) return n - ricordato;
    }
    return 0;
}

namespace {
int sommaNumeri(Colonna maschera) {
    int somma = 0;
    perOgniNumero(maschera, [&](int n) { somma += n; });
    return somma;
}
}  // namespace

int MisuraResti(Colonna colonna, int divisore) {
    if (divisore < 1) return 0;
    return sommaNumeri(colonna) % divisore;
}

Baricentri MisuraBaricentri(Colonna colonna) {
    constexpr Colonna kPari = kNumeriPari;
    const int pari = std::popcount(colonna & kPari);
    const int dispari = std::popcount(colonna & ~kPari);
    const int sommaPari = sommaNumeri(colonna & kPari);
    const int sommaDispari = sommaNumeri(colonna & ~kPari);
    return {(sommaPari + sommaDispari) / 8, pari == 0 ? 0 : sommaPari / pari,
            dispari == 0 ? 0 : sommaDispari / dispari};
}

std::array<int, 8> MisuraPosizioni(Colonna colonna) {
    std::array<int, 8> numeri{32, 32, 32, 32, 32, 32, 32, 32};
    Colonna resto = colonna;
    for (std::size_t p = 0; p < numeri.size() && resto != 0; ++p, resto &= resto - 1) {
        numeri[p] = std::countr_zero(resto) + 1;
    }
    return numeri;
}

Valori MisuraColonnaFiltro(Colonna colonna, Colonna filtro, bool flagPosizione, bool conCorsa) {
    Colonna colpi = colonna & filtro;
    if (flagPosizione) {
        // A common number is a hit when as many numbers of the column as of
        // the filter column stand up to it.
        for (Colonna comuni = colpi; comuni != 0; comuni &= comuni - 1) {
            const Colonna finoA = (comuni & (~comuni + 1)) * 2 - 1;  // 1..n (all bits for n = 32)
            if (std::popcount(colonna & finoA) != std::popcount(filtro & finoA)) colpi &= ~(comuni & (~comuni + 1));
        }
    }
    const int numero = std::popcount(colpi);
    if (!flagPosizione && !conCorsa) return {numero, 0};
    // The run over the numbers that are hits or in exactly one of the two
    // (those break it); other numbers leave it alone.
    return {numero, corsaPiuLunga(sequenza(colpi | (colonna ^ filtro), colpi))};
}

int FormulaDerivata(Colonna colonna) { return std::popcount(colonna & 0xAAAAAAAAU); }

double MisuraSomma(Colonna colonna, Colonna partite) { return sommaNumeri(colonna & partite); }

SommaPossibile SommaPossibileDi(Colonna partite) {
    constexpr int numeriColonna = 8;
    const int scelte = std::popcount(partite);
    const int obbligate = std::max(0, numeriColonna - (32 - scelte));
    SommaPossibile s;
    int presi = 0;
    for (int n = 1; n <= 32 && presi < obbligate; ++n) {
        if ((partite >> (n - 1)) & 1U) {
            s.minimo += n;
            ++presi;
        }
    }
    presi = 0;
    for (int n = 32; n >= 1 && presi < numeriColonna; --n) {
        if ((partite >> (n - 1)) & 1U) {
            s.massimo += n;
            ++presi;
        }
    }
    return s;
}

bool CompletaPartitePicchetto(std::array<bool, 32>& partite, Colonna inGioco) {
    constexpr int minimo = 8;
    int scelte = 0;
    for (std::size_t i = 0; i < partite.size(); ++i) {
        partite[i] = partite[i] && ((inGioco >> i) & 1U) != 0;
        scelte += partite[i] ? 1 : 0;
    }
    bool aggiunte = false;
    for (std::size_t i = 0; i < partite.size() && scelte < minimo; ++i) {
        if (partite[i] || ((inGioco >> i) & 1U) == 0) continue;
        partite[i] = true;
        ++scelte;
        aggiunte = true;
    }
    return aggiunte;
}

double MisuraPicchetto(Colonna colonna, const std::array<bool, 32>& partite, const std::array<double, 32>& valori,
                       bool somma) {
    double x = somma ? 0.0 : 1.0;
    perOgniNumero(colonna, [&](int n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (!partite[i]) return;
        x = somma ? x + valori[i] : x * valori[i] / 100.0;
    });
    return somma ? x : x * 100.0;
}

Interruzioni MisuraInterruzioni(Colonna colonna, int da, int a, bool schema) {
    Interruzioni r;
    if (schema) {
        const Segni segni = SchemaParita(colonna);
        Corsa corsa;
        for (int p = limita(da, 1, 9); p < limita(a, 0, 8); ++p) {
            const auto dopo = segni[static_cast<std::size_t>(p + 1)];
            const bool cambio = segni[static_cast<std::size_t>(p)] != dopo;
            corsa.passo(cambio);
            r.segniPari += (cambio && dopo == 1) ? 1 : 0;
            r.segniDispari += (cambio && dopo == 2) ? 1 : 0;
        }
        r.globali = corsa.valori();
        return r;
    }
    // An interruption is a number whose predecessor is not in the column,
    // the first number excepted; the run is taken over the column's numbers.
    const Colonna numeri = colonna & intervallo(da, a);
    Colonna interruzioni = numeri & ~(numeri << 1);
    interruzioni &= interruzioni - 1;
    r.globali = contaECorsa(sequenza(numeri, interruzioni));
    r.segniPari = std::popcount(interruzioni & kNumeriPari);
    r.segniDispari = std::popcount(interruzioni & ~kNumeriPari);
    return r;
}

Simmetrie MisuraSimmetrie(Colonna colonna, int a, bool schema) {
    const int h = limita(a, 0, schema ? 8 : 32) / 2;
    if (!schema) {
        // Bit i-1 of each mask marks pair i: (i, 33-i) for the direct
        // symmetries, (i, i+16) for the inverse ones.
        return {contaECorsa(colonna & rovescia(colonna) & primi(h)), contaECorsa(colonna & (colonna >> 16) & primi(h))};
    }
    const Segni segni = SchemaParita(colonna);
    auto uguali = [&](int x, int y) { return segni[static_cast<std::size_t>(x)] == segni[static_cast<std::size_t>(y)]; };
    Corsa dirette;
    Corsa inverse;
    for (int i = 1; i <= h; ++i) {
        dirette.passo(uguali(i, 9 - i));
        inverse.passo(uguali(i, i + 4));
    }
    return {dirette.valori(), inverse.valori()};
}

namespace {

// The parity pattern as masks over positions (bit p-1 for position p): the
// positions that hold a number, and those whose number is odd.
struct SchemaBit {
    Colonna presenti;
    Colonna dispari;
};

SchemaBit schemaBit(Colonna colonna) {
    const Colonna presenti = primi(std::min(std::popcount(colonna), 8));
    return {presenti, sequenza(colonna, ~kNumeriPari) & presenti};
}

}  // namespace

Valori MisuraRipetizioni(Colonna colonna, Colonna precedente, int da, int a, bool schema) {
    if (!schema) return contaECorsa(colonna & precedente & intervallo(da, a));
    // Two signs are equal when both positions hold numbers of the same
    // parity, or when neither holds a number.
    const SchemaBit s1 = schemaBit(colonna);
    const SchemaBit s2 = schemaBit(precedente);
    return contaECorsa(~(s1.presenti ^ s2.presenti) & ~(s1.dispari ^ s2.dispari) & intervallo(da, std::min(a, 8)));
}

Vortice MisuraVortice(Colonna colonna, int da, int a, bool inverso) {
    const Segni segni = SchemaParita(colonna);
    auto segno = [&](int p) { return segni[static_cast<std::size_t>(limita(p, 0, 9))]; };
    int lo = limita(da, 1, 8);
    int hi = limita(a, 1, 8);
    bool daDestra = !inverso;
    std::uint8_t s = inverso ? segno(hi--) : segno(lo++);
    Vortice r;
    int giri = 0;
    do {
        ++giri;
        if (daDestra) {
            int p = hi;
            while (p >= lo && segno(p) != s) --p;
            if (p >= lo) {
                r.posizione = p;
                hi = p - 1;
                daDestra = false;
            } else {
                s = segno(lo++);
            }
        } else {
            int p = lo;
            while (p <= hi && segno(p) != s) ++p;
            if (p <= hi) {
                r.posizione = p;
                lo = p + 1;
                daDestra = true;
            } else {
                s = segno(hi--);
            }
        }
    } while (hi >= lo - 1);
    r.bracci = giri - 1;
    return r;
}

namespace {

bool finestraTrovata(const Segni& segni, int p, const ParametriSequela& par) {
    bool pari = false;
    bool dispari = false;
    for (int k = 0; k < par.lunghezza; ++k) {
        const auto s = segni[static_cast<std::size_t>(p + k)];
        if (par.tipo == 1 && s != par.sequela[static_cast<std::size_t>(k)]) return false;
        pari = pari || s == 1;
        dispari = dispari || s == 2;
    }
    if (par.tipo == 2) return pari != dispari;
    if (par.tipo == 3) return pari && dispari;
    return true;
}

Valori sequelaSemplice(const Segni& segni, int da, int ultimoInizio, const ParametriSequela& par) {
    Corsa corsa;
    const int passoTrovata = std::max(1, par.passoTrovata);
    const int passoNonTrovata = std::max(1, par.passoNonTrovata);
    for (int p = da; p <= ultimoInizio;) {
        const bool trovata = finestraTrovata(segni, p, par);
        corsa.passo(trovata);
        p += trovata ? passoTrovata : passoNonTrovata;
    }
    return corsa.valori();
}

// Occurrences of the window patterns, in scan order.
struct Occorrenze {
    std::array<int, 8> codice{};
    std::array<int, 8> inizio{};
    int numero = 0;
};

int codiceFinestra(const Segni& segni, int p, int lunghezza) {
    int codice = 0;
    for (int k = 0; k < lunghezza; ++k) codice |= (segni[static_cast<std::size_t>(p + k)] / 2) << k;
    return codice;
}

int specchio(int codice, int lunghezza) {
    int r = 0;
    for (int k = 0; k < lunghezza; ++k) r |= ((codice >> k) & 1) << (lunghezza - 1 - k);
    return r;
}

Occorrenze leggiOccorrenze(const Segni& segni, int da, int ultimoInizio, const ParametriSequela& par) {
    const int passo = (par.passoTrovata == par.lunghezza && par.passoNonTrovata == 1) ? 1 : std::max(1, par.passoTrovata);
    Occorrenze occ;
    for (int p = da; p <= ultimoInizio && occ.numero < 8; p += passo) {
        const int codice = codiceFinestra(segni, p, par.lunghezza);
        // With single steps, a window overlapping the previous occurrence of
        // the same pattern is the same occurrence seen again.
        bool sovrapposta = false;
        for (int i = occ.numero - 1; i >= 0 && !sovrapposta; --i) {
            if (occ.codice[static_cast<std::size_t>(i)] == codice) {
                sovrapposta = p < occ.inizio[static_cast<std::size_t>(i)] + par.lunghezza;
                break;
            }
        }
        if (sovrapposta) continue;
        occ.codice[static_cast<std::size_t>(occ.numero)] = codice;
        occ.inizio[static_cast<std::size_t>(occ.numero)] = p;
        ++occ.numero;
    }
    return occ;
}

Valori sequelaGenerica(const Occorrenze& occ, int lunghezza) {
    // The first code to reach the highest count wins: counting each
    // occurrence among those before it finds who got there first.
    int migliore = -1;
    int massimo = 0;
    for (int i = 0; i < occ.numero; ++i) {
        const int c = occ.codice[static_cast<std::size_t>(i)];
        int presenze = 1;
        for (int j = 0; j < i; ++j) presenze += occ.codice[static_cast<std::size_t>(j)] == c ? 1 : 0;
        if (presenze > massimo) {
            massimo = presenze;
            migliore = c;
        }
    }
    Corsa catena;
    int ultimo = -100;
    for (int i = 0; i < occ.numero; ++i) {
        if (occ.codice[static_cast<std::size_t>(i)] != migliore) continue;
        const int inizio = occ.inizio[static_cast<std::size_t>(i)];
        // An occurrence right after the previous one extends the chain.
        catena.passo(true, inizio != ultimo + lunghezza);
        ultimo = inizio;
    }
    return {massimo, catena.migliore};
}

Valori sequelaSpecchio(const Occorrenze& occ, int lunghezza) {
    std::array<bool, 8> usata{};
    int coppie = 0;
    for (int i = 0; i < occ.numero; ++i) {
        if (usata[static_cast<std::size_t>(i)]) continue;
        const int cercato = specchio(occ.codice[static_cast<std::size_t>(i)], lunghezza);
        for (int j = i + 1; j < occ.numero; ++j) {
            if (!usata[static_cast<std::size_t>(j)] && occ.codice[static_cast<std::size_t>(j)] == cercato) {
                usata[static_cast<std::size_t>(i)] = usata[static_cast<std::size_t>(j)] = true;
                ++coppie;
                break;
            }
        }
    }
    return {coppie, 0};
}

}  // namespace

Valori MisuraSequela(Colonna colonna, int da, int a, const ParametriSequela& par) {
    if (par.lunghezza < 1 || par.lunghezza > 8) return {};
    const Segni segni = SchemaParita(colonna);
    const int inizio = limita(da, 1, 9);
    const int ultimoInizio = limita(a, 0, 8) - par.lunghezza + 1;
    if (par.tipo >= 1 && par.tipo <= 3) return sequelaSemplice(segni, inizio, ultimoInizio, par);
    if (par.tipo != 4 && par.tipo != 5) return {};
    const Occorrenze occ = leggiOccorrenze(segni, inizio, ultimoInizio, par);
    return par.tipo == 4 ? sequelaGenerica(occ, par.lunghezza) : sequelaSpecchio(occ, par.lunghezza);
}

}  // namespace ludo
