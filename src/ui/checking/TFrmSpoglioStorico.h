#pragma once
// "Spoglio Storico": a column list checked against the winning column of
// every contest the search interval selects. "Analisi Gobale" gives per
// score the wins, the frequency, the delays and the IC (rows with an IC of
// 1 or more highlighted); "Analisi Dettagliata per Concorso" the counts of
// each contest. The columns that won can be saved to a column file, and
// both tables exported to a spreadsheet.

#include <QDialog>
#include <array>
#include <filesystem>
#include <memory>

#include "core/checking/SpoglioStorico.h"

namespace Ui {
class TFrmSpoglioStorico;
}
class QToolButton;

class TFrmSpoglioStorico : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("spoglio-storico");

    TFrmSpoglioStorico(const ludo::ArchivioConcorsi& archivio,
                       const ludo::IntervalloRicerca& intervallo, std::filesystem::path cartella,
                       ludo::ListaColonne colonne, QWidget* parent = nullptr);
    ~TFrmSpoglioStorico() override;

    // Runs the check behind a progress window with "Annulla" and fills the
    // tables; false when the user stopped it (the window is then not shown).
    bool Analizza();
    [[nodiscard]] const ludo::EsitoSpoglioStorico& Esito() const { return esito_; }
    // The scores whose toggle is down, bit k for score k.
    [[nodiscard]] std::uint16_t PunteggiScelti() const;

  private:
    void MostraGenerale();
    void MostraDettaglio();
    void SalvaClick();
    void EsportaClick();

    std::unique_ptr<Ui::TFrmSpoglioStorico> ui;
    const ludo::ArchivioConcorsi& archivio_;
    const ludo::IntervalloRicerca& intervallo_;
    std::filesystem::path cartella_;
    ludo::ListaColonne colonne_;
    ludo::EsitoSpoglioStorico esito_;
    std::array<QToolButton*, 9> salva_{};
};
