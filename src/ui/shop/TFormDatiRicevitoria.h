#pragma once
// "Dati Ricevitoria": the shop's name, address, town and telephone, printed
// on every receipt. "OK" stores them in the configuration and writes
// Ludomatic.cfg; "Annulla" leaves them as they were.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/system/Configurazione.h"

namespace Ui {
class TFormDatiRicevitoria;
}
class QLineEdit;

class TFormDatiRicevitoria : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("dati-ricevitoria");

    TFormDatiRicevitoria(ludo::Configurazione& config, std::filesystem::path cartella, QWidget* parent = nullptr);
    ~TFormDatiRicevitoria() override;

private:
    void ImpostaOggetto();
    void OKBtnClick();
    [[nodiscard]] std::array<QLineEdit*, 4> Caselle() const;

    std::unique_ptr<Ui::TFormDatiRicevitoria> ui;
    ludo::Configurazione& config_;
    std::filesystem::path cartella_;
};
