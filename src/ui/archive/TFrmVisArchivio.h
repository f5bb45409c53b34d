#pragma once
// "Visualizzazione Archivio": the contests of the archive with their
// winning columns and, for each family of conditions ticked, the values
// its measures give on each winning column. The fixed columns stay while
// the values scroll across; both tables scroll down together.

#include <QDialog>
#include <array>
#include <memory>

#include "core/archive/VistaArchivio.h"

namespace Ui {
class TFrmVisArchivio;
}
namespace ludo {
class ArchivioConcorsi;
}

class QCheckBox;
class QTableView;
class ModelloVistaArchivio;

class TFrmVisArchivio : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("visualizzazione-archivio");
    static constexpr int RigheVisibili = 12;

    explicit TFrmVisArchivio(const ludo::ArchivioConcorsi& archivio, QWidget* parent = nullptr);
    ~TFrmVisArchivio() override;

    [[nodiscard]] const ModelloVistaArchivio& Modello() const { return *modello_; }

  private:
    [[nodiscard]] std::array<QCheckBox*, ludo::NumeroFamiglie> Caselle() const;
    void PreparaGriglia(QTableView& griglia);
    void AggiornaFamiglie();
    void ImpostaColonne();
    void StampaClick();

    std::unique_ptr<Ui::TFrmVisArchivio> ui;
    const ludo::ArchivioConcorsi& archivio_;
    ModelloVistaArchivio* modello_;
};
