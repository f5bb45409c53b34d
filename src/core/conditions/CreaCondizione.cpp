// The factory: a default condition for every type code.
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"

namespace ludo {
namespace {

std::unique_ptr<TCondizione> gruppo(std::uint8_t codice, std::uint8_t membri, const char* nome,
                                    TCondizioniSistema* p) {
    return std::make_unique<TGruppo>(codice, membri, nome, p);
}

}  // namespace

std::unique_ptr<TCondizione> CreaCondizione(std::uint8_t codice, TCondizioniSistema* p) {
    switch (codice) {
        case CodPariDispari: return std::make_unique<TPariDispari>(p);
        case CodInterruzioni: return std::make_unique<TInterruzioni>(p);
        case CodGruppoConsecutivita: return gruppo(codice, CodConsecutivita, "Gruppo Consecutività", p);
        case CodSimmetrie: return std::make_unique<TSimmetrie>(p);
        case CodGruppoSequele: return gruppo(codice, CodSequela, "Gruppo Sequele", p);
        case CodVortice: return std::make_unique<TVortice>(p);
        case CodRipetizioni: return std::make_unique<TRipetizioni>(p);
        case CodFormuleDerivate: return std::make_unique<TFormuleDerivate>(p);
        case CodGruppoPicchetti: return gruppo(codice, CodPicchetto, "Gruppo Picchetti", p);
        case CodGruppoSomme: return gruppo(codice, CodSomma, "Gruppo Somme", p);
        case CodDistanzeGlobali: return std::make_unique<TDistanzeGlobali>(p);
        case CodGruppoDistanze: return gruppo(codice, CodDistanzaSpecifica, "Gruppo Distanze Particolari", p);
        case CodBaricentri: return std::make_unique<TBaricentri>(p);
        case CodGruppoResti: return gruppo(codice, CodResti, "Gruppo Resti", p);
        case CodPosizioni: return std::make_unique<TPosizioni>(p);
        case CodConsecutivitaNumerica: return std::make_unique<TConsecutivitaNumerica>(p);
        case CodGruppoColonneFiltro: return gruppo(codice, CodColonnaFiltro, "Gruppo Colonne Filtro", p);
        case CodNumeroSequenze: return std::make_unique<TNumeroSequenze>(p);
        case CodQuadro: return std::make_unique<TQuadro>(p);
        case CodPuntiTra: return std::make_unique<TPuntiTra>(p);
        case CodSequela: return std::make_unique<TSequela>(p);
        case CodDistanzaSpecifica: return std::make_unique<TDistanzaSpecifica>(p);
        case CodPicchetto: return std::make_unique<TPicchetto>(p);
        case CodResti: return std::make_unique<TResti>(p);
        case CodConsecutivita: return std::make_unique<TConsecutivita>(p);
        case CodColonnaFiltro: return std::make_unique<TColonnaFiltro>(p);
        case CodSomma: return std::make_unique<TSomma>(p);
        default: return nullptr;
    }
}

}  // namespace ludo
