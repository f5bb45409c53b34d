#include "ui/controls/TGListaCartelle.h"

#include <QDir>
#include <QFileInfo>

TGListaCartelle::TGListaCartelle(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* voce) { setCartella(QDir(cartella_).absoluteFilePath(voce->text())); });
    setCartella(QDir::currentPath());
}

bool TGListaCartelle::setCartella(const QString& cartella) {
    const QFileInfo info(cartella);
    if (!info.isDir()) return false;
    const QString nuova = QDir::cleanPath(info.absoluteFilePath());
    if (nuova == cartella_) return true;
    cartella_ = nuova;
    Elenca();
    emit CartellaCambiata(cartella_);
    return true;
}

void TGListaCartelle::Elenca() {
    clear();
    QDir dir(cartella_);
    if (!dir.isRoot()) addItem(QStringLiteral(".."));
    addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}
