#pragma once
// "Impostazioni": the main window's background picture, the holder printed
// on the slips, the price of one column in lire or in euro and the saving
// options. "OK" stores them in the configuration and writes Ludomatic.cfg;
// "Annulla" leaves the configuration as it was.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/system/Configurazione.h"

namespace Ui {
class TFrmImpostazioni;
}

class TFrmImpostazioni : public QDialog {
    Q_OBJECT
public:
    TFrmImpostazioni(ludo::Configurazione& config, std::filesystem::path cartellaProgramma,
                     QWidget* parent = nullptr);
    ~TFrmImpostazioni() override;

    // A price in euro as the two spin boxes show it: the whole euro and the
    // fraction in hundredths, rounded (1.999 gives 1 and 100).
    struct EuroCentesimi {
        int euro = 0;
        int centesimi = 0;
    };
    static EuroCentesimi SeparaEuro(double prezzo);

private:
    void ImpostaOggetto();
    void AggiornaForm();
    void AcquisisceForm();
    void CercaClick();
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmImpostazioni> ui;
    ludo::Configurazione& config_;
    std::filesystem::path cartella_;
};
