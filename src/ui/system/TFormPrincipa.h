#pragma once
// The program's frame: the coupon of the current system (team names,
// "Picch." values, forecast and fixed matches, contest number), the status
// line with counts and costs, the menu and the tool bar from which every
// command is reached. It owns start-up and shut-down of the user interface.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "core/system/T_Sistema.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/TFormSaver.h"

namespace Ui {
class TFormPrincipa;
}
namespace ludo {
struct EsitoAggiornamento;
enum class TipoAggiornamento;
}  // namespace ludo

class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTableWidgetItem;
class TFormRicalcoloAutomatico;
class TFrmSviluppo;
class AnalisiCondizioniInstallate;
class TFrmInfoStatistiche;
class TFormSelPartite;
class TGrigliaSchedina;

inline constexpr const char* MsgSistemaNonSalvato =
    "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ";
inline constexpr const char* MsgScritturaColonne = "Errore Durante la Scrittura del File Colonnare";

class TFormPrincipa : public QMainWindow {
    Q_OBJECT
  public:
    // Loads the background picture and the contest archive of the system's
    // program folder ("Impossibile Caricare L'Archivio." leaves it empty).
    explicit TFormPrincipa(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormPrincipa() override;

    // What the window does as it first shows: opens the system file given
    // on the command line, otherwise reloads the last coupon when the
    // configuration asks for it; then shows everything and starts the
    // animation.
    void Avvio(const std::optional<QString>& fileSistema);

    void ImpostaTutto();
    void AggiornaStatusLine();
    void AggiornaAbilitazioni();
    // The unsaved-changes question; false when the operation must stop.
    bool Conferma(bool conAnnulla);

    // Pauses the start animation while long work runs.
    void PausaAnimazione(bool pausa);

    [[nodiscard]] QAction* Comando(const QString& nome) const { return comandi_.value(nome); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Window building.
    void PreparaGriglie();
    void OrdinaTab();
    void PreparaGrigliaSquadre(TGrigliaSchedina* griglia, int primaPartita);
    void PreparaGrigliaPicchetti(TGrigliaSchedina* griglia, int primaPartita);
    void CreaMenu();
    void CreaMenuSistemi();
    void CreaMenuCondizioni();
    void CreaMenuElaborazione();
    void CreaMenuColonne();
    void CreaMenuAltri();
    void CreaToolBar();
    void CreaStatusBar();
    QAction* Azione(QMenu* menu, const QString& nome, const QString& testo,
                    const QKeySequence& tasto = {});
    void Collega(const QString& nome, void (TFormPrincipa::*metodo)());
    void CaricaSfondo();
    void CaricaArchivio();

    // Coupon editing.
    void SquadraCambiata(QTableWidgetItem* cella, int primaPartita);
    void PicchettoCambiato(QTableWidgetItem* cella, int primaPartita);
    void ConcorsoCambiato(const QString& testo);
    void PronosticoCambiato();
    void AzzeraClick();
    void TutteClick();
    void MostraCella(int cursore);
    // The main-window grid cell of a coupon cell (0..63).
    [[nodiscard]] QTableWidgetItem* CellaSquadra(int cursore) const;
    void MostraSchedina();
    void MostraPronostico();
    void RicalcoloSeRichiesto();
    void CondizioniAperto();
    // The entries of the condition editors: enabled and connected, and
    // what follows an edit stored with "OK".
    void CollegaCondizioni();
    void ModificaCondizioneClick(int slot);

    // Commands.
    void NuovoClick();
    void CaricaClick();
    void SalvaClick();
    void SalvaComeClick();
    void CancellaClick();
    void CommentoClick();
    void PartecipantiClick();
    void CaricaSchedinaClick();
    void SalvaSchedinaClick();
    void ImpostazioniSviluppoClick();
    void CalcoloColonneClick();
    void SviluppoTerminato();
    void SalvaSuDiscoClick();
    void ListaSquadreClick();
    void SquadreClick();
    void CursoreSelezione(int cursore);
    void SelezioneChiusa();
    void VarieClick();
    void ImpostaStampanteClick();
    void TaraturaClick();
    void StampaMemoriaClick();
    void StampaFileClick();
    void ApriStampa(ludo::ListaColonne colonne);
    void SommarioClick();

    // The contest archive: maintenance, view and search settings.
    void AggiornamentoArchivioClick();
    void VisualizzazioneArchivioClick();
    void ImpostazioniRicercaClick();

    void AboutClick();
    void UscitaClick();

    // The limits of the recoveries, "&Link" (TFormPrincipaRecuperi.cpp).
    void LinkClick();
    // Betting-shop windows and the play archive (TFormPrincipaRicevitoria.cpp).
    void RidottiImmediatiClick();
    void SchedineAutomaticheClick();
    void SistemiAutomaticiClick();
    void DatiRicevitoriaClick();
    void ArchivioGiocateClick();

    // Column file tools (TFormPrincipaStrumentiColonne.cpp).
    void ConversioneFormatiClick();
    void OperazioniClick();
    void AccorpaClick();
    void EditorColonneClick();
    // Guarantee calculation and system report (TFormPrincipaGaranzie.cpp).
    void CalcoloGaranzieClick();
    void StampaProspettoClick();
    // Viewing and checking columns (TFormPrincipaSpoglio.cpp).
    void VisualizzaMemoriaClick();
    void VisualizzaFileClick();
    void SpoglioMemoriaClick();
    void SpoglioFileClick();
    void SpoglioStoricoMemoriaClick();
    void SpoglioStoricoFileClick();
    // The column file the user chooses; nothing when given up or unreadable
    // (after the message msgErrore).
    std::optional<ludo::ListaColonne> ColonneDaFile(const char* msgErrore);
    void ApriSpoglio(ludo::ListaColonne colonne);
    void ApriSpoglioStorico(ludo::ListaColonne colonne);
    // Updates from the Internet (TFormPrincipaAggiornamento.cpp).
    void AggiornamentoSchedinaClick();
    void AggiornamentoArchiviClick();
    void AggiornamentoSquadreClick();
    void AggiornamentoLudomaticClick();
    ludo::EsitoAggiornamento AggiornaDaInternet(ludo::TipoAggiornamento tipo);
    // Starts the helper that installs the new version once this program has
    // ended and starts it again; false when it could not be started.
    bool AvviaNuovaVersione(const QString& nuovaVersione);

    // Reading slips aloud (TFormPrincipaDettatura.cpp).
    void DettaturaMemoriaClick();
    void DettaturaFileClick();
    void ApriDettatura(const ludo::ListaColonne& colonne);
    // Statistics and analyses (TFormPrincipaStatistiche.cpp): the editors'
    // analyses of a condition, the system's record over the archive, the
    // number statistics and the statistical forecast.
    void PreparaStatistiche();
    void AnalisiStatisticaClick();
    void AnalisiStatisticaTerminata();
    void PronosticoStatisticoClick();
    // The forecast was written by a statistics window.
    void PronosticoDalleStatistiche();
    // The "Archivio" and "Analisi" buttons: the numbers over the archive
    // and over the columns in memory.
    void ArchivioNumeriClick();
    void AnalisiNumeriClick();
    void AnalisiGruppiClick();
    void CercaFisseClick();
    // The window is locked while a long run reads the system.
    void Blocca(bool bloccata);

    // File helpers.
    bool Salva();
    bool ScriviSistema(const QString& file);
    [[nodiscard]] RichiestaFile RichiestaSistema(const QString& titolo, bool salva) const;
    [[nodiscard]] RichiestaFile RichiestaSchedina(const QString& titolo, bool salva) const;
    [[nodiscard]] QString Cartella(std::string_view sottocartella) const;
    void MostraErrore(const std::exception& e);

    std::unique_ptr<Ui::TFormPrincipa> ui;
    ludo::T_Sistema& sistema_;
    TFormSaver finestre_;  // the place, size and choices of every window, for this run
    QHash<QString, QAction*> comandi_;
    QMenu* menuCondizioni_ = nullptr;
    QLabel* pColonneI_ = nullptr;
    QLabel* pColonneF_ = nullptr;
    QLabel* partiteSelezionate_ = nullptr;
    QLabel* panelFisse_ = nullptr;
    TFormRicalcoloAutomatico* ricalcolo_ = nullptr;
    TFrmSviluppo* sviluppo_ = nullptr;
    QPointer<TFormSelPartite> selPartite_;
    QString ultimoFileColonne_;
    bool mostrando_ = false;  // the window is writing the system into its controls
    std::unique_ptr<AnalisiCondizioniInstallate> analisiCondizioni_;
    TFrmInfoStatistiche* infoStatistiche_ = nullptr;
};
