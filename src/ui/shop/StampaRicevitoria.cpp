#include "ui/shop/StampaRicevitoria.h"

#include "core/checking/PesiRicevitoria.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/TFormStampaSchedine.h"

GiocateDelConcorso::GiocateDelConcorso(ludo::T_Sistema& sistema)
    : sistema_(sistema), archivio_(sistema.Dati->Coupon.Concorso) {
    archivio_.Carica(sistema_.Cartella());
}

bool GiocateDelConcorso::Salva(QWidget* parent) {
    try {
        archivio_.Salva(sistema_.Cartella());
        return true;
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, parent);
        return false;
    }
}

bool StampaERegistra(QWidget* parent, ludo::T_Sistema& sistema, const ludo::LavoroStampaSchedine& lavoro,
                     const StampaBatch& batch, GiocateDelConcorso& giocate,
                     const std::function<void(ludo::TArchivioGiocate&)>& registra) {
    auto& impostazioni = sistema.Dati->Config.ImpStampa;
    const int colonneSalvate = impostazioni.ColonnePerSchedina;
    impostazioni.ColonnePerSchedina = batch.colonnePerSchedina;
    TFormStampaSchedine finestra(sistema, parent);
    finestra.Lavoro() = lavoro;
    finestra.ImpostaTutto();
    impostazioni.ColonnePerSchedina = colonneSalvate;
    finestra.ImpostaTipoStampa(batch.tipoStampa);
    finestra.ImpostaCedolina(batch.cedolina);
    if (!finestra.Stampa(1, finestra.NumSchedine())) return false;
    registra(giocate.Archivio());
    giocate.Salva(parent);
    return true;
}

bool ImpostaGeneratore(QWidget* parent, const ludo::T_Sistema& sistema, ludo::TGenColonneCasuali& generatore,
                       ludo::Tecnica tecnica, bool soloPronostico) {
    const ludo::StatisticheGenerazione fonte(*sistema.Dati);
    if (ludo::ImpostaTecnica(generatore, tecnica, soloPronostico, ludo::PesiDelSistema(*sistema.Dati, fonte)))
        return true;
    Informazione(QString::fromUtf8(ludo::MsgPronosticoInsufficiente), TFrmMessage::OK, parent);
    return false;
}

ludo::ImpostazioniCedolina CedolinaDelSistema(const ludo::T_Sistema& sistema, bool stampaConcorso) {
    const auto& d = *sistema.Dati;
    return {ludo::PrezzoColonna(d.Config), d.Config.Euro, stampaConcorso, d.Coupon.Concorso, FormatoNumeriLocale()};
}

ludo::LavoroStampaSchedine LavoroConCedolina(const ludo::SistemaDaStampare& sistema, const std::string& nome) {
    ludo::LavoroStampaSchedine lavoro;
    lavoro.Colonne = sistema.colonne;
    lavoro.NomeEsterno = true;
    lavoro.NomeSistema = nome;
    for (std::size_t i = 1; i < sistema.righe.size(); ++i) lavoro.RigheCedolina[i] = sistema.righe[i];
    lavoro.ColonneCedolina = sistema.colonneCedolina;
    return lavoro;
}
