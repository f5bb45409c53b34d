// Pictures of the program's windows for the documentation, taken from the
// real windows on sample systems. Run under a display (xvfb-run works):
//   istantanee CARTELLA_DESTINAZIONE
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

#include "engine/TFrmSviluppo.h"
#include "io/ProgramFolder.h"
#include "system/TFormPrincipa.h"
#include "system/T_Sistema.h"

namespace {

// A reduced development of 16 numbers at guarantee 6, shown at its end.
bool Sviluppo(const QDir& destinazione) {
    QTemporaryDir cartella;
    const std::filesystem::path radice = cartella.path().toStdString();
    for (auto s : ludo::io::kSottocartelle) std::filesystem::create_directories(radice / std::string(s));
    ludo::T_Sistema sistema(radice);
    sistema.Dati->Pronostico = 0xFFFFu;
    sistema.Dati->Destinazione.SviluppoRidotto = true;
    sistema.Dati->Destinazione.Garanzia = 6;
    TFrmSviluppo finestra;
    QEventLoop attesa;
    QObject::connect(&finestra, &TFrmSviluppo::Terminato, &attesa, &QEventLoop::quit);
    finestra.Avvia(sistema);
    attesa.exec();
    finestra.adjustSize();
    QApplication::processEvents();
    return finestra.grab().save(destinazione.filePath(QStringLiteral("sviluppo.png")));
}

// The main window on the demonstration coupon of the program folder, with a
// forecast of 12 matches, 2 of them fixed.
bool Principale(const QDir& destinazione) {
    const std::filesystem::path exe = QApplication::applicationFilePath().toStdString();
    ludo::T_Sistema sistema(ludo::io::programFolderFor(exe, ludo::io::Environment::fromProcess()));
    TFormPrincipa finestra(sistema);
    finestra.resize(1100, 700);
    finestra.show();
    finestra.Avvio(std::nullopt);
    sistema.Dati->Pronostico = 0x00F00F0Fu;
    sistema.Dati->Fisse = 0x00000101u;
    finestra.ImpostaTutto();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return finestra.grab().save(destinazione.filePath(QStringLiteral("principale.png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (argc != 2) {
        std::cerr << "Uso: istantanee CARTELLA_DESTINAZIONE\n";
        return 2;
    }
    const QDir destinazione(QString::fromLocal8Bit(argv[1]));
    return Sviluppo(destinazione) && Principale(destinazione) ? 0 : 1;
}
