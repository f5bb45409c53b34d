// ludomatic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <filesystem>

#include "io/ProgramFolder.h"
#include "system/TFormPrincipa.h"
#include "system/Versione.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludomatic"));
    QApplication::setApplicationVersion(QString::fromStdString(ludo::TestoVersione()));

    const std::filesystem::path exe = QApplication::applicationFilePath().toStdString();
    const auto cartella = ludo::io::programFolderFor(exe, ludo::io::Environment::fromProcess());
    if (!ludo::io::prepareProgramFolder(cartella, ludo::io::installedDefaultsFor(exe))) {
        QMessageBox::critical(nullptr, QStringLiteral("Ludomatic"),
                              QStringLiteral("Impossibile creare la cartella del programma:\n%1")
                                  .arg(QString::fromStdString(cartella.string())));
    }
    if (!QDir::setCurrent(QString::fromStdString(cartella.string()))) QDir::setCurrent(QStringLiteral("."));

    const auto nomeFile = ludo::io::resolvePath(cartella, std::string("\\") + std::string(ludo::io::kSistemi) +
                                                              "\\" + std::string(ludo::NomeSenzaNome));
    TFormPrincipa finestra(QString::fromStdString(nomeFile.string()));
    finestra.showMaximized();
    return QApplication::exec();
}
