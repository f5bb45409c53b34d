#pragma once
// "Visualizzazione Colonne": a column list cut into slips of six in list
// order, four slips at a time, with a scroll bar over the slips.

#include <QDialog>
#include <memory>

#include "core/columns/ListaColonne.h"

namespace Ui {
class TFrmVisualizzaColonne;
}

class TFrmVisualizzaColonne : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("visualizza-colonne");

    explicit TFrmVisualizzaColonne(const ludo::ListaColonne& colonne, QWidget* parent = nullptr);
    ~TFrmVisualizzaColonne() override;

  private:
    std::unique_ptr<Ui::TFrmVisualizzaColonne> ui;
};
