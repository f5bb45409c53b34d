#pragma once
// A label drawn at an angle: Angle in tenths of a degree, counter-clockwise
// (900 reads from bottom to top).

#include <QString>
#include <QWidget>

class TALabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Angle READ Angle WRITE setAngle)
public:
    explicit TALabel(const QString& caption = {}, QWidget* parent = nullptr);

    [[nodiscard]] QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    [[nodiscard]] int Angle() const { return angle_; }
    void setAngle(int decimiDiGrado);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QTransform Rotazione() const;

    QString caption_;
    int angle_ = 0;
};
