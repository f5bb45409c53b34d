#pragma once
// "Stampa del Prospetto del Sistema": chooses what the system report holds
// (general information, coupon, conditions, the listing of the columns) and
// how many copies to print — as many as given, or one per participant,
// each titled with the participant's name — then prints it through the
// millimetre printer.

#include <QDialog>
#include <QString>
#include <memory>

#include "core/printing/Prospetto.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFormStampaProspetto;
}

class SuperficieStampa;

class TFormStampaProspetto : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("prospetto");

    explicit TFormStampaProspetto(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormStampaProspetto() override;

    [[nodiscard]] ludo::OpzioniProspetto Opzioni() const;

private:
    void ImpostaOggetto();
    void AggiornaForm();
    void StampaClick();
    void ImpostazioniClick();

    std::unique_ptr<Ui::TFormStampaProspetto> ui;
    ludo::T_Sistema& sistema_;
};

// The report of the system with the options given, every copy and, when
// asked, the listing of the columns after each; a failure throws
// Errore(MsgImpossibileStampareProspetto) or the listing's own message.
void StampaProspetto(SuperficieStampa& superficie, ludo::T_Sistema& sistema,
                     const ludo::OpzioniProspetto& opzioni, const QString& oggi);
