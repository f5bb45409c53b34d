#pragma once
// "Inserimento automatico delle colonne filtro": appends to a board one
// filter column for each winning column of a range of archived contests,
// or for each column of a column file, all with the points and the
// position flag chosen here. Columns past the board's limit are left out.

#include <QDialog>
#include <memory>

#include "core/archive/ArchivioConcorsi.h"

namespace Ui {
class TFormInsArc_File;
}

namespace ludo {
class TQuadro;
}

class CaselleIntervallo;

class TFormInsArc_File : public QDialog {
    Q_OBJECT
  public:
    // The archive is the one the board's conditions read.
    explicit TFormInsArc_File(ludo::TQuadro& quadro, QWidget* parent = nullptr);
    ~TFormInsArc_File() override;

    // How many filter columns "OK" appended.
    [[nodiscard]] std::size_t Inserite() const { return inserite_; }

  private:
    void AggiornaFonte();
    void CercaClick();
    void OKBtnClick();

    std::unique_ptr<Ui::TFormInsArc_File> ui;
    ludo::TQuadro& quadro_;
    ludo::ArchivioConcorsi archivio_;
    CaselleIntervallo* intervallo_ = nullptr;
    std::size_t inserite_ = 0;
};
