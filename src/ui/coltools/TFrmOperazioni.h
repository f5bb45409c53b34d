#pragma once
// "Operazioni Su Files Colonnari": combines two column files into a third
// as sets of columns (union, intersection, symmetric difference), finds the
// columns a reduced system leaves uncovered, or shuffles a file. A name
// without a folder is taken in the program folder's COLONNE.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/coltools/OperazioniColonne.h"

namespace Ui {
class TFrmOperazioni;
}

class QLineEdit;

class TFrmOperazioni : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("operazioni");

    explicit TFrmOperazioni(std::filesystem::path cartellaProgramma, QWidget* parent = nullptr);
    ~TFrmOperazioni() override;

private:
    [[nodiscard]] ludo::Operazione OperazioneScelta() const;
    void AggiornaForm();
    void CercaClick(QLineEdit* edit, bool salva);
    void EseguiClick();
    [[nodiscard]] std::filesystem::path Percorso(const QLineEdit* edit) const;
    [[nodiscard]] QString Cartella() const;

    std::unique_ptr<Ui::TFrmOperazioni> ui;
    std::filesystem::path cartella_;
};
