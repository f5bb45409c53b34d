#pragma once
// What every condition editor shares. The window edits copies of the
// condition given to it (TListaVisteC): the condition alone or, for a
// group, each member in turn with the navigation panel ("Aggiungi",
// "Elimina", first/previous/next/last, the member's "Stato "). Each measure
// table is edited in a points control; the window adds its own controls in
// the area Contenuto. Every move stores the view shown first; a store whose
// checks fail keeps the view. "OK" stores and writes every view back,
// "Annulla" writes nothing; "Azzera " clears the accepted values of the
// view shown; "Archivio" and "Analisi " open the statistics of the view
// shown; "Aiuto" and F1 open the guide at the window's section.

#include <QDialog>
#include <QList>
#include <memory>

#include "ui/conditions/TListaViste.h"

namespace Ui {
class TFrmCondizione;
}

namespace ludo {
class TMisura;
}

class TGGraphpt;
enum class FonteStatistiche;

class TFrmCondizione : public QDialog {
    Q_OBJECT
  public:
    ~TFrmCondizione() override;

    [[nodiscard]] const TListaVisteC& Viste() const { return viste_; }
    // True once "OK" wrote back views the user had changed.
    [[nodiscard]] bool Cambiato() const { return cambiato_ && result() == Accepted; }
    // The section of the guide "Aiuto" opens.
    [[nodiscard]] QString SezioneGuida() const { return sezioneGuida_; }

  protected:
    // The window's own object name (the store keeps the window by it), its
    // title and its section of the guide.
    struct Descrizione {
        const char* nome;
        const char* titolo;
        const char* sezioneGuida;
    };
    // A points control and the table (in the condition's table order) it edits.
    struct PuntiTabella {
        TGGraphpt* controllo;
        int tabella;
    };

    TFrmCondizione(const Descrizione& descrizione, QWidget* parent);

    // Where the window's own form goes.
    [[nodiscard]] QWidget* Contenuto() const;
    // Once the window's controls exist: the window opens again where the
    // user left it, then shows the condition (the first member of a group).
    void ImpostaOggetto(ludo::TCondizione& oggetto);

    [[nodiscard]] virtual QList<PuntiTabella> Punti() const = 0;
    // The window's own controls from and into a view. A store whose check
    // fails tells the user why and returns false.
    virtual void CaricaSpecifici(const ludo::TCondizione& vista) { static_cast<void>(vista); }
    virtual bool MemorizzaSpecifici(ludo::TCondizione& vista) {
        static_cast<void>(vista);
        return true;
    }
    // After the points controls were cleared: what else holds accepted
    // values of the view (tables no control shows, a list of formulas).
    virtual void AzzeraSpecifici(ludo::TCondizione& vista) { static_cast<void>(vista); }
    // The page of the window the statistics look at.
    [[nodiscard]] virtual int Pagina() const { return 1; }

    [[nodiscard]] bool VisteCaricate() const { return !viste_.Vuota(); }
    [[nodiscard]] ludo::TCondizione& Mostrata() const { return viste_.Mostrata(); }
    // The points controls from the view, not modified; and back into it,
    // those the user modified.
    void CaricaPunti(const ludo::TCondizione& vista);
    void MemorizzaPunti(ludo::TCondizione& vista) const;
    // A check of the view failed: the box tells the user why (titled
    // "Informazione" unless the window says otherwise) and the view stays
    // shown. Returns false, for MemorizzaSpecifici to return.
    bool Rifiuta(const QString& messaggio, const QString& titolo = QStringLiteral("Informazione"));
    // The user changed the view shown; ignored while the window fills its
    // controls.
    void Modificata();
    // Calls Modificata on every change the user makes to these controls.
    void SegnalaModifiche(const QList<QWidget*>& controlli);
    // The view is being stored for the statistics ("Archivio", "Analisi "),
    // not for a move or "OK".
    [[nodiscard]] bool PerLeStatistiche() const { return statistiche_; }

  private:
    bool MemorizzaVista();
    void MostraVista();
    void Sposta(void (TListaViste::*mossa)());
    void AggiungiClick();
    void EliminaClick();
    void AzzeraClick();
    void StatisticheClick(FonteStatistiche fonte);
    void OKBtnClick();
    void AiutoBtnClick();
    // Tab goes through the window's own controls between the state and the buttons.
    void OrdinaTabulazione();

    std::unique_ptr<Ui::TFrmCondizione> ui;
    QString sezioneGuida_;
    TListaVisteC viste_;
    bool cambiato_ = false;
    bool caricando_ = false;
    bool statistiche_ = false;
};

// The table of a condition, in its table order.
ludo::TMisura& TabellaCondizione(ludo::TCondizione& condizione, int tabella);
const ludo::TMisura& TabellaCondizione(const ludo::TCondizione& condizione, int tabella);
