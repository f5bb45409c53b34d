// ludomatic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <filesystem>
#include <optional>

#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"
#include "core/system/Versione.h"
#include "ui/controls/TraduzioneQt.h"
#include "ui/system/TFormPrincipa.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludomatic"));
    QApplication::setApplicationVersion(QString::fromStdString(ludo::TestoVersione()));
    // The taskbar and the window switcher show the program's icon and match
    // its windows to the installed desktop entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ludomatic.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("ludomatic"));
    InstallaTraduzioneQt();
    // Amounts and counts are grouped as the user's locale does; a machine
    // with no locale set gets the Italian one, the program's own language.
    if (QLocale::system().language() == QLocale::C) QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    const std::filesystem::path exe = QApplication::applicationFilePath().toStdString();
    std::filesystem::path programma = ".";
    try {
        programma = ludo::io::openProgramFolder(exe, ludo::io::Environment::fromProcess());
    } catch (const ludo::Errore& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Ludomatic"), QString::fromUtf8(e.what()));
    }
    if (!QDir::setCurrent(QString::fromStdString(programma.string()))) {
        QDir::setCurrent(QStringLiteral("."));
        programma = ".";
    }

    ludo::T_Sistema sistema(programma);
    TFormPrincipa finestra(sistema);
    const QStringList argomenti = QApplication::arguments();
    std::optional<QString> fileSistema;
    if (argomenti.size() == 2) fileSistema = QDir(QDir::currentPath()).absoluteFilePath(argomenti.at(1));
    // The whole screen, also where no window manager maximises it.
    if (const QScreen* schermo = finestra.screen()) finestra.setGeometry(schermo->availableGeometry());
    finestra.showMaximized();
    finestra.Avvio(fileSistema);
    return QApplication::exec();
}
