#include "conditions/Misure.h"

#include <algorithm>
#include <bit>

namespace ludo {
namespace {

bool contiene(Colonna colonna, int n) { return n >= 1 && n <= 32 && ((colonna >> (n - 1)) & 1U) != 0; }

int limita(int n, int minimo, int massimo) { return std::clamp(n, minimo, massimo); }

// Counts the steps that satisfy a condition and their longest unbroken run.
struct Corsa {
    int conteggio = 0;
    int attuale = 0;
    int migliore = 0;
    void colpo() {
        ++conteggio;
        migliore = std::max(migliore, ++attuale);
    }
    void rottura() { attuale = 0; }
    [[nodiscard]] Valori valori() const { return {conteggio, migliore}; }
};

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
    Corsa corsa;
    for (int n = limita(da, 1, 33); n <= limita(a, 0, 32); ++n) {
        if (!contiene(colonna, n)) continue;
        if ((n % 2 == 0) == pari) {
            corsa.colpo();
        } else {
            corsa.rottura();
        }
    }
    return corsa.valori();
}

int MisuraConsecutivitaNumerica(Colonna colonna, int da, int a) {
    Corsa corsa;
    for (int n = limita(da, 1, 33); n <= limita(a, 0, 32); ++n) {
        if (contiene(colonna, n)) {
            corsa.colpo();
        } else {
            corsa.rottura();
        }
    }
    return corsa.migliore;
}

std::array<int, 5> MisuraNumeroSequenze(Colonna colonna) {
    std::array<int, 5> contatori{};
    int lunghezza = 0;
    for (int n = 1; n <= 33; ++n) {
        if (contiene(colonna, n)) {
            ++lunghezza;
            continue;
        }
        if (lunghezza >= 1 && lunghezza <= 4) ++contatori[static_cast<std::size_t>(lunghezza)];
        lunghezza = 0;
    }
    return contatori;
}

Distanze MisuraDistanzeGlobali(Colonna colonna) {
    Distanze d{5, 0, 0};
    int precedente = 0;
    for (int n = 1; n <= 32; ++n) {
        if (!contiene(colonna, n)) continue;
        if (precedente != 0) {
            const int distanza = n - precedente;
            d.minima = std::min(d.minima, distanza);
            d.massima = std::max(d.massima, distanza);
            d.totale += distanza;
        }
        precedente = n;
    }
    return d;
}

int MisuraDistanzaSpecifica(Colonna colonna, int posizione1, int posizione2) {
    int contati = 0;
    int ricordato = 0;
    for (int n = 1; n <= 32; ++n) {
        if (!contiene(colonna, n)) continue;
        ++contati;
        if (contati == posizione1) ricordato = n;
        if (contati == posizione2) return n - ricordato;
    }
    return 0;
}

int MisuraResti(Colonna colonna, int divisore) {
    if (divisore < 1) return 0;
    int somma = 0;
    for (int n = 1; n <= 32; ++n) somma += contiene(colonna, n) ? n : 0;
    return somma % divisore;
}

Baricentri MisuraBaricentri(Colonna colonna) {
    int somma = 0;
    int sommaPari = 0;
    int pari = 0;
    int sommaDispari = 0;
    int dispari = 0;
    for (int n = 1; n <= 32; ++n) {
        if (!contiene(colonna, n)) continue;
        somma += n;
        if (n % 2 == 0) {
            sommaPari += n;
            ++pari;
        } else {
            sommaDispari += n;
            ++dispari;
        }
    }
    return {somma / 8, pari == 0 ? 0 : sommaPari / pari, dispari == 0 ? 0 : sommaDispari / dispari};
}

int NumeroInPosizione(Colonna colonna, int posizione) { return NumeroK(posizione, colonna); }

Valori MisuraColonnaFiltro(Colonna colonna, Colonna filtro, bool flagPosizione, bool conCorsa) {
    Corsa corsa;
    int nellaColonna = 0;
    int nelFiltro = 0;
    for (int n = 1; n <= 32; ++n) {
        const bool c = contiene(colonna, n);
        const bool f = contiene(filtro, n);
        nellaColonna += c ? 1 : 0;
        nelFiltro += f ? 1 : 0;
        if (c != f) {
            corsa.rottura();  // in exactly one of the two
        } else if (c && (!flagPosizione || nellaColonna == nelFiltro)) {
            corsa.colpo();
        }
    }
    if (!flagPosizione && !conCorsa) return {corsa.conteggio, 0};
    return corsa.valori();
}

int FormulaDerivata(Colonna colonna) { return std::popcount(colonna & 0xAAAAAAAAU); }

double MisuraSomma(Colonna colonna, Colonna partite) {
    double somma = 0;
    for (int n = 1; n <= 32; ++n) somma += contiene(colonna & partite, n) ? n : 0;
    return somma;
}

double MisuraPicchetto(Colonna colonna, const std::array<bool, 32>& partite, const std::array<double, 32>& valori,
                       bool somma) {
    double x = somma ? 0.0 : 1.0;
    for (int n = 1; n <= 32; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (!contiene(colonna, n) || !partite[i]) continue;
        x = somma ? x + valori[i] : x * valori[i] / 100.0;
    }
    return somma ? x : x * 100.0;
}

Interruzioni MisuraInterruzioni(Colonna colonna, int da, int a, bool schema) {
    Interruzioni r;
    Corsa corsa;
    auto interruzione = [&](bool pariDopo) {
        corsa.colpo();
        (pariDopo ? r.segniPari : r.segniDispari) += 1;
    };
    if (schema) {
        const Segni segni = SchemaParita(colonna);
        for (int p = limita(da, 1, 9); p < limita(a, 0, 8); ++p) {
            const auto s = segni[static_cast<std::size_t>(p)];
            const auto dopo = segni[static_cast<std::size_t>(p + 1)];
            if (s != dopo) {
                interruzione(dopo == 1);
            } else {
                corsa.rottura();
            }
        }
    } else {
        int precedente = 0;
        for (int n = limita(da, 1, 33); n <= limita(a, 0, 32); ++n) {
            if (!contiene(colonna, n)) continue;
            if (precedente != 0 && n != precedente + 1) {
                interruzione(n % 2 == 0);
            } else if (precedente != 0) {
                corsa.rottura();
            }
            precedente = n;
        }
    }
    r.globali = corsa.valori();
    return r;
}

Simmetrie MisuraSimmetrie(Colonna colonna, int a, bool schema) {
    const int h = limita(a, 0, schema ? 8 : 32) / 2;
    const Segni segni = SchemaParita(colonna);
    auto coppia = [&](int x, int y) {
        if (schema) return segni[static_cast<std::size_t>(x)] == segni[static_cast<std::size_t>(y)];
        return contiene(colonna, x) && contiene(colonna, y);
    };
    Corsa dirette;
    Corsa inverse;
    const int ultimo = schema ? 9 : 33;
    const int meta = schema ? 4 : 16;
    for (int i = 1; i <= h; ++i) {
        coppia(i, ultimo - i) ? dirette.colpo() : dirette.rottura();
        coppia(i, i + meta) ? inverse.colpo() : inverse.rottura();
    }
    return {dirette.valori(), inverse.valori()};
}

Valori MisuraRipetizioni(Colonna colonna, Colonna precedente, int da, int a, bool schema) {
    Corsa corsa;
    if (schema) {
        const Segni s1 = SchemaParita(colonna);
        const Segni s2 = SchemaParita(precedente);
        for (int p = limita(da, 1, 9); p <= limita(a, 0, 8); ++p) {
            const auto i = static_cast<std::size_t>(p);
            (s1[i] == s2[i]) ? corsa.colpo() : corsa.rottura();
        }
    } else {
        for (int n = limita(da, 1, 33); n <= limita(a, 0, 32); ++n) {
            (contiene(colonna, n) && contiene(precedente, n)) ? corsa.colpo() : corsa.rottura();
        }
    }
    return corsa.valori();
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
        if (finestraTrovata(segni, p, par)) {
            corsa.colpo();
            p += passoTrovata;
        } else {
            corsa.rottura();
            p += passoNonTrovata;
        }
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
    std::array<int, 256> presenze{};
    int migliore = -1;
    int massimo = 0;
    for (int i = 0; i < occ.numero; ++i) {
        const int c = occ.codice[static_cast<std::size_t>(i)];
        if (++presenze[static_cast<std::size_t>(c)] > massimo) {
            massimo = presenze[static_cast<std::size_t>(c)];
            migliore = c;
        }
    }
    Corsa catena;
    int ultimo = -100;
    for (int i = 0; i < occ.numero; ++i) {
        if (occ.codice[static_cast<std::size_t>(i)] != migliore) continue;
        const int inizio = occ.inizio[static_cast<std::size_t>(i)];
        if (inizio != ultimo + lunghezza) catena.rottura();
        catena.colpo();
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
    const Occorrenze occ = leggiOccorrenze(segni, inizio, ultimoInizio, par);
    return par.tipo == 4 ? sequelaGenerica(occ, par.lunghezza) : sequelaSpecchio(occ, par.lunghezza);
}

}  // namespace ludo
