#include "ui/conditions/Modifica.h"

#include "core/conditions/TCondizione.h"
#include "ui/conditions/TFrmBaricentri.h"
#include "ui/conditions/TFrmBlackHall.h"
#include "ui/conditions/TFrmConsec.h"
#include "ui/conditions/TFrmDistanzeGlb.h"
#include "ui/conditions/TFrmDistanzePart.h"
#include "ui/conditions/TFormListaSomme.h"
#include "ui/conditions/TFrmFD.h"
#include "ui/conditions/TFrmInterruzioni.h"
#include "ui/conditions/TFrmListaColFiltro.h"
#include "ui/conditions/TFrmNumCons.h"
#include "ui/conditions/TFrmNumeroDiSequenze.h"
#include "ui/conditions/TFrmPariDispari.h"
#include "ui/conditions/TFrmPosizioni.h"
#include "ui/conditions/TFrmPtTra.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/conditions/TFrmResti.h"
#include "ui/conditions/TFrmRipetizioni.h"
#include "ui/conditions/TFrmSequela.h"
#include "ui/conditions/TFrmSimmetrie.h"
#include "ui/conditions/TFrmValori.h"

namespace {

template <class Finestra>
std::unique_ptr<TFrmCondizione> Editor(ludo::TCondizione& c, QWidget* parent) {
    return std::make_unique<Finestra>(c, parent);
}

using Costruttore = std::unique_ptr<TFrmCondizione> (*)(ludo::TCondizione&, QWidget*);

Costruttore CostruttoreDi(std::uint8_t codice) {
    switch (codice) {
        case ludo::CodPariDispari:
            return &Editor<TFrmPariDispari>;
        case ludo::CodGruppoConsecutivita:
        case ludo::CodConsecutivita:
            return &Editor<TFrmConsec>;
        case ludo::CodFormuleDerivate:
            return &Editor<TFrmFD>;
        case ludo::CodDistanzeGlobali:
            return &Editor<TFrmDistanzeGlb>;
        case ludo::CodGruppoDistanze:
        case ludo::CodDistanzaSpecifica:
            return &Editor<TFrmDistanzePart>;
        case ludo::CodBaricentri:
            return &Editor<TFrmBaricentri>;
        case ludo::CodGruppoResti:
        case ludo::CodResti:
            return &Editor<TFrmResti>;
        case ludo::CodPosizioni:
            return &Editor<TFrmPosizioni>;
        case ludo::CodConsecutivitaNumerica:
            return &Editor<TFrmNumCons>;
        case ludo::CodGruppoColonneFiltro:
        case ludo::CodColonnaFiltro:
            return &Editor<TFrmListaColFiltro>;
        case ludo::CodNumeroSequenze:
            return &Editor<TFrmNumeroDiSequenze>;
        case ludo::CodInterruzioni:
            return &Editor<TFrmInterruzioni>;
        case ludo::CodSimmetrie:
            return &Editor<TFrmSimmetrie>;
        case ludo::CodRipetizioni:
            return &Editor<TFrmRipetizioni>;
        case ludo::CodVortice:
            return &Editor<TFrmBlackHall>;
        case ludo::CodGruppoSequele:
        case ludo::CodSequela:
            return &Editor<TFrmSequela>;
        case ludo::CodGruppoPicchetti:
        case ludo::CodPicchetto:
            return &Editor<TFrmValori>;
        case ludo::CodGruppoSomme:
        case ludo::CodSomma:
            return &Editor<TFormListaSomme>;
        case ludo::CodPuntiTra:
            return &Editor<TFrmPtTra>;
        default:
            return nullptr;
    }
}

}  // namespace

bool EditorDisponibile(std::uint8_t codice) {
    return codice == ludo::CodQuadro || CostruttoreDi(codice) != nullptr;
}

std::unique_ptr<TFrmCondizione> CreaEditor(ludo::TCondizione& condizione, QWidget* parent) {
    const Costruttore costruttore = CostruttoreDi(condizione.Codice);
    return costruttore != nullptr ? costruttore(condizione, parent) : nullptr;
}

EsitoModifica Modifica(ludo::TCondizione& condizione, QWidget* parent) {
    if (auto* quadro = dynamic_cast<ludo::TQuadro*>(&condizione)) {
        TFrmQuadro finestra(*quadro, parent);
        const bool memorizzata = finestra.exec() == QDialog::Accepted;
        return {memorizzata, finestra.Cambiato()};
    }
    const auto editor = CreaEditor(condizione, parent);
    if (editor == nullptr) return {};
    const bool memorizzata = editor->exec() == QDialog::Accepted;
    return {memorizzata, memorizzata && editor->Cambiato()};
}
