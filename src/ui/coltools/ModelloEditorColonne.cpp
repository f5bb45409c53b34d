#include "ui/coltools/ModelloEditorColonne.h"

ModelloEditorColonne::ModelloEditorColonne(ludo::EditorColonne& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

int ModelloEditorColonne::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : ludo::PosizioniColonna;
}

int ModelloEditorColonne::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : ColonneVisibili;
}

std::size_t ModelloEditorColonne::Indice(int colonnaGriglia) const {
    return posizione_ + static_cast<std::size_t>(colonnaGriglia);
}

QString ModelloEditorColonne::TestoCella(std::size_t indice, int riga) const {
    if (inCorso_ && inCorso_->indice == indice && inCorso_->riga == riga) return inCorso_->testo;
    const int numero = editor_.Numero(indice, riga);
    return numero == 0 ? QString() : QString::number(numero);
}

QVariant ModelloEditorColonne::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) return {};
    switch (ruolo) {
        case Qt::DisplayRole:
            return TestoCella(Indice(indice.column()), indice.row());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant ModelloEditorColonne::headerData(int sezione, Qt::Orientation orientamento,
                                          int ruolo) const {
    if (ruolo != Qt::DisplayRole)
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    if (orientamento == Qt::Vertical) return QString::number(sezione + 1);
    return QString::number(Indice(sezione) + 1);
}

Qt::ItemFlags ModelloEditorColonne::flags(const QModelIndex& indice) const {
    return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ModelloEditorColonne::ImpostaPosizione(std::size_t posizione) {
    if (posizione == posizione_) return;
    Acquisisci();
    posizione_ = posizione;
    Aggiorna();
}

ModelloEditorColonne::CellaInCorso& ModelloEditorColonne::Inizia(const QModelIndex& cella) {
    const auto indice = Indice(cella.column());
    if (!inCorso_ || inCorso_->indice != indice || inCorso_->riga != cella.row()) {
        Acquisisci();
        inCorso_ = CellaInCorso{indice, cella.row(), TestoCella(indice, cella.row())};
    }
    return *inCorso_;
}

void ModelloEditorColonne::Cambiata(const QModelIndex& cella) {
    emit dataChanged(cella, cella, {Qt::DisplayRole});
}

bool ModelloEditorColonne::Digita(const QModelIndex& cella, QChar carattere) {
    if (!cella.isValid() || !(carattere.isDigit() || carattere == QLatin1Char(' '))) return false;
    auto& inCorso = Inizia(cella);
    if (inCorso.testo.size() >= CaratteriCella) return false;
    inCorso.testo.append(carattere);
    Cambiata(cella);
    return true;
}

bool ModelloEditorColonne::Indietro(const QModelIndex& cella) {
    if (!cella.isValid()) return false;
    auto& inCorso = Inizia(cella);
    inCorso.testo.chop(1);
    Cambiata(cella);
    return true;
}

void ModelloEditorColonne::Acquisisci() {
    if (!inCorso_) return;
    const auto cella = *inCorso_;
    inCorso_.reset();
    editor_.ImpostaNumero(cella.indice, cella.riga, ludo::ValoreCella(cella.testo.toStdString()));
    if (cella.indice >= posizione_ && cella.indice < posizione_ + ColonneVisibili) {
        Cambiata(index(cella.riga, static_cast<int>(cella.indice - posizione_)));
    }
    emit ListaCambiata();
}

void ModelloEditorColonne::Aggiorna() {
    emit dataChanged(index(0, 0), index(ludo::PosizioniColonna - 1, ColonneVisibili - 1),
                     {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, 0, ColonneVisibili - 1);
}
