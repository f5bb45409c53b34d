#pragma once
// "Pronostico Statistico": adds to the system's forecast the chosen number
// of matches whose index IC over the archive is highest, after clearing it
// when asked. The choices are remembered between openings.

#include <QDialog>
#include <memory>

namespace Ui {
class TFrmPronosticoStatistico;
}
namespace ludo {
class T_Sistema;
}

class TFrmPronosticoStatistico : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("pronostico-statistico");

    explicit TFrmPronosticoStatistico(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmPronosticoStatistico() override;

  private:
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmPronosticoStatistico> ui;
    ludo::T_Sistema& sistema_;
};
