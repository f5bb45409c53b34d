// Pictures of the program's windows for the documentation, taken from the
// real windows on sample systems. Run under a display (xvfb-run works):
//   istantanee CARTELLA_DESTINAZIONE
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

#include "engine/TFrmSviluppo.h"
#include "io/ProgramFolder.h"
#include "engine/Sviluppo.h"
#include "system/TFormPrincipa.h"
#include "system/TFormSelPartite.h"
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

// The main window on the program folder's demonstration data.
struct Principale {
    Principale()
        : sistema(ludo::io::programFolderFor(QApplication::applicationFilePath().toStdString(),
                                             ludo::io::Environment::fromProcess())),
          finestra(sistema) {
        finestra.resize(1100, 700);
        finestra.show();
        finestra.Avvio(std::nullopt);
    }
    void Mostra() {
        finestra.ImpostaTutto();
        for (int i = 0; i < 20; ++i) QApplication::processEvents();
    }
    bool Salva(const QDir& destinazione, const char* nome) {
        Mostra();
        return finestra.grab().save(destinazione.filePath(QString::fromLatin1(nome)));
    }
    ludo::T_Sistema sistema;
    TFormPrincipa finestra;
};

// Empty; with a forecast of 12 matches, 2 of them fixed; then developed.
bool Principali(const QDir& destinazione) {
    Principale p;
    p.sistema.Dati->Coupon = ludo::Schedina{};
    if (!p.Salva(destinazione, "principale-vuota.png")) return false;
    Principale conPronostico;
    auto& d = *conPronostico.sistema.Dati;
    d.Pronostico = 0x00F00F0Fu;
    d.Fisse = 0x00000101u;
    if (!conPronostico.Salva(destinazione, "principale.png")) return false;
    ludo::InterfacciaSviluppo nessunaFinestra;
    ludo::Sviluppa(conPronostico.sistema, nessunaFinestra);
    return conPronostico.Salva(destinazione, "principale-sviluppata.png");
}

// The team selection window opened by "Squadre", beside the main window.
bool SelezioneSquadre(const QDir& destinazione) {
    Principale p;
    p.Mostra();
    p.finestra.findChild<QPushButton*>(QStringLiteral("Squadre"))->click();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    const auto finestre = p.finestra.findChildren<TFormSelPartite*>();
    if (finestre.isEmpty()) return false;
    return finestre.front()->grab().save(destinazione.filePath(QStringLiteral("selezione-squadre.png")));
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
    return Sviluppo(destinazione) && Principali(destinazione) && SelezioneSquadre(destinazione) ? 0 : 1;
}
