#include "core/archive/VistaArchivio.h"

#include "core/archive/ArchivioConcorsi.h"
#include "core/conditions/Misure.h"

namespace ludo {
namespace {

constexpr Colonna kPari = 0xAAAAAAAAU;     // 2, 4, …, 32
constexpr Colonna kDispari = 0x55555555U;  // 1, 3, …, 31

struct DescrizioneFamiglia {
    const char* nome;
    std::vector<IntestazioneVista> blocchi;
};

std::vector<std::string> Ripeti(std::initializer_list<const char*> tipi, int volte) {
    std::vector<std::string> tutti;
    for (int i = 0; i < volte; ++i) tutti.insert(tutti.end(), tipi.begin(), tipi.end());
    return tutti;
}

// The sequence columns of one length: for the one-sign, both-signs and
// generic kinds, points and run with non-overlapping windows then points
// with windows one position apart; then the points of the remaining
// variants. Length 2 has no run column for the generic kind.
std::vector<std::string> TipiSequele(int lunghezza) {
    if (lunghezza == 2) return {"Pt", "Cs", "Pt", "Pt", "Cs", "Pt", "Pt", "Pt", "Pt"};
    auto tipi = Ripeti({"Pt", "Cs", "Pt"}, 3);
    tipi.insert(tipi.end(), {"Pt", "Pt", "Pt"});
    return tipi;
}

std::string SottotitoloSequele(int l) {
    const std::string n = std::to_string(l);
    return "    M" + n + "      MN    B" + n + "       BN    J" + n + "   JN   S" + n;
}

const std::array<DescrizioneFamiglia, NumeroFamiglie>& Descrizioni() {
    static const std::array<DescrizioneFamiglia, NumeroFamiglie> d = {{
        {"Somme", {{"   Somme  ", "Tut Par Dis", Ripeti({"Pt"}, 3)}}},
        {"Num. di Sequenze", {{"Numero di Seq.", "L1   L2    L3    L4", Ripeti({"Pt"}, 4)}}},
        {"Consecutività Numerica", {{"Cs", "Cs", {"Cs"}}}},
        {"Interruzioni",
         {{" Interruzioni Num.", "    Gl.       Par  Dis", {"Pt", "Cs", "Pt", "Pt"}},
          {" Interruzioni P.D. ", "    Gl.       Par  Dis", {"Pt", "Cs", "Pt", "Pt"}}}},
        {"Pari e Dispari", {{"   Pari e Dispari", "  Pari       Dispari", Ripeti({"Pt", "Cs"}, 2)}}},
        {"Simmetrie",
         {{"  Simmetrie Numer.", " Dirette   Inverse  Tot", {"Pt", "Cs", "Pt", "Cs", "Pt"}},
          {" Simmetrie Pari Disp.", " Dirette   Inverse  Tot", {"Pt", "Cs", "Pt", "Cs", "Pt"}}}},
        {"Vortici", {{"Vort Dir  Vort Inv", "Ps.  Br.  Ps.  Br.", Ripeti({"Ps", "Br"}, 2)}}},
        {"Ripetizioni",
         {{" Ripetizioni Num.", "1  Prec.   2 Prec.", Ripeti({"Pt", "Cs"}, 2)},
          {" Ripetizioni P.D.", "1  Prec.   2 Prec.", Ripeti({"Pt", "Cs"}, 2)}}},
        {"Resti", {{" R8", " Pt", {"Pt"}}}},
        {"Distanze Globali", {{"   Distanze", " m   M    Tot", Ripeti({"Pt"}, 3)}}},
        {"Baricentri", {{"  Baricentri", "Par Dis Tut", Ripeti({"Pt"}, 3)}}},
        {"Accoppiate", {{"             Sequele Di Lunghezza 2", SottotitoloSequele(2), TipiSequele(2)}}},
        {"Terzine", {{"                     Sequele Di Lunghezza 3", SottotitoloSequele(3), TipiSequele(3)}}},
        {"Quartine",
         {{"                     Sequele Di Lunghezza 4                       ", SottotitoloSequele(4),
           TipiSequele(4)}}},
    }};
    return d;
}

Valori Sequela(Colonna c, int tipo, int lunghezza, int passo) {
    ParametriSequela p;
    p.tipo = tipo;
    p.lunghezza = lunghezza;
    p.passoTrovata = passo;
    p.passoNonTrovata = 1;
    return MisuraSequela(c, 1, 8, p);
}

// One sign, both signs, generic and mirror windows of one length.
void AggiungiSequele(std::vector<int>& v, Colonna c, int l) {
    constexpr int kMonotermine = 2, kBitermine = 3, kGenerica = 4, kSpecchio = 5;
    for (int tipo : {kMonotermine, kBitermine}) {
        const Valori separate = Sequela(c, tipo, l, l);
        v.insert(v.end(), {separate.v, separate.w, Sequela(c, tipo, l, 1).v});
    }
    const Valori generica = Sequela(c, kGenerica, l, l);
    if (l == 2) {
        v.insert(v.end(), {generica.v, Sequela(c, kGenerica, l, 1).v, Sequela(c, kSpecchio, l, l).v});
        return;
    }
    v.insert(v.end(), {generica.v, generica.w, Sequela(c, kGenerica, l, 1).v});
    v.insert(v.end(), {Sequela(c, kSpecchio, l, l).v, Sequela(c, kSpecchio, l, 1).v, Sequela(c, kSpecchio, l, 2).v});
}

void AggiungiInterruzioni(std::vector<int>& v, Colonna c, bool schema) {
    const Interruzioni i = MisuraInterruzioni(c, 1, schema ? 8 : 32, schema);
    v.insert(v.end(), {i.globali.v, i.globali.w, i.segniPari, i.segniDispari});
}

void AggiungiSimmetrie(std::vector<int>& v, Colonna c, bool schema) {
    const Simmetrie s = MisuraSimmetrie(c, schema ? 8 : 32, schema);
    v.insert(v.end(), {s.dirette.v, s.dirette.w, s.inverse.v, s.inverse.w, s.dirette.v + s.inverse.v});
}

void AggiungiRipetizioni(std::vector<int>& v, Colonna c, Colonna ultimo, Colonna penultimo, bool schema) {
    const int a = schema ? 8 : 32;
    const Valori una = MisuraRipetizioni(c, ultimo, 1, a, schema);
    const Valori due = MisuraRipetizioni(c, penultimo, 1, a, schema);
    v.insert(v.end(), {una.v, una.w, due.v, due.w});
}

void AggiungiFamiglia(std::vector<int>& v, FamigliaVista f, const ArchivioConcorsi& archivio, std::size_t indice) {
    const Colonna c = archivio[indice].Vincente;
    switch (f) {
        case FamigliaVista::Somme:
            v.insert(v.end(), {static_cast<int>(MisuraSomma(c, ~Colonna{0})), static_cast<int>(MisuraSomma(c, kPari)),
                               static_cast<int>(MisuraSomma(c, kDispari))});
            break;
        case FamigliaVista::NumeroSequenze: {
            const auto s = MisuraNumeroSequenze(c);
            v.insert(v.end(), {s[1], s[2], s[3], s[4]});
            break;
        }
        case FamigliaVista::ConsecutivitaNumerica: v.push_back(MisuraConsecutivitaNumerica(c, 1, 32)); break;
        case FamigliaVista::Interruzioni:
            AggiungiInterruzioni(v, c, false);
            AggiungiInterruzioni(v, c, true);
            break;
        case FamigliaVista::PariDispari: {
            const Valori pari = MisuraParita(c, 1, 32, true);
            const Valori dispari = MisuraParita(c, 1, 32, false);
            v.insert(v.end(), {pari.v, pari.w, dispari.v, dispari.w});
            break;
        }
        case FamigliaVista::Simmetrie:
            AggiungiSimmetrie(v, c, false);
            AggiungiSimmetrie(v, c, true);
            break;
        case FamigliaVista::Vortici: {
            const Vortice diretto = MisuraVortice(c, 1, 8, false);
            const Vortice inverso = MisuraVortice(c, 1, 8, true);
            v.insert(v.end(), {diretto.posizione, diretto.bracci, inverso.posizione, inverso.bracci});
            break;
        }
        case FamigliaVista::Ripetizioni: {
            const Colonna ultimo = indice >= 1 ? archivio[indice - 1].Vincente : 0;
            const Colonna penultimo = indice >= 2 ? archivio[indice - 2].Vincente : 0;
            AggiungiRipetizioni(v, c, ultimo, penultimo, false);
            AggiungiRipetizioni(v, c, ultimo, penultimo, true);
            break;
        }
        case FamigliaVista::Resti: v.push_back(MisuraResti(c, 8)); break;
        case FamigliaVista::DistanzeGlobali: {
            const Distanze d = MisuraDistanzeGlobali(c);
            v.insert(v.end(), {d.minima, d.massima, d.totale});
            break;
        }
        case FamigliaVista::Baricentri: {
            const Baricentri b = MisuraBaricentri(c);
            v.insert(v.end(), {b.pari, b.dispari, b.tutti});
            break;
        }
        case FamigliaVista::Accoppiate: AggiungiSequele(v, c, 2); break;
        case FamigliaVista::Terzine: AggiungiSequele(v, c, 3); break;
        case FamigliaVista::Quartine: AggiungiSequele(v, c, 4); break;
    }
}

std::string TipoBreve(std::uint8_t tipo) {
    switch (tipo) {
        case SerieA: return "A";
        case SerieB: return "B";
        case SerieC: return "C";
        default: return "Altri";
    }
}

}  // namespace

const char* NomeFamiglia(FamigliaVista famiglia) { return Descrizioni()[static_cast<std::size_t>(famiglia)].nome; }

std::vector<IntestazioneVista> IntestazioniVista(const FamiglieVista& famiglie) {
    std::vector<IntestazioneVista> blocchi;
    for (std::size_t f = 0; f < NumeroFamiglie; ++f) {
        if (!famiglie[f]) continue;
        const auto& d = Descrizioni()[f].blocchi;
        blocchi.insert(blocchi.end(), d.begin(), d.end());
    }
    return blocchi;
}

RigaVista RigaVistaArchivio(const ArchivioConcorsi& archivio, std::size_t indice, const FamiglieVista& famiglie) {
    const T_Concorso& concorso = archivio[indice];
    RigaVista riga;
    riga.Anno = std::to_string(concorso.Anno);
    riga.Numero = std::to_string(concorso.NumConcorso);
    riga.Tipo = TipoBreve(concorso.TipoConcorso);
    riga.Colonna = TestoColonna(concorso.Vincente);
    for (std::size_t f = 0; f < NumeroFamiglie; ++f) {
        if (famiglie[f]) AggiungiFamiglia(riga.Valori, static_cast<FamigliaVista>(f), archivio, indice);
    }
    return riga;
}

}  // namespace ludo
