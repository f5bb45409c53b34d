#include "core/engine/Garanzie.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/engine/Sviluppo.h"
#include "core/engine/TestiGaranzie.h"
#include "core/io/Errore.h"
#include "core/system/T_Sistema.h"

namespace ludo {
namespace {

// How often the index build looks at the cancel request.
constexpr std::size_t kControlloAnnulla = 4096;

// The gauge: every 10 results the rounded percentage examined, shown when
// it grew by more than 2 points, at 0 and from 99 on.
class Indicatore {
  public:
    Indicatore(TabelleGaranzie& t, Avanzamento& a) : t_(t), a_(a) {}
    void Avanza() {
        ++t_.Esaminati;
        if (t_.Esaminati % 10 != 0 || t_.DaEsaminare <= 0) return;
        const auto p = static_cast<int>(std::lround(static_cast<double>(t_.Esaminati) * 100.0 /
                                                    static_cast<double>(t_.DaEsaminare)));
        if (p > mostrato_ + 2 || p == 0 || p >= 99) {
            a_.Progresso(t_.Esaminati, t_.DaEsaminare);
            mostrato_ = p;
        }
    }

  private:
    TabelleGaranzie& t_;
    Avanzamento& a_;
    int mostrato_ = 0;
};

void Normalizza(TabellaVincite& tabella, std::int64_t contati) {
    if (contati <= 0) return;
    for (auto& v : tabella) v.Frequenza /= static_cast<double>(contati);
}

void Inizia(TabelleGaranzie& t, int chiave, std::int64_t daEsaminare) {
    t.Tabella(chiave).clear();
    t.DaEsaminare = daEsaminare;
    t.Esaminati = 0;
    t.Contati = 0;
}

// One result: ignored when the filter refuses it, else counted and tallied.
void Risultato(TabelleGaranzie& t, int chiave, const ContaPunti& conta,
               const FiltroRisultati& filtro, Colonna r) {
    if (filtro && !filtro(r)) return;
    ++t.Contati;
    RegistraPunteggio(t.Tabella(chiave), conta.Conta(r));
}

}  // namespace

ContaPunti::ContaPunti(const ListaColonne& esaminate, Colonna universo, const Avanzamento& annulla)
    : esaminate_(esaminate) {
    int posto = 0;
    for (int b = 0; b < 32; ++b) {
        if (((universo >> b) & 1U) == 0) continue;
        auto& tabella = byte_[static_cast<std::size_t>(b / 8)];
        for (unsigned v = 0; v < 256; ++v) {
            if ((v >> (b % 8)) & 1U) tabella[v] |= Colonna{1} << posto;
        }
        ++posto;
    }
    for (int k = 6; k <= 8; ++k) indici_.emplace_back(k, posto);
    std::size_t n = 0;
    for (const Colonna c : esaminate) {
        if (++n % kControlloAnnulla == 0 && annulla.annullato()) {
            for (auto& indice : indici_) std::fill(indice.Valori.begin(), indice.Valori.end(), 0);
            larghe_.clear();
            return;
        }
        const Colonna dentro = Compatta(c);
        const int m = NumeroNumeri(dentro);
        if (m < 6) continue;  // never 6 points against a result of the universe
        if (m > 8) {
            larghe_.push_back(c);
            continue;
        }
        for (auto& indice : indici_)
            indice.PerOgni(dentro, [&](std::size_t r) { ++indice.Valori[r]; });
    }
}

Colonna ContaPunti::Compatta(Colonna c) const {
    return byte_[0][c & 0xFFU] | byte_[1][(c >> 8) & 0xFFU] | byte_[2][(c >> 16) & 0xFFU] |
           byte_[3][c >> 24];
}

Punteggio ContaPunti::Conta(Colonna risultato) const {
    Punteggio p;
    auto conta = [&p](int punti) {
        if (punti == 8)
            ++p.Punti8;
        else if (punti == 7)
            ++p.Punti7;
        else if (punti == 6)
            ++p.Punti6;
    };
    const Colonna r = Compatta(risultato);
    if (NumeroNumeri(r) > 8) {
        for (const Colonna c : esaminate_) conta(NumeriComuni(c, risultato));
        return p;
    }
    // Over the k-subsets T of the result, the columns holding T add up to
    // the sum over the columns of C(points, k): so with s6, s7, s8 the sums
    // for k = 6, 7, 8, s8 = n8, s7 = n7 + 8·n8, s6 = n6 + 7·n7 + 28·n8.
    std::array<std::int64_t, 3> s{};
    for (std::size_t i = 0; i < indici_.size(); ++i) {
        const auto& indice = indici_[i];
        indice.PerOgni(r, [&](std::size_t rango) { s[i] += indice.Valori[rango]; });
    }
    const std::int64_t n8 = s[2];
    const std::int64_t n7 = s[1] - 8 * n8;
    const std::int64_t n6 = s[0] - 7 * n7 - 28 * n8;
    p.Punti8 = static_cast<std::int32_t>(n8);
    p.Punti7 = static_cast<std::int32_t>(n7);
    p.Punti6 = static_cast<std::int32_t>(n6);
    for (const Colonna c : larghe_) conta(NumeriComuni(c, risultato));
    return p;
}

void RegistraPunteggio(TabellaVincite& tabella, const Punteggio& p) {
    if (p.Punti6 == 0 && p.Punti7 == 0 && p.Punti8 == 0) return;
    const auto chiave = [](const auto& v) { return std::tie(v.Punti8, v.Punti7, v.Punti6); };
    const auto pos = std::lower_bound(
        tabella.begin(), tabella.end(), p,
        [&](const T_Vincita& v, const Punteggio& q) { return chiave(v) < chiave(q); });
    if (pos != tabella.end() && chiave(*pos) == chiave(p)) {
        pos->Frequenza += 1.0;
        return;
    }
    tabella.insert(pos, T_Vincita{p.Punti6, p.Punti7, p.Punti8, 1.0});
}

bool GaranziePronostico(TabelleGaranzie& tabelle, const ListaColonne& esaminate, Colonna pronostico,
                        int errori, const FiltroRisultati& filtro, Avanzamento& avanzamento) {
    const int chiave = 8 - errori;
    avanzamento.Fase(StatoGaranzie(errori));
    Inizia(tabelle, chiave, static_cast<std::int64_t>(Binomiale(NumeroNumeri(pronostico), chiave)));
    const ContaPunti conta(esaminate, pronostico, avanzamento);
    if (avanzamento.annullato()) return false;
    Indicatore indicatore(tabelle, avanzamento);
    const bool completo = GeneraColonne(pronostico, chiave, avanzamento, [&](Colonna r) {
        Risultato(tabelle, chiave, conta, filtro, r);
        indicatore.Avanza();
    });
    if (completo) Normalizza(tabelle.Tabella(chiave), tabelle.Contati);
    return completo;
}

bool GaranzieConfronto(TabelleGaranzie& tabelle, const ListaColonne& esaminate,
                       const ListaColonne& risultati, const FiltroRisultati& filtro,
                       Avanzamento& avanzamento) {
    Inizia(tabelle, 8, static_cast<std::int64_t>(risultati.Conteggio()));
    Colonna universo = 0;
    for (const Colonna r : risultati) universo |= r;
    const ContaPunti conta(esaminate, universo, avanzamento);
    Indicatore indicatore(tabelle, avanzamento);
    for (const Colonna r : risultati) {
        if (avanzamento.annullato()) return false;
        Risultato(tabelle, 8, conta, filtro, r);
        indicatore.Avanza();
    }
    Normalizza(tabelle.Tabella(8), tabelle.Contati);
    return true;
}

EsitoGaranzie CalcolaGaranzie(T_Sistema& sistema, const ImpostazioniGaranzie& imp,
                              Avanzamento& avanzamento) {
    auto& d = *sistema.Dati;
    const bool conErrori = imp.ConfrontoPronostico && (imp.Errori[1] || imp.Errori[2]);
    FiltroRisultati filtro;
    if (imp.ApplicaCondizioni && !conErrori) {
        sistema.PreparaCondizioni();
        d.Condizioni.RegistraErrori = false;
        filtro = [&d](Colonna r) { return d.Condizioni.Verifica(r); };
    }
    ListaColonne daFile;
    if (!imp.ColonneInMemoria &&
        !LeggiFile(daFile, PercorsoFileColonne(sistema, imp.FileEsaminate), true)) {
        throw Errore(MsgCaricareFile);
    }
    const ListaColonne& esaminate = imp.ColonneInMemoria ? d.Colonne : daFile;
    auto& tabelle = sistema.Garanzie;
    tabelle.Svuota();

    EsitoGaranzie esito;
    auto calcolata = [&](int chiave) {
        esito.Calcolate[static_cast<std::size_t>(8 - chiave)] = true;
        if (esito.PrimaChiave == 0) esito.PrimaChiave = chiave;
    };
    if (!imp.ConfrontoPronostico) {
        ListaColonne risultati;
        if (!LeggiFile(risultati, PercorsoFileColonne(sistema, imp.FileConfronto), false))
            throw Errore(MsgCaricareFile);
        calcolata(8);
        esito.Annullato = !GaranzieConfronto(tabelle, esaminate, risultati, filtro, avanzamento);
    } else {
        for (int errori = 0; errori <= 2 && !esito.Annullato; ++errori) {
            if (!imp.Errori[static_cast<std::size_t>(errori)]) continue;
            calcolata(8 - errori);
            esito.Annullato =
                !GaranziePronostico(tabelle, esaminate, d.Pronostico, errori, filtro, avanzamento);
        }
    }
    if (!esito.Annullato) avanzamento.Progresso(100, 100);
    return esito;
}

}  // namespace ludo
