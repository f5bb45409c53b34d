#pragma once
// "Analisi di Gruppi di Numeri": for a group of numbers chosen on two
// strips, how many selected contests had their winning column hit exactly
// 0..8 of them, how often, and how long ago; the group can be taken from
// the system's forecast or copied into it.

#include <QDialog>
#include <memory>

#include "core/columns/Colonna.h"

namespace Ui {
class TFrmAnalisiGruppi;
}
namespace ludo {
class T_Sistema;
}

class TFrmAnalisiGruppi : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("analisi-gruppi");
    static inline const QString NomeFilePdf = QStringLiteral("Analisi dei numeri.pdf");
    static inline const QString MsgCopiati =
        QStringLiteral("I numeri selezionati sono stati copiati nel pronostico.");

    explicit TFrmAnalisiGruppi(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmAnalisiGruppi() override;

    [[nodiscard]] ludo::Colonna Gruppo() const;
    // The group went into the system's forecast.
    [[nodiscard]] bool PronosticoCambiato() const { return pronosticoCambiato_; }

  private:
    void MostraGruppo(ludo::Colonna gruppo);
    void GruppoCambiato();
    void CalcolaClick();
    void AlPronosticoClick();
    void StampaClick();

    std::unique_ptr<Ui::TFrmAnalisiGruppi> ui;
    ludo::T_Sistema& sistema_;
    bool pronosticoCambiato_ = false;
};
