#include "core/printing/StampaArchivio.h"

#include <algorithm>
#include <cmath>

#include "core/archive/RegoleIntervallo.h"
#include "core/columns/Colonna.h"

namespace ludo {
namespace {

// The screen pixels a grid cell needs to be at least mm wide or high once
// printed: a cell prints (pixels + 1) × scale millimetres.
int pixelPer(double mm) { return std::max(0, static_cast<int>(std::ceil(mm / ScalaTabella)) - 1); }

double millimetriDi(int pixel) { return (pixel + 1) * ScalaTabella; }

GrigliaDaStampare griglia(std::vector<std::vector<std::string>> righe,
                          const MisureStampaArchivio& m) {
    GrigliaDaStampare g;
    for (std::size_t c = 0; c < IntestazioniStampaArchivio.size(); ++c) {
        double larghezza = 0;
        for (const auto& riga : righe) {
            if (m.larghezzaTesto) larghezza = std::max(larghezza, m.larghezzaTesto(riga[c]));
        }
        g.larghezzeColonne.push_back(pixelPer(larghezza + m.larghezzaBlank));
    }
    g.altezzeRighe.assign(righe.size(), pixelPer(m.altezzaTesto + 1));
    g.celle = std::move(righe);
    return g;
}

double larghezzaTabella(const GrigliaDaStampare& g) {
    double larghezza = 0;
    for (const int pixel : g.larghezzeColonne) larghezza += millimetriDi(pixel);
    return larghezza;
}

int righePerPagina(double altezzaRiga, const MisureStampaArchivio& m) {
    const double spazio =
        YPiePagina(m.altezzaPagina, m.altezzaPiede) - SpazioSopraPiede - AltoTabella;
    const int righe = altezzaRiga > 0 ? static_cast<int>(std::floor(spazio / altezzaRiga))
                                      : RighePerPaginaTabella;
    return std::clamp(righe, 2, RighePerPaginaTabella);
}

}  // namespace

std::vector<std::vector<std::string>> RigheStampaArchivio(const ArchivioConcorsi& archivio,
                                                          const IntervalloRicerca& intervallo) {
    std::vector<std::vector<std::string>> righe;
    righe.emplace_back(IntestazioniStampaArchivio.begin(), IntestazioniStampaArchivio.end());
    for (const std::size_t i :
         ConcorsiNellIntervallo(archivio, intervallo, TipiDiConcorso::Tutti)) {
        const T_Concorso& c = archivio[i];
        righe.push_back({TestoStagione(c.Anno), std::to_string(c.NumConcorso),
                         std::string(NomeTipoConcorso(c.TipoConcorso)), TestoColonna(c.Vincente)});
    }
    return righe;
}

StampaArchivio ImpaginaStampaArchivio(const ArchivioConcorsi& archivio,
                                      const IntervalloRicerca& intervallo,
                                      const MisureStampaArchivio& misure) {
    const GrigliaDaStampare g = griglia(RigheStampaArchivio(archivio, intervallo), misure);
    const double altezzaRiga = millimetriDi(g.altezzeRighe.front());
    const double larghezza = larghezzaTabella(g);
    const double sinistra = SinistraTabella + larghezza <= misure.larghezzaPagina
                                ? SinistraTabella
                                : std::max(0.0, XCentrata(misure.larghezzaPagina, larghezza));
    const int colonne = static_cast<int>(g.larghezzeColonne.size());

    StampaArchivio stampa{TitoloStampaArchivio, {}};
    const auto pagine =
        PagineTabella(static_cast<int>(g.altezzeRighe.size()), righePerPagina(altezzaRiga, misure));
    for (std::size_t p = 0; p < pagine.size(); ++p) {
        PaginaStampaArchivio& pagina = stampa.pagine.emplace_back();
        for (const BloccoRighe& b : pagine[p]) {
            // The heading repeated on a later page sits just above the rows
            // even when a large font makes a row taller than its usual room.
            const double alto =
                p > 0 && b.primaRiga == 0 ? std::min(b.alto, AltoTabella - altezzaRiga) : b.alto;
            const auto celle =
                CelleGriglia(g, 0, b.numeroRighe, colonne, b.primaRiga, ScalaTabella, alto,
                             sinistra, misure.larghezzaBlank, misure.altezzaTesto);
            pagina.celle.insert(pagina.celle.end(), celle.begin(), celle.end());
        }
        pagina.piede = TestoPagina + std::to_string(p + 1);
    }
    return stampa;
}

}  // namespace ludo
