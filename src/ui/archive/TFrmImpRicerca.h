#pragma once
// "Impostazioni Di Ricerca": which archived contests the statistics count
// (the contest types and the range from an initial to a final contest),
// which wins the search over the archive looks for and which conditions it
// ignores. OK refuses a range that breaks a rule with its message; a range
// that holds is stored and Ludomatic.cfg written at once.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/archive/ArchivioConcorsi.h"
#include "core/system/Configurazione.h"

namespace Ui {
class TFrmImpRicerca;
}

class CaselleIntervallo;

class TFrmImpRicerca : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("impostazioni-ricerca");

    TFrmImpRicerca(ludo::Configurazione& config, const ludo::ArchivioConcorsi& archivio,
                   std::filesystem::path cartellaProgramma, QWidget* parent = nullptr);
    ~TFrmImpRicerca() override;

  private:
    void ImpostaOggetto();
    [[nodiscard]] ludo::ImpostazioniRicerca AcquisisceForm() const;
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmImpRicerca> ui;
    ludo::Configurazione& config_;
    const ludo::ArchivioConcorsi& archivio_;
    std::filesystem::path cartella_;
    CaselleIntervallo* intervallo_;
};
