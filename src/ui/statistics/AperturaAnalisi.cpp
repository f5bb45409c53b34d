#include "ui/statistics/AperturaAnalisi.h"

#include <optional>

#include "core/statistics/TGestoreGrDati.h"
#include "core/system/T_Sistema.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/statistics/TFrmAnalisiColonnare.h"
#include "ui/statistics/TFrmAnalisiStorica.h"
#include "ui/statistics/TFrmCercaFisse.h"

namespace {

// The data set, or nothing when the user stopped it or it failed (the user
// is told why).
std::optional<ludo::TGestoreGrDati> Costruisci(const RichiestaStatistiche& r,
                                               ludo::T_Sistema& sistema, QWidget* editor) {
    const bool storica = r.fonte == FonteStatistiche::Archivio;
    const ludo::PaginaEditor pagina{r.pagina};
    std::optional<ludo::TGestoreGrDati> dati;
    const OpzioniOperazione opzioni{
        storica ? QStringLiteral("Andamento storico") : QStringLiteral("Analisi Colonnare"),
        storica ? QStringLiteral("Analisi Dell'Archivio in Corso..")
                : QString::fromUtf8(ludo::FaseAnalisiColonnare),
        true, editor};
    try {
        const bool annullata = EseguiInBackground(opzioni, [&](ludo::Avanzamento& avanzamento) {
            dati = storica ? ludo::AnalisiStorica(r.condizione, sistema, pagina)
                           : ludo::AnalisiColonnare(r.condizione, sistema, pagina, avanzamento);
        });
        if (annullata) return std::nullopt;
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, editor);
        return std::nullopt;
    }
    if (dati && !dati->Messaggio.empty()) {
        Informazione(QString::fromStdString(dati->Messaggio), TFrmMessage::OK, editor);
        return std::nullopt;
    }
    return dati;
}

}  // namespace

void ApriAnalisiCondizione(const RichiestaStatistiche& richiesta, ludo::T_Sistema& sistema,
                           QWidget* editor) {
    if (!ludo::HaAnalisi(richiesta.condizione)) {
        Informazione(QString::fromUtf8(ludo::MsgNessunaAnalisi), TFrmMessage::OK, editor);
        return;
    }
    auto dati = Costruisci(richiesta, sistema, editor);
    if (!dati) return;
    if (richiesta.fonte == FonteStatistiche::Archivio) {
        TFrmAnalisiStorica finestra(std::move(*dati), editor);
        finestra.exec();
    } else {
        TFrmAnalisiColonnare finestra(std::move(*dati), editor);
        finestra.exec();
    }
}

AnalisiCondizioniInstallate::AnalisiCondizioniInstallate(ludo::T_Sistema& sistema) {
    ImpostaAperturaStatistiche([&sistema](const RichiestaStatistiche& richiesta, QWidget* editor) {
        ApriAnalisiCondizione(richiesta, sistema, editor);
    });
    ImpostaAperturaCercaFisse([&sistema](ludo::TQuadro& quadro, QWidget* finestra) {
        const auto& d = *sistema.Dati;
        TFrmCercaFisse cerca(d.Archivio, d.Config.Ricerca.Intervallo, finestra, &quadro);
        cerca.exec();
    });
}

AnalisiCondizioniInstallate::~AnalisiCondizioniInstallate() {
    ImpostaAperturaStatistiche({});
    ImpostaAperturaCercaFisse({});
}
