#pragma once
// "Impostazioni del Tabulato": the gaps between the cells of the listing
// and its font. "Antemprima" previews the listing with the values on
// screen; "OK" stores them in the configuration and writes Ludomatic.cfg.

#include <QDialog>
#include <QFont>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "core/system/Configurazione.h"

namespace Ui {
class TFormImpostaTabulato;
}

class TFormImpostaTabulato : public QDialog {
    Q_OBJECT
public:
    using Anteprima = std::function<void(const ludo::TImpTabulato&)>;
    TFormImpostaTabulato(ludo::Configurazione& config, std::filesystem::path cartella, Anteprima anteprima,
                         QWidget* parent = nullptr);
    ~TFormImpostaTabulato() override;

    // The values as the controls show them.
    [[nodiscard]] ludo::TImpTabulato Valori() const;

    // When set, answers "Cambia" in place of the font dialog: the font
    // chosen, or nothing when the user gave up.
    static std::function<std::optional<QFont>(const QFont&)> RispostaDialogoFont;

private:
    void MostraFont();
    void CambiaClick();
    void OKBtnClick();

    std::unique_ptr<Ui::TFormImpostaTabulato> ui;
    ludo::Configurazione& config_;
    std::filesystem::path cartella_;
    Anteprima anteprima_;
    ludo::TImpTabulato font_;  // the font part of the values on screen
};
