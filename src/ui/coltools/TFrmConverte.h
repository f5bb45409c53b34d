#pragma once
// "Conversione di Files Colonnari": turns column files of other Totogol
// programs into the program's own and back. The user picks the source
// format, folder and files, the destination format and folder, and
// "Converti" runs the batch behind a progress window that can stop it.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "core/coltools/Conversione.h"

namespace Ui {
class TFrmConverte;
}

class TGListaCartelle;
class QLineEdit;

class TFrmConverte : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("conversione");

    // Both folder lists start in the program folder's COLONNE.
    explicit TFrmConverte(const std::filesystem::path& cartellaProgramma,
                          QWidget* parent = nullptr);
    ~TFrmConverte() override;

private:
    void AggiornaFiles();
    void AggiornaAbilitazioni();
    void SfogliaClick(TGListaCartelle* lista);
    void ConvertiClick();
    [[nodiscard]] ludo::RichiestaConversione Richiesta() const;

    std::unique_ptr<Ui::TFrmConverte> ui;
};
