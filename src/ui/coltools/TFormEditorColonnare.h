#pragma once
// "Editor Colonnare": columns typed by hand, one grid column each, on a list
// of its own (not the system's). The columns can be edited, inserted,
// deleted, sorted and jumped among, saved to a column file, loaded, merged
// with another file and printed on slips. Leaving with unsaved changes asks
// first.

#include <QDialog>
#include <memory>

#include "core/coltools/EditorColonne.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFormEditorColonnare;
}

class ModelloEditorColonne;
struct RichiestaFile;

class TFormEditorColonnare : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("editor");

    explicit TFormEditorColonnare(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFormEditorColonnare() override;

    [[nodiscard]] const ludo::EditorColonne& Editor() const { return editor_; }
    // Loads a column file as "Carica Colonne" does, without its question.
    void Carica(const QString& file);
    // Escape, "Uscita" and closing the window ask about unsaved changes first.
    void reject() override;

private:
    // Shows the cell of a column (0-based) and a row, scrolling to it.
    void Evidenzia(std::size_t indice, int riga);
    void AggiornaVista();
    void AggiornaScorrimento();
    void AggiornaTitolo();
    [[nodiscard]] std::size_t IndiceCorrente() const;
    [[nodiscard]] int RigaCorrente() const;
    // The unsaved-changes question; false when the operation must stop.
    bool Conferma();
    // The typed cells are read back and checked; a refused cell is selected.
    bool VerificaDati();
    bool SalvaColonne();
    bool SalvaConNome();
    bool Scrivi(const QString& file);
    [[nodiscard]] RichiestaFile RichiestaColonne(const QString& titolo) const;
    void Modifica();

    void AzzeraClick();
    void CaricaClick();
    void InserisciFileClick();
    void InserisciColonnaClick();
    void CancellaColonnaClick();
    void SaltaClick();
    void UltimaClick();
    void OrdinaClick();
    void StampaClick();
    void InvioPremuto();
    void Oltre(int verso);

    std::unique_ptr<Ui::TFormEditorColonnare> ui;
    ludo::T_Sistema& sistema_;
    ludo::EditorColonne editor_;
    ModelloEditorColonne* modello_;
};
