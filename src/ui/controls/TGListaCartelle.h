#pragma once
// Folder list: the sub-folders of the current folder, with ".." to go up;
// activating an entry (double click or Enter) makes it current.

#include <QListWidget>
#include <QString>

class TGListaCartelle : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString Cartella READ Cartella WRITE setCartella NOTIFY CartellaCambiata)
public:
    explicit TGListaCartelle(QWidget* parent = nullptr);

    [[nodiscard]] QString Cartella() const { return cartella_; }
    // A folder that does not exist is ignored; the result says whether it
    // became current.
    bool setCartella(const QString& cartella);

signals:
    void CartellaCambiata(const QString& cartella);

private:
    void Elenca();

    QString cartella_;
};
