#pragma once
// "Cerca Fisse": every single number, pair or triple of numbers ranked by
// the index IC, by frequency or by delay over the contests of the search
// interval; a change of size or order ranks them again.

#include <QDialog>
#include <memory>
#include <vector>

#include "core/statistics/AnalisiNumeri.h"

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
                   const ludo::IntervalloRicerca& intervallo, QWidget* parent = nullptr);
    ~TFrmCercaFisse() override;

    [[nodiscard]] const std::vector<ludo::TFisse>& Classifica() const { return classifica_; }

  private:
    [[nodiscard]] int Quante() const;
    [[nodiscard]] ludo::OrdineFisse Ordine() const;
    void Calcola();
    void StampaClick();

    std::unique_ptr<Ui::TFrmCercaFisse> ui;
    const ludo::ArchivioConcorsi& archivio_;
    ludo::IntervalloRicerca intervallo_;
    std::vector<ludo::TFisse> classifica_;
};
