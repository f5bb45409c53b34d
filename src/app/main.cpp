// ludomatic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <filesystem>
#include <optional>

#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"
#include "core/system/Versione.h"
#include "ui/controls/TraduzioneQt.h"
#include "ui/system/TFormPrincipa.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludomatic"));
    QApplication::setApplicationVersion(QString::fromStdString(ludo::TestoVersione()));
    InstallaTraduzioneQt();
    // Amounts and counts are grouped as the user's locale does; a machine
    // with no locale set gets the Italian one, the program's own language.
    if (QLocale::system().language() == QLocale::C) QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    const std::filesystem::path exe = QApplication::applicationFilePath().toStdString();
    const auto cartella = ludo::io::programFolderFor(exe, ludo::io::Environment::fromProcess());
    if (!ludo::io::prepareProgramFolder(cartella, ludo::io::installedDefaultsFor(exe))) {
        QMessageBox::critical(nullptr, QStringLiteral("Ludomatic"),
                              QStringLiteral("Impossibile creare la cartella del programma:\n%1")
                                  .arg(QString::fromStdString(cartella.string())));
    }
    std::filesystem::path programma = cartella;
    if (!QDir::setCurrent(QString::fromStdString(cartella.string()))) {
        QDir::setCurrent(QStringLiteral("."));
        programma = ".";
    }

    ludo::T_Sistema sistema(programma);
    TFormPrincipa finestra(sistema);
    const QStringList argomenti = QApplication::arguments();
    std::optional<QString> fileSistema;
    if (argomenti.size() == 2) fileSistema = QDir(QDir::currentPath()).absoluteFilePath(argomenti.at(1));
    finestra.showMaximized();
    finestra.Avvio(fileSistema);
    return QApplication::exec();
}
