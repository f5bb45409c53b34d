#include "ui/archive/ModelloVistaArchivio.h"

#include <QColor>

#include "core/archive/ArchivioConcorsi.h"

namespace {

constexpr const char* TitoliFissi[ModelloVistaArchivio::ColonneFisse] = {" A", " N", "T",
                                                                         "            Colonna"};

}  // namespace

QColor ColoreColonneFisse() { return {255, 250, 225}; }

QColor ColoreFamiglia(int famiglia) {
    return famiglia % 2 == 0 ? QColor(232, 242, 255) : QColor(236, 250, 236);
}

ModelloVistaArchivio::ModelloVistaArchivio(const ludo::ArchivioConcorsi& archivio, QObject* parent)
    : QAbstractTableModel(parent), archivio_(archivio) {
    ImpostaFamiglie(famiglie_);
}

void ModelloVistaArchivio::ImpostaFamiglie(const ludo::FamiglieVista& famiglie) {
    beginResetModel();
    famiglie_ = famiglie;
    blocchi_.clear();
    bloccoDi_.clear();
    // Family by family, so that the blocks of one family (the two groups of
    // "Interruzioni", say) share its tint.
    int famiglia = 0;
    for (std::size_t f = 0; f < ludo::NumeroFamiglie; ++f) {
        if (!famiglie[f]) continue;
        ludo::FamiglieVista sola{};
        sola[f] = true;
        for (const ludo::IntestazioneVista& intestazione : ludo::IntestazioniVista(sola)) {
            Blocco b;
            b.prima = ColonneFisse + static_cast<int>(bloccoDi_.size());
            b.ultima = b.prima + static_cast<int>(intestazione.Tipi.size()) - 1;
            b.titolo = QString::fromStdString(intestazione.Titolo);
            b.sottotitolo = QString::fromStdString(intestazione.Sottotitolo);
            for (const auto& tipo : intestazione.Tipi) b.tipi.append(QString::fromStdString(tipo));
            b.famiglia = famiglia;
            bloccoDi_.insert(bloccoDi_.end(), intestazione.Tipi.size(),
                             static_cast<int>(blocchi_.size()));
            blocchi_.push_back(b);
        }
        ++famiglia;
    }
    righe_.assign(archivio_.Conteggio(), std::nullopt);
    endResetModel();
}

const ModelloVistaArchivio::Blocco* ModelloVistaArchivio::BloccoDi(int colonna) const {
    const int v = colonna - ColonneFisse;
    if (v < 0 || v >= static_cast<int>(bloccoDi_.size())) return nullptr;
    return &blocchi_[static_cast<std::size_t>(bloccoDi_[static_cast<std::size_t>(v)])];
}

int ModelloVistaArchivio::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(archivio_.Conteggio());
}

int ModelloVistaArchivio::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColonneFisse + static_cast<int>(bloccoDi_.size());
}

const ludo::RigaVista& ModelloVistaArchivio::Riga(int riga) const {
    auto& r = righe_[static_cast<std::size_t>(riga)];
    if (!r) r = ludo::RigaVistaArchivio(archivio_, static_cast<std::size_t>(riga), famiglie_);
    return *r;
}

QVariant ModelloVistaArchivio::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() >= rowCount() || indice.column() >= columnCount())
        return {};
    const int colonna = indice.column();
    if (ruolo == Qt::BackgroundRole) {
        const Blocco* b = BloccoDi(colonna);
        return b == nullptr ? ColoreColonneFisse() : ColoreFamiglia(b->famiglia);
    }
    if (ruolo == Qt::TextAlignmentRole) {
        return QVariant::fromValue(colonna == 3 ? Qt::AlignLeft | Qt::AlignVCenter
                                                : Qt::AlignCenter);
    }
    if (ruolo != Qt::DisplayRole) return {};
    const ludo::RigaVista& r = Riga(indice.row());
    switch (colonna) {
        case 0:
            return QString::fromStdString(r.Anno);
        case 1:
            return QString::fromStdString(r.Numero);
        case 2:
            return QString::fromStdString(r.Tipo);
        case 3:
            return QString::fromStdString(r.Colonna);
        default:
            return r.Valori[static_cast<std::size_t>(colonna - ColonneFisse)];
    }
}

QVariant ModelloVistaArchivio::headerData(int sezione, Qt::Orientation orientamento,
                                          int ruolo) const {
    if (ruolo != Qt::DisplayRole) return {};
    if (orientamento == Qt::Vertical) return sezione + 1;
    if (sezione < ColonneFisse) return QString::fromLatin1(TitoliFissi[sezione]);
    const Blocco* b = BloccoDi(sezione);
    return b == nullptr ? QVariant() : QVariant(b->tipi.at(sezione - b->prima));
}
