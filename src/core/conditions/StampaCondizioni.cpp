// The printed description of every condition type: its name and settings,
// then the accepted values of each table in use.
#include <algorithm>
#include <array>
#include <cstdio>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"

namespace ludo {
namespace {

// The names of a type's tables, in table order.
std::vector<std::string> NomiTabelle(std::uint8_t codice, std::size_t numero) {
    using Nomi = std::vector<std::string>;
    switch (codice) {
        case CodPariDispari: return Nomi{"Pari", "Dispari"};
        case CodInterruzioni: return Nomi{"Globali", "Segni Pari", "Segni Dispari"};
        case CodSimmetrie: return Nomi{"Dirette", "Inverse", "Totali"};
        case CodVortice:
            return Nomi{"Posizione Diretto", "Bracci Diretto", "Posizione Inverso", "Bracci Inverso"};
        case CodRipetizioni: return Nomi{"Una Prec.", "Due Prec."};
        case CodDistanzeGlobali: return Nomi{"Minima", "Massima", "Totale"};
        case CodBaricentri: return Nomi{"Tutti", "Pari", "Dispari"};
        case CodConsecutivitaNumerica: return Nomi{"Consecutività"};
        case CodSequela: return Nomi{"Sequele"};
        case CodDistanzaSpecifica: return Nomi{"Distanza"};
        case CodResti: return Nomi{"Resto"};
        case CodConsecutivita: return Nomi{"Segni", "Consecutività Ammessa"};
        case CodColonnaFiltro: return Nomi{"Punti"};
        case CodQuadro: return Nomi{"Condizioni Soddisfatte"};
        case CodSomma: return Nomi{"Somma"};
        case CodPicchetto: return Nomi{"Valore"};
        default: break;
    }
    // Posizioni, Numero di Sequenze and "Punti Tra": numbered tables.
    const char* prefisso = codice == CodPosizioni         ? "Posizione "
                           : codice == CodNumeroSequenze ? "Seq. di lung. "
                                                         : "Gruppo ";
    Nomi nomi;
    for (std::size_t i = 1; i <= numero; ++i) nomi.push_back(prefisso + std::to_string(i));
    return nomi;
}

std::string Recupero(char link, int livello) {
    return std::string(" Rec. ") + link + "/" + std::to_string(livello);
}

// The accepted values in runs ("2-4", "6"), then each value in recovery
// with its link and level.
std::vector<std::string> VociTabella(const TabellaMisura& t, int massimo) {
    std::vector<std::string> voci;
    for (int v = 0; v <= massimo; ++v) {
        if (t.Voce(v).Stato != Accettato) continue;
        int fine = v;
        while (fine < massimo && t.Voce(fine + 1).Stato == Accettato) ++fine;
        voci.push_back(fine == v ? std::to_string(v) : std::to_string(v) + "-" + std::to_string(fine));
        v = fine;
    }
    for (int v = 0; v <= massimo; ++v) {
        const VoceMisura voce = t.Voce(v);
        if (voce.Stato == InRecupero) voci.push_back(std::to_string(v) + Recupero(t.Link, voce.Livello));
    }
    return voci;
}

std::vector<std::string> VociIntervalli(const TIntervalli& t) {
    std::vector<std::string> voci;
    for (int i = 0; i < t.Numero && i < TIntervalli::MassimoIntervalli; ++i) {
        const Intervallo& x = t.Intervalli[static_cast<std::size_t>(i)];
        char testo[64];
        std::snprintf(testo, sizeof testo, "%.2f - %.2f", x.Min, x.Max);
        voci.emplace_back(testo);
        if (x.Stato == InRecupero) voci.back() += Recupero(t.Link, x.Livello);
    }
    return voci;
}

// The numbers of a mask separated by blanks: "1 5 17".
std::string Numeri(Colonna maschera) {
    std::string testo;
    for (int n = 1; n <= 32; ++n) {
        if (((maschera >> (n - 1)) & 1U) == 0) continue;
        if (!testo.empty()) testo += ' ';
        testo += std::to_string(n);
    }
    return testo.empty() ? "nessuna" : testo;
}

Colonna Maschera(const std::array<bool, 32>& partite) {
    Colonna m = 0;
    for (int n = 1; n <= 32; ++n) {
        if (partite[static_cast<std::size_t>(n - 1)]) m |= Colonna{1} << (n - 1);
    }
    return m;
}

// The settings of the type that its tables do not show.
std::vector<std::string> Impostazioni(const TCondizione& c) {
    switch (c.Codice) {
        case CodInterruzioni:
        case CodSimmetrie:
        case CodRipetizioni: return {c.Modo == 1 ? "Pari Dispari" : "Numeriche"};
        case CodFormuleDerivate: {
            const auto& f = static_cast<const TFormuleDerivate&>(c);
            std::vector<std::string> voci{"Formule"};
            for (int k = 0; k <= 8; ++k) {
                if (f.Formule[static_cast<std::size_t>(k)]) voci.back() += " " + TestoFormulaDerivata(k);
            }
            return voci;
        }
        case CodDistanzaSpecifica: {
            const auto& d = static_cast<const TDistanzaSpecifica&>(c);
            return {"Posizioni " + std::to_string(d.Posizione1) + " e " + std::to_string(d.Posizione2)};
        }
        case CodResti: return {"Divisore " + std::to_string(static_cast<const TResti&>(c).Divisore)};
        case CodColonnaFiltro:
            return {"Colonna " + Numeri(static_cast<const TColonnaFiltro&>(c).Numeri)};
        case CodSomma: return {"Partite " + Numeri(static_cast<const TSomma&>(c).Partite)};
        case CodPicchetto: {
            const auto& p = static_cast<const TPicchetto&>(c);
            return {p.Tipo == 1 ? "Somma" : "Prodotto", "Partite " + Numeri(Maschera(p.Partite))};
        }
        case CodSequela: {
            static constexpr std::array<const char*, 5> tipi{"Sequela data", "Monotermine", "Bitermine",
                                                             "Più frequente", "a Specchio"};
            const ParametriSequela& p = static_cast<const TSequela&>(c).Parametri;
            std::vector<std::string> voci{tipi[static_cast<std::size_t>(std::clamp(p.tipo, 1, 5) - 1)],
                                          "Lunghezza " + std::to_string(p.lunghezza)};
            if (p.tipo == 1) {
                std::string segni;
                for (int i = 0; i < std::clamp(p.lunghezza, 0, 8); ++i)
                    segni += p.sequela[static_cast<std::size_t>(i)] == 1 ? 'P' : 'D';
                voci.push_back("Segni " + segni);
            }
            return voci;
        }
        default: return {};
    }
}

// The last step of the path (the name with its place among the members):
// the description stands indented under its group or board.
std::string NomeStampato(const TCondizione& c) {
    if (c.Percorso.empty()) return c.Nome;
    const auto barra = c.Percorso.rfind('\\');
    return barra == std::string::npos ? c.Percorso : c.Percorso.substr(barra + 1);
}

// The tables in use of the condition, each under its name.
void StampaTabelle(const TCondizione& c, RigheDescrizione& righe, int rientro) {
    auto& modificabile = const_cast<TCondizione&>(c);  // the visits are not const, the reading is
    std::vector<std::pair<const TabellaMisura*, int>> misure;
    std::vector<std::string> nomiSeconde;
    modificabile.PerOgniMisura([&](TMisura& m) {
        misure.emplace_back(&m.Prima, m.Massimo);
        misure.emplace_back(m.HaSeconda ? &m.Seconda : nullptr, m.Massimo);
    });
    std::vector<const TIntervalli*> intervalli;
    modificabile.PerOgniIntervallo([&](TIntervalli& i) { intervalli.push_back(&i); });
    const auto nomi = NomiTabelle(c.Codice, std::max(misure.size() / 2, intervalli.size()));
    for (std::size_t i = 0; i < misure.size(); ++i) {
        const auto [tabella, massimo] = misure[i];
        if (tabella == nullptr || !tabella->InUso) continue;
        std::string nome = nomi.at(i / 2);
        if (i % 2 == 1) nome += " (Con.)";
        righe.push_back({rientro + 1, nome + " : ", VociTabella(*tabella, massimo)});
    }
    for (std::size_t i = 0; i < intervalli.size(); ++i) {
        if (intervalli[i]->InUso) righe.push_back({rientro + 1, nomi.at(i) + " : ", VociIntervalli(*intervalli[i])});
    }
}

void StampaMembri(const std::vector<std::unique_ptr<TCondizione>>& membri, RigheDescrizione& righe, int rientro) {
    for (const auto& m : membri) {
        if (m->Effettivo) m->Stampa(righe, rientro);
    }
}

}  // namespace

void TCondizione::Stampa(RigheDescrizione& righe, int rientro) const {
    righe.push_back({rientro, NomeStampato(*this), Impostazioni(*this)});
    StampaTabelle(*this, righe, rientro);
}

void TGruppo::Stampa(RigheDescrizione& righe, int rientro) const {
    righe.push_back({rientro, NomeStampato(*this), {}});
    StampaMembri(Elenco, righe, rientro + 1);
}

void TQuadro::Stampa(RigheDescrizione& righe, int rientro) const {
    static constexpr std::array<const char*, 4> relazioni{"AND (Tutte)", "OR (Almeno Una)", "XOR (Soltanto Una)",
                                                          "NOT (Esclusione)"};
    std::vector<std::string> voci;
    if (Predefinito && Relazione < relazioni.size()) voci.emplace_back(relazioni[Relazione]);
    righe.push_back({rientro, NomeStampato(*this), voci});
    StampaTabelle(*this, righe, rientro);
    StampaMembri(Elenco, righe, rientro + 1);
}

}  // namespace ludo
