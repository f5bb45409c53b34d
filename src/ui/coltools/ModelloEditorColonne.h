#pragma once
// The column editor's grid over its list: 8 rows (the positions) by 16
// columns, showing the list's columns from Posizione on. Only the cell being
// typed into holds text of its own; it goes into the list (as the list takes
// a typed cell) when the cursor leaves it or an operation reads the view.
// Nothing depends on the length of the list, so a list of millions of
// columns scrolls as a short one does.

#include <QAbstractTableModel>
#include <optional>

#include "core/coltools/EditorColonne.h"

class ModelloEditorColonne : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColonneVisibili = 16;
    static constexpr int CaratteriCella = 2;

    ModelloEditorColonne(ludo::EditorColonne& editor, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& genitore = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& genitore = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& indice, int ruolo) const override;
    [[nodiscard]] QVariant headerData(int sezione, Qt::Orientation orientamento,
                                      int ruolo) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& indice) const override;

    // The index in the list of the first shown column.
    [[nodiscard]] std::size_t Posizione() const { return posizione_; }
    void ImpostaPosizione(std::size_t posizione);
    // The index in the list of a shown column.
    [[nodiscard]] std::size_t Indice(int colonnaGriglia) const;

    // A typed digit or blank, or a backspace: false when the key is refused
    // (another character, or a third one in the cell).
    bool Digita(const QModelIndex& cella, QChar carattere);
    bool Indietro(const QModelIndex& cella);
    // The typed cell goes into the list.
    void Acquisisci();
    // The list changed under the grid: everything shown again.
    void Aggiorna();

signals:
    // A typed cell went into the list, which may have grown.
    void ListaCambiata();

private:
    struct CellaInCorso {
        std::size_t indice;
        int riga;
        QString testo;
    };
    [[nodiscard]] QString TestoCella(std::size_t indice, int riga) const;
    CellaInCorso& Inizia(const QModelIndex& cella);
    void Cambiata(const QModelIndex& cella);

    ludo::EditorColonne& editor_;
    std::size_t posizione_ = 0;
    std::optional<CellaInCorso> inCorso_;
};
