#pragma once
// "Lista Squadre": the four team lists of the program folder, one shown at
// a time ("A", "B", "C1", "C2"), with names added, changed and deleted.
// "OK" writes the four files; "Annulla" reads them again, so the lists are
// what the files hold.

#include <QDialog>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/system/ListeSquadre.h"

namespace Ui {
class TFormListaSQ;
}

class TFormListaSQ : public QDialog {
    Q_OBJECT
public:
    // Loads the lists at once; a list that cannot be read is said so and stays empty.
    explicit TFormListaSQ(std::filesystem::path cartellaProgramma, QWidget* parent = nullptr);
    ~TFormListaSQ() override;

    [[nodiscard]] const ludo::ListeSquadre& Liste() const { return liste_; }
    [[nodiscard]] ludo::Serie SerieMostrata() const { return serie_; }

    // Discards the edits: the lists are read again from their files.
    void reject() override;

private:
    void Carica();
    void MostraSerie(ludo::Serie serie);
    void AggiornaLista(int selezione);
    void AggiornaForm();
    [[nodiscard]] ludo::ListaSquadre& ListaMostrata() { return liste_[serie_]; }
    // The name window with a starting name; empty when it was given up.
    [[nodiscard]] QString ChiediNome(const QString& nome);
    void AggiungiClick();
    void ModificaClick();
    void CancellaClick();
    void OKBtnClick();
    void MostraErrori(const std::vector<std::string>& errori);

    std::unique_ptr<Ui::TFormListaSQ> ui;
    std::filesystem::path cartella_;
    ludo::ListeSquadre liste_;
    ludo::Serie serie_ = ludo::Serie::A;
};
