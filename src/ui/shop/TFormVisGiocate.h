#pragma once
// "Riepilogo delle giocate": what the shop played in a contest. The contest
// is chosen among 1..99 (each change reads that contest's plays); the
// general table counts the single slips, the integral and the reduced
// systems and totals their cost ("Volume di Gioco"); the list shows each
// reduced system with its numbers, columns, date and time. "Stampa" prints
// both; "Spoglio" checks the contest's plays through the hook it was given.

#include <QDialog>
#include <functional>
#include <memory>

#include "core/checking/ArchivioGiocate.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFormVisGiocate;
}

class TFormVisGiocate : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("archivio-giocate");
    using Spoglio = std::function<void(ludo::TArchivioGiocate& giocate)>;

    explicit TFormVisGiocate(const ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormVisGiocate() override;

    // What "Spoglio" does with the plays of the contest shown; the button
    // stays disabled while there is none.
    void ImpostaSpoglio(Spoglio spoglio);
    [[nodiscard]] const ludo::TArchivioGiocate& Archivio() const { return archivio_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Reads the plays of the contest; false when its file is missing or
    // cannot be read (the archive is then empty).
    bool Carica(int concorso);
    void AggiornaForm();
    void StampaClick();

    std::unique_ptr<Ui::TFormVisGiocate> ui;
    const ludo::T_Sistema& sistema_;
    ludo::TArchivioGiocate archivio_;
    Spoglio spoglio_;
    bool mostrata_ = false;
    bool lettaAllApertura_ = false;
};
