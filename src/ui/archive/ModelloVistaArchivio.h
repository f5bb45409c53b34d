#pragma once
// The archive view's table as a model: one row per contest, the four fixed
// columns, then the values of the ticked families as the core computes
// them. A row is computed the first time it is shown and kept until the
// families change, so that scrolling a long archive computes only what
// comes into sight.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/archive/VistaArchivio.h"

namespace ludo {
class ArchivioConcorsi;
}

class ModelloVistaArchivio : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int ColonneFisse = 4;  // " A", " N", "T", "Colonna"

    // The header block over a run of value columns.
    struct Blocco {
        int prima = 0;  // column of the model
        int ultima = 0;
        QString titolo;
        QString sottotitolo;
        QStringList tipi;  // the kind of each of its columns
        int famiglia = 0;  // the block's place among the ticked families
    };

    explicit ModelloVistaArchivio(const ludo::ArchivioConcorsi& archivio,
                                  QObject* parent = nullptr);

    void ImpostaFamiglie(const ludo::FamiglieVista& famiglie);
    [[nodiscard]] const ludo::FamiglieVista& Famiglie() const { return famiglie_; }
    [[nodiscard]] const std::vector<Blocco>& Blocchi() const { return blocchi_; }
    // The block a column belongs to; none for the fixed columns.
    [[nodiscard]] const Blocco* BloccoDi(int colonna) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& indice,
                                int ruolo = Qt::DisplayRole) const override;
    // Across: the fixed columns' titles and the kind of each value column
    // ("Pt", "Cs", "Ps", "Br"); down: the contest's place in the archive.
    [[nodiscard]] QVariant headerData(int sezione, Qt::Orientation orientamento,
                                      int ruolo = Qt::DisplayRole) const override;

  private:
    [[nodiscard]] const ludo::RigaVista& Riga(int riga) const;

    const ludo::ArchivioConcorsi& archivio_;
    ludo::FamiglieVista famiglie_{};
    std::vector<Blocco> blocchi_;
    std::vector<int> bloccoDi_;  // by value column
    mutable std::vector<std::optional<ludo::RigaVista>> righe_;
};

// The tints of the fixed columns and of the families, one after the other.
QColor ColoreColonneFisse();
QColor ColoreFamiglia(int famiglia);
