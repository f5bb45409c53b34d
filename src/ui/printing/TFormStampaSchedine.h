#pragma once
// "Stampa Schedine": prints a column list on betting slips or as a listing
// on plain paper. Whoever opens it fills the job (the columns and the
// flags), calls ImpostaTutto and shows it; "Stampa" prints the slips asked
// for and keeps the orientation and the columns per slip as the defaults.

#include <QDialog>
#include <memory>

#include "core/printing/StampaSchedine.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFormStampaSchedine;
}

struct OpzioniStampa;

class TFormStampaSchedine : public QDialog {
    Q_OBJECT
public:
    // The page of the guide that tells about this window.
    static inline const QString PaginaGuida = QStringLiteral("stampa");

    explicit TFormStampaSchedine(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormStampaSchedine() override;

    ludo::LavoroStampaSchedine& Lavoro() { return lavoro_; }
    [[nodiscard]] int NumSchedine() const { return numSchedine_; }

    // Prepares the controls for the job: six columns a slip for a test,
    // the stored number otherwise (locked for a cost-only job), all slips,
    // on slips, the stored orientation.
    void ImpostaTutto();
    // Selects the orientation the job prints with (1 across, 2 along).
    void ImpostaTipoStampa(int tipoStampa);
    // "Stampa". Pressed by the user, the dialog then closes and the
    // configuration is saved; called by another window, it only prints.
    void OKBtnClick(bool daPulsante = false);
    // The job itself on the program's printer, slips prima..ultima; false
    // when it failed (the message has been shown).
    bool Stampa(int prima, int ultima);
    // Ticks "Stampa Cedolina" (shown for jobs that name their own system).
    void ImpostaCedolina(bool stampa);
    // The last job printed every slip, from the first to the last, on slips.
    [[nodiscard]] bool StampateTutteLeSchedine() const { return tutteStampate_; }

private:
    void AggiornaNumSchedine();
    void AggiornaAbilitazioni();
    void ImpostazioniClick();
    void AiutoClick();
    [[nodiscard]] int TipoStampa() const;
    [[nodiscard]] OpzioniStampa Opzioni() const;

    std::unique_ptr<Ui::TFormStampaSchedine> ui;
    ludo::T_Sistema& sistema_;
    ludo::LavoroStampaSchedine lavoro_;
    int numSchedine_ = 0;
    bool tutteStampate_ = false;
};
