#include "system/TFormPrincipa.h"

#include <QMessageBox>

#include "system/Versione.h"
#include "ui_TFormPrincipa.h"

TFormPrincipa::TFormPrincipa(const QString& nomeFile, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFormPrincipa>()), nomeFile_(nomeFile) {
    ui->setupUi(this);
    connect(ui->Uscita, &QAction::triggered, this, &TFormPrincipa::UscitaClick);
    connect(ui->About, &QAction::triggered, this, &TFormPrincipa::AboutClick);
    AggiornaStatusLine();
}

TFormPrincipa::~TFormPrincipa() = default;

void TFormPrincipa::AggiornaStatusLine() {
    setWindowTitle(QString::fromStdString(ludo::TitoloPrincipale(nomeFile_.toStdString())));
}

void TFormPrincipa::UscitaClick() { close(); }

void TFormPrincipa::AboutClick() {
    QMessageBox::about(this, QStringLiteral("Informazioni su Ludomatic"),
                       QStringLiteral("Ludomatic %1 per Linux\n\nSistemi per il concorso Totogol.")
                           .arg(QString::fromStdString(ludo::TestoVersione())));
}
