#pragma once
// A surface tiled with a picture (plain when there is none).

#include <QPixmap>
#include <QWidget>

class TSfondo : public QWidget {
    Q_OBJECT
public:
    explicit TSfondo(QWidget* parent = nullptr) : QWidget(parent) {}

    // Loads the picture of a file; false (and a plain surface) when it cannot be read.
    bool CaricaImmagine(const QString& file);
    [[nodiscard]] const QPixmap& Immagine() const { return immagine_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap immagine_;
};
