#pragma once
// "Cerca Fisse": every single number, pair or triple of numbers ranked by
// the index IC, by frequency or by delay over the contests of the search
// interval; a change of size or order ranks them again. Opened from a board
// of conditions, "Inserisci nei quadri" appends a stretch of the ranking
// to it as filter columns.

#include <QDialog>
#include <memory>
#include <vector>

#include "core/statistics/AnalisiNumeri.h"

namespace ludo {
class TQuadro;
}

namespace Ui {
class TFrmCercaFisse;
}

class TFrmCercaFisse : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("cerca-fisse");
    static inline const QString NomeFilePdf = QStringLiteral("Fisse.pdf");
    static constexpr int RigheVisibili = 14;

    TFrmCercaFisse(const ludo::ArchivioConcorsi& archivio,
                   const ludo::IntervalloRicerca& intervallo, QWidget* parent = nullptr,
                   ludo::TQuadro* quadro = nullptr);
    ~TFrmCercaFisse() override;

    [[nodiscard]] const std::vector<ludo::TFisse>& Classifica() const { return classifica_; }

  private:
    [[nodiscard]] int Quante() const;
    [[nodiscard]] ludo::OrdineFisse Ordine() const;
    void Calcola();
    void StampaClick();
    void InserisciClick();

    std::unique_ptr<Ui::TFrmCercaFisse> ui;
    const ludo::ArchivioConcorsi& archivio_;
    ludo::IntervalloRicerca intervallo_;
    ludo::TQuadro* quadro_;
    std::vector<ludo::TFisse> classifica_;
};
