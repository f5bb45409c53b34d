#include "core/archive/RegoleIntervallo.h"

#include <algorithm>

namespace ludo {
namespace {

bool compreso(int valore, int minimo, int massimo) { return valore >= minimo && valore <= massimo; }

std::optional<std::string> stagioneFuoriArchivio(const char* quale, int anno,
                                                 const ArchivioConcorsi& archivio) {
    if (compreso(anno, archivio.PrimoAnno(), archivio.UltimoAnno())) return std::nullopt;
    return std::string("La stagione ") + quale + " deve essere compresa tra il " +
           TestoStagione(archivio.PrimoAnno()) + " e il " + TestoStagione(archivio.UltimoAnno()) +
           ".";
}

std::optional<std::string> limitiDeiCampi(const IntervalloRicerca& i) {
    if (!compreso(i.AnnoDa, PrimoAnnoStagione, UltimoAnnoStagione) ||
        !compreso(i.AnnoA, PrimoAnnoStagione, UltimoAnnoStagione)) {
        return MsgStagioneNonValida;
    }
    if (!compreso(i.ConcDa, PrimoNumeroConcorso, UltimoNumeroConcorso) ||
        !compreso(i.ConcA, PrimoNumeroConcorso, UltimoNumeroConcorso)) {
        return MsgNumeroConcorsoNonValido;
    }
    return std::nullopt;
}

std::optional<std::string> ordine(const IntervalloRicerca& i) {
    if (i.AnnoDa > i.AnnoA) return MsgInizialeDopoFinale;
    if (i.AnnoDa == i.AnnoA && i.ConcDa > i.ConcA) return MsgConcorsoInizialeDopoFinale;
    return std::nullopt;
}

std::optional<std::string> concorsiPresenti(const IntervalloRicerca& i,
                                            const ArchivioConcorsi& archivio, TipiDiConcorso tipi) {
    if (!ConcorsiNellIntervallo(archivio, i, tipi).empty()) return std::nullopt;
    if (tipi == TipiDiConcorso::Scelti &&
        !ConcorsiNellIntervallo(archivio, i, TipiDiConcorso::Tutti).empty()) {
        return MsgNessunConcorsoDeiTipi;
    }
    return MsgNessunConcorsoNellIntervallo;
}

}  // namespace

std::vector<std::size_t> ConcorsiNellIntervallo(const ArchivioConcorsi& archivio,
                                                const IntervalloRicerca& intervallo,
                                                TipiDiConcorso tipi) {
    IntervalloRicerca filtro = intervallo;
    if (tipi == TipiDiConcorso::Tutti) filtro.Tipi = TuttiITipi;
    std::vector<std::size_t> indici;
    for (std::size_t i = 0; i < archivio.Conteggio(); ++i) {
        if (ConcorsoSelezionato(filtro, archivio[i])) indici.push_back(i);
    }
    return indici;
}

std::optional<std::string> VerificaIntervallo(const IntervalloRicerca& intervallo,
                                              const ArchivioConcorsi& archivio,
                                              TipiDiConcorso tipi) {
    if (tipi == TipiDiConcorso::Scelti && (intervallo.Tipi & TuttiITipi) == 0)
        return MsgNessunTipoDiConcorso;
    if (auto m = limitiDeiCampi(intervallo)) return m;
    if (archivio.Vuoto()) return MsgNessunConcorsoNellIntervallo;
    if (auto m = stagioneFuoriArchivio("iniziale", intervallo.AnnoDa, archivio)) return m;
    if (auto m = stagioneFuoriArchivio("finale", intervallo.AnnoA, archivio)) return m;
    if (auto m = ordine(intervallo)) return m;
    return concorsiPresenti(intervallo, archivio, tipi);
}

void CorreggiIntervallo(IntervalloRicerca& i, CampoIntervallo cambiato,
                        const ArchivioConcorsi& archivio) {
    if (cambiato == CampoIntervallo::AnnoDa)
        i.AnnoDa = std::min(std::max(i.AnnoDa, archivio.PrimoAnno()), i.AnnoA);
    if (cambiato == CampoIntervallo::AnnoA)
        i.AnnoA = std::max(std::min(i.AnnoA, archivio.UltimoAnno()), i.AnnoDa);
    if (i.AnnoDa != i.AnnoA || i.ConcDa <= i.ConcA) return;
    if (cambiato == CampoIntervallo::AnnoDa || cambiato == CampoIntervallo::ConcDa) {
        i.ConcDa = i.ConcA;
    } else {
        i.ConcA = i.ConcDa;
    }
}

}  // namespace ludo
