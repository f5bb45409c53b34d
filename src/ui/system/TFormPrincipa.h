#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

namespace Ui {
class TFormPrincipa;
}

// The program's frame: caption, menu and status line of the current system.
class TFormPrincipa : public QMainWindow {
    Q_OBJECT
public:
    // nomeFile is the path of the current system file (its name goes in the caption).
    explicit TFormPrincipa(const QString& nomeFile, QWidget* parent = nullptr);
    ~TFormPrincipa() override;

    void AggiornaStatusLine();

private slots:
    void UscitaClick();
    void AboutClick();

private:
    std::unique_ptr<Ui::TFormPrincipa> ui;
    QString nomeFile_;
};
