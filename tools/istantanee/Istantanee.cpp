// Pictures of the program's windows for the documentation, taken from the
// real windows on sample systems, and PDF printouts of sample print jobs.
// Run under a display (xvfb-run works):
//   istantanee CARTELLA_DESTINAZIONE [--stampe CARTELLA_PDF]
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <bit>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/checking/ArchivioGiocate.h"
#include "core/checking/SistemiAutomatici.h"
#include "core/checking/SpoglioStorico.h"
#include "core/columns/FileColonne.h"
#include "core/columns/ListaColonne.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TPuntiTra.h"
#include "core/conditions/TQuadro.h"
#include "core/engine/Sviluppo.h"
#include "core/io/ProgramFolder.h"
#include "core/printing/Taratura.h"
#include "core/statistics/AnalisiNumeri.h"
#include "core/statistics/TGestoreGrDati.h"
#include "core/system/Schedina.h"
#include "core/system/T_Sistema.h"
#include "ftp/ServerAggiornamento.h"
#include "ui/archive/TFrmArchivio.h"
#include "ui/archive/TFrmConcorso.h"
#include "ui/archive/TFrmImpRicerca.h"
#include "ui/archive/TFrmStampaArchivio.h"
#include "ui/archive/TFrmVisArchivio.h"
#include "ui/checking/FoglioXlsx.h"
#include "ui/checking/TFrmDettSche.h"
#include "ui/checking/TFrmGoalDopoGoal.h"
#include "ui/checking/TFrmSchedineVincenti.h"
#include "ui/checking/TFrmSpoglio.h"
#include "ui/checking/TFrmSpoglioGlobale.h"
#include "ui/checking/TFrmSpoglioStorico.h"
#include "ui/checking/TFrmVisualizzaColonne.h"
#include "ui/coltools/TFormEditorColonnare.h"
#include "ui/coltools/TFrmAccorpa.h"
#include "ui/coltools/TFrmConverte.h"
#include "ui/coltools/TFrmOperazioni.h"
#include "ui/conditions/TFrmAlbero.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/conditions/TFrmRecAna.h"
#include "ui/conditions/TFrmRecuperi.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TAnimazioneLogo.h"
#include "ui/controls/TFrmGuida.h"
#include "ui/controls/TGCasSelector.h"
#include "ui/controls/TGEditNum.h"
#include "ui/controls/TGListaCartelle.h"
#include "ui/controls/TPronostico.h"
#include "ui/controls/TraduzioneQt.h"
#include "ui/engine/TFrmCalcGaranzie.h"
#include "ui/engine/TFrmImpSv.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/printing/StampaLavoro.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TFormImpostaTabulato.h"
#include "ui/printing/TFormStampaProspetto.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TFrmTaratura.h"
#include "ui/shop/StampaRicevitoria.h"
#include "ui/shop/TFormDatiRicevitoria.h"
#include "ui/shop/TFormGeneraSchedine.h"
#include "ui/shop/TFormVisGiocate.h"
#include "ui/shop/TFrmRidottiImmediati.h"
#include "ui/shop/TFrmSistAutomatici.h"
#include "ui/statistics/TFrmAnalisiColonnare.h"
#include "ui/statistics/TFrmAnalisiGruppi.h"
#include "ui/statistics/TFrmAnalisiStorica.h"
#include "ui/statistics/TFrmCercaFisse.h"
#include "ui/statistics/TFrmFrequenzaNumeri.h"
#include "ui/statistics/TFrmInfoStatistiche.h"
#include "ui/statistics/TFrmPronosticoStatistico.h"
#include "ui/statistics/TFrmStoricoNumeri.h"
#include "ui/system/TFormPrincipa.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/update/TFormDownload.h"

namespace {

// The small screen of a player's laptop, which every window must fit.
constexpr int LarghezzaSchermo = 1024;
constexpr int AltezzaSchermo = 600;

// A scratch program folder with its sub-folders and nothing in them.
std::filesystem::path CartellaVuota(const QTemporaryDir& dir) {
    const std::filesystem::path radice = dir.path().toStdString();
    ludo::io::prepareProgramFolder(radice, {});
    return radice;
}

// The program folder of the pictures: a copy of the build's, named as a
// user's is, so that the paths the windows show end in "Ludomatic/…" rather
// than in the build tree, and nothing the windows save lands there. It lives
// until the program ends.
const std::filesystem::path& CartellaDelleFoto() {
    static const QTemporaryDir scratch;
    static const std::filesystem::path cartella = [] {
        namespace fs = std::filesystem;
        const fs::path build = ludo::io::programFolderFor(
            QApplication::applicationFilePath().toStdString(), ludo::io::Environment::fromProcess());
        const fs::path copia = fs::path(scratch.path().toStdString()) / "Ludomatic";
        ludo::io::prepareProgramFolder(copia, {});
        // The shipped data as the build holds it (the guide with its pictures),
        // and the recording and the slip picture the build makes.
        std::vector<fs::path> voci{build / std::string(ludo::io::kWav),
                                   build / ludo::FileImmagineSchedina};
        for (const auto& voce : fs::directory_iterator(LUDO_DATA_DIR))
            voci.push_back(build / voce.path().filename());
        for (const auto& voce : voci)
            fs::copy(voce, copia / voce.filename(),
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return copia;
    }();
    return cartella;
}

// A reduced development of 16 numbers at guarantee 6, shown at its end.
bool Sviluppo(const QDir& destinazione) {
    QTemporaryDir cartella;
    const std::filesystem::path radice = CartellaVuota(cartella);
    ludo::T_Sistema sistema(radice);
    sistema.Dati->Pronostico = 0xFFFFu;
    sistema.Dati->Fisse = 0x3u;
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

// The development settings with the improved reduction chosen.
bool ImpostazioniSviluppo(const QDir& destinazione) {
    QTemporaryDir cartella;
    const std::filesystem::path radice = CartellaVuota(cartella);
    ludo::T_Sistema sistema(radice);
    auto& d = sistema.Dati->Destinazione;
    d.SviluppoRidotto = true;
    d.Garanzia = 7;
    d.RiduzioneOttimizzata = true;
    d.RiduzioneMigliorata = true;
    d.SecondiMigliorata = 120;
    TFrmImpSv finestra(sistema);
    finestra.show();
    finestra.adjustSize();
    QApplication::processEvents();
    return finestra.grab().save(destinazione.filePath(QStringLiteral("impostazioni-sviluppo.png")));
}

// The main window on the program folder's demonstration data.
struct Principale {
    Principale()
        : sistema(CartellaDelleFoto()),
          finestra(sistema) {
        finestra.resize(LarghezzaSchermo, AltezzaSchermo);
        finestra.show();
        finestra.Avvio(std::nullopt);
    }
    void Mostra() {
        finestra.ImpostaTutto();
        for (int i = 0; i < 20; ++i) QApplication::processEvents();
        // The ball of the start animation comes to rest beside the name.
        auto* animazione = finestra.findChild<TAnimazioneLogo*>();
        QElapsedTimer attesa;
        attesa.start();
        while (animazione != nullptr && animazione->InCorso() && attesa.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
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
    conPronostico.sistema.AdottaSviluppo(
        ludo::Sviluppa(conPronostico.sistema, nessunaFinestra).Risultato);
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
    return finestre.front()->grab().save(
        destinazione.filePath(QStringLiteral("selezione-squadre.png")));
}

// The calibration window on the program folder's slip picture.
bool Taratura(const QDir& destinazione) {
    Principale p;
    TFrmTaratura finestra(p.sistema);
    finestra.show();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return finestra.grab().save(destinazione.filePath(QStringLiteral("taratura.png")));
}

// Columns of 8 numbers out of 30, the same on every run.
ludo::ListaColonne ColonneDiEsempio(int quante) {
    ludo::ListaColonne colonne;
    unsigned stato = 12345;
    for (int i = 0; i < quante; ++i) {
        ludo::Colonna c = 0;
        while (std::popcount(c) < 8) {
            stato = stato * 1103515245u + 12345u;
            c |= ludo::Colonna{1} << ((stato >> 16) % 30);
        }
        colonne.Aggiungi(c);
    }
    return colonne;
}

// One print job into a PDF file of the given page size, margins nil.
bool Pdf(const QString& file, const QPageSize& pagina,
         const std::function<void(SuperficieStampa&)>& lavoro) {
    QPdfWriter pdf(file);
    pdf.setResolution(600);
    pdf.setPageSize(pagina);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    SuperficieDispositivo superficie(pdf);
    try {
        lavoro(superficie);
    } catch (const std::exception& e) {
        std::cerr << file.toStdString() << ": " << e.what() << "\n";
        return false;
    }
    return true;
}

// The print dialog on 13 columns, and the listing settings it opens.
bool DialoghiStampa(const QDir& destinazione) {
    Principale p;
    TFormStampaSchedine stampa(p.sistema);
    stampa.Lavoro().Colonne = ColonneDiEsempio(13);
    stampa.ImpostaTutto();
    stampa.show();
    TFormImpostaTabulato impostazioni(p.sistema.Dati->Config, p.sistema.Cartella(), nullptr);
    impostazioni.show();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return stampa.grab().save(destinazione.filePath(QStringLiteral("stampa-schedine.png"))) &&
           impostazioni.grab().save(
               destinazione.filePath(QStringLiteral("impostazioni-tabulato.png")));
}

// The print options of the sample jobs: six columns a slip of "Esempio.LDS".
OpzioniStampa OpzioniDiEsempio() {
    OpzioniStampa opzioni;
    opzioni.fileSistema = "Esempio.LDS";
    return opzioni;
}

// A listing of 50 slips of six columns.
ludo::LavoroStampaSchedine TabulatoDiEsempio() {
    ludo::LavoroStampaSchedine tabulato;
    tabulato.Colonne = ColonneDiEsempio(300);
    tabulato.UltimaSchedina = 50;
    return tabulato;
}

// The listing of 50 slips in the preview window.
bool AnteprimaTabulato(const QDir& destinazione) {
    const ludo::Configurazione config;
    const auto tabulato = TabulatoDiEsempio();
    const auto opzioni = OpzioniDiEsempio();
    QPrintPreviewDialog anteprima(&StampanteProgramma());
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima,
                     [&](QPrinter* stampante) {
                         SuperficieDispositivo superficie(*stampante);
                         StampaTabulato(superficie, tabulato, config, config.ImpTabulato, opzioni);
                     });
    anteprima.resize(900, 700);
    anteprima.show();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return anteprima.grab().save(destinazione.filePath(QStringLiteral("anteprima-tabulato.png")));
}

// 13 columns on slips fed across and along, and a listing of 50 slips.
bool Stampe(const QDir& destinazione) {
    const ludo::Configurazione config;
    const QPageSize schedina(QSizeF(110, 190), QPageSize::Millimeter, QStringLiteral("Schedina"));
    const auto opzioni = OpzioniDiEsempio();
    for (int tipo : {ludo::StampaOrizzontale, ludo::StampaVerticale}) {
        ludo::LavoroStampaSchedine lavoro;
        lavoro.Colonne = ColonneDiEsempio(13);
        lavoro.UltimaSchedina = ludo::NumeroSchedine(13, opzioni.colonnePerSchedina);
        lavoro.TipoStampa = tipo;
        const QString nome = tipo == ludo::StampaOrizzontale
                                 ? QStringLiteral("stampa-schedine-orizzontali.pdf")
                                 : QStringLiteral("stampa-schedine-verticali.pdf");
        if (!Pdf(destinazione.filePath(nome), schedina,
                 [&](SuperficieStampa& s) { StampaSchedine(s, lavoro, config, opzioni); })) {
            return false;
        }
    }
    const auto tabulato = TabulatoDiEsempio();
    return Pdf(destinazione.filePath(QStringLiteral("stampa-tabulato.pdf")),
               QPageSize(QPageSize::A4), [&](SuperficieStampa& s) {
                   StampaTabulato(s, tabulato, config, config.ImpTabulato, opzioni);
               });
}

// The help window at the page of the print dialog, as its "Aiuto" opens it.
bool GuidaStampa(const QDir& destinazione) {
    Principale p;
    TFormStampaSchedine stampa(p.sistema);
    stampa.ImpostaTutto();
    stampa.show();
    TFrmGuida* guida = ApriGuida(&stampa, TFormStampaSchedine::PaginaGuida);
    if (guida == nullptr) return false;
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return guida->grab().save(destinazione.filePath(QStringLiteral("guida-stampa.png")));
}

// The index of the guide, as "Sommario" of the main window opens it.
bool GuidaSommario(const QDir& destinazione) {
    Principale p;
    p.finestra.Comando(QStringLiteral("Sommario"))->trigger();
    auto* guida = p.finestra.findChild<TFrmGuida*>();
    if (guida == nullptr) return false;
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return guida->grab().save(destinazione.filePath(QStringLiteral("guida-sommario.png")));
}

// ---- condition editors ---------------------------------------------------

void Accetta(ludo::TMisura& misura, std::initializer_list<int> valori,
             std::uint8_t stato = ludo::Accettato) {
    for (int v : valori) misura.Prima.Voci[static_cast<std::size_t>(v)] = {stato, 1};
}

// The sample conditioned system of the benchmarks, with a value or two in
// the conditions it leaves empty, so that every editor shows some.
void SistemaDiEsempio(ludo::T_Sistema& sistema) {
    sistema.Carica(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
    auto& c = sistema.Dati->Condizioni;
    Accetta(static_cast<ludo::TPosizioni&>(c.Condizione(ludo::CodPosizioni)).Tabelle[0],
            {1, 2, 3, 4, 5});
    auto& sequenze = static_cast<ludo::TNumeroSequenze&>(c.Condizione(ludo::CodNumeroSequenze));
    Accetta(sequenze.Tabelle[0], {2, 3, 4, 5});
    auto& formule = static_cast<ludo::TFormuleDerivate&>(c.Condizione(ludo::CodFormuleDerivate));
    formule.Formule[3] = formule.Formule[4] = formule.Formule[5] = true;
    auto& consecutivita = static_cast<ludo::TGruppo&>(c.Condizione(ludo::CodGruppoConsecutivita));
    auto& segni = static_cast<ludo::TConsecutivita&>(consecutivita.NuovoMembro());
    Accetta(segni.Tabelle[0], {3, 4, 5});
    Accetta(segni.Tabelle[1], {1, 2});
    auto& distanze = static_cast<ludo::TGruppo&>(c.Condizione(ludo::CodGruppoDistanze));
    for (auto [prima, seconda] : {std::pair{1, 8}, std::pair{2, 5}}) {
        auto& d = static_cast<ludo::TDistanzaSpecifica&>(distanze.NuovoMembro());
        d.Posizione1 = prima;
        d.Posizione2 = seconda;
        Accetta(d.Tabelle[0], {12, 13, 14, 15, 16, 17, 18, 19, 20});
        Accetta(d.Tabelle[0], {11, 21}, ludo::InRecupero);
    }
    sistema.PreparaCondizioni();
}

struct ComandoEFile {
    const char* comando;
    const char* file;
};

// Opens a command of the main window and takes the picture of the modal
// window it shows, then closes it with "Annulla".
bool FinestraDelComando(TFormPrincipa& principale, const QString& comando, const QDir& destinazione,
                        const QString& file) {
    bool salvata = false;
    QTimer::singleShot(0, [&] {
        auto* finestra = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (finestra == nullptr) return;
        for (int i = 0; i < 20; ++i) QApplication::processEvents();
        salvata = finestra->grab().save(destinazione.filePath(file));
        finestra->reject();
    });
    principale.Comando(comando)->trigger();
    return salvata;
}

// The picture of the window of each command, one after the other.
template <std::size_t N>
bool FinestreDeiComandi(TFormPrincipa& principale, const ComandoEFile (&comandi)[N],
                        const QDir& destinazione) {
    for (const auto& e : comandi) {
        if (!FinestraDelComando(principale, QString::fromLatin1(e.comando), destinazione,
                                QString::fromLatin1(e.file))) {
            std::cerr << e.file << ": la finestra non si è aperta\n";
            return false;
        }
    }
    return true;
}

// Every condition editor of the "Condizioni" menu on the sample system.
bool EditoriCondizioni(const QDir& destinazione) {
    Principale p;
    SistemaDiEsempio(p.sistema);
    p.Mostra();
    const ComandoEFile editori[] = {
        {"PariDispari", "condizione-pari-dispari.png"},
        {"ConsecutivitaNumerica", "condizione-numeri-consecutivi.png"},
        {"NumeroSequenze", "condizione-numero-sequenze.png"},
        {"Posizioni", "condizione-posizioni.png"},
        {"DistanzeGlobali", "condizione-distanze-globali.png"},
        {"DistanzeSpecifiche", "condizione-distanze-particolari.png"},
        {"Resti", "condizione-resti.png"},
        {"Baricentri", "condizione-baricentri.png"},
        {"ColonneFiltro", "condizione-colonne-filtro.png"},
        {"ConsecutivitaDifferenziata", "condizione-consecutivita-differenziata.png"},
        {"FormuleDerivate", "condizione-formule-derivate.png"},
    };
    return FinestreDeiComandi(p.finestra, editori, destinazione);
}

// A sum over every match, a "Picch." sum over the forecast and a "Punti
// Tra" group fed by the parity tables, each with accepted intervals and
// one in recovery.
void IntervalliDiEsempio(ludo::T_Sistema& sistema) {
    auto& c = sistema.Dati->Condizioni;
    const auto intervalli = [](ludo::TIntervalli& t,
                               std::initializer_list<ludo::Intervallo> elenco) {
        for (const auto& i : elenco) t.Intervalli[static_cast<std::size_t>(t.Numero++)] = i;
    };
    auto& somme = static_cast<ludo::TGruppo&>(c.Condizione(ludo::CodGruppoSomme));
    auto& somma = static_cast<ludo::TSomma&>(somme.NuovoMembro());
    somma.Partite = ~ludo::Colonna{0};
    intervalli(somma.Intervalli, {{90, 118, ludo::Accettato, 0},
                                  {119, 140, ludo::Accettato, 0},
                                  {80, 89, ludo::InRecupero, 1}});
    for (std::size_t i = 0; i < sistema.Dati->Picchetti.size(); ++i)
        sistema.Dati->Picchetti[i] = 1.5 + static_cast<double>((i * 7) % 20);
    auto& picchetti = static_cast<ludo::TGruppo&>(c.Condizione(ludo::CodGruppoPicchetti));
    auto& picchetto = static_cast<ludo::TPicchetto&>(picchetti.NuovoMembro());
    for (std::size_t i = 0; i < picchetto.Partite.size(); ++i)
        picchetto.Partite[i] = ((sistema.Dati->Pronostico >> i) & 1U) != 0;
    intervalli(picchetto.Intervalli, {{40, 75.5, ludo::Accettato, 0}});
    auto& pari = static_cast<ludo::TPariDispari&>(c.Condizione(ludo::CodPariDispari));
    pari.Tabelle[0].Prima.Campo = 1;
    pari.Tabelle[1].Prima.Campo = 1;
    intervalli(sistema.Dati->Condizioni.PuntiTra().Gruppi[1], {{8, 8, ludo::Accettato, 0}});
}

// The pattern conditions of the sample system with some values, so that
// their editors show a typical choice.
void CondizioniSchemaDiEsempio(ludo::T_Sistema& sistema) {
    auto& c = sistema.Dati->Condizioni;
    auto& interruzioni = static_cast<ludo::TInterruzioni&>(c.Condizione(ludo::CodInterruzioni));
    Accetta(interruzioni.Tabelle[0], {3, 4, 5});
    Accetta(interruzioni.Tabelle[0], {2, 6}, ludo::InRecupero);
    auto& simmetrie = static_cast<ludo::TSimmetrie&>(c.Condizione(ludo::CodSimmetrie));
    Accetta(simmetrie.Tabelle[2], {0, 1, 2});
    auto& ripetizioni = static_cast<ludo::TRipetizioni&>(c.Condizione(ludo::CodRipetizioni));
    Accetta(ripetizioni.Tabelle[0], {1, 2, 3, 4});
    auto& vortice = static_cast<ludo::TVortice&>(c.Condizione(ludo::CodVortice));
    Accetta(vortice.Tabelle[0], {3, 4, 5, 6});
    Accetta(vortice.Tabelle[1], {2, 3});
    auto& sequele = static_cast<ludo::TGruppo&>(c.Condizione(ludo::CodGruppoSequele));
    auto& sequela = static_cast<ludo::TSequela&>(sequele.NuovoMembro());
    sequela.Parametri.sequela = {2, 1, 2, 0, 0, 0, 0, 0};
    sequela.Parametri.lunghezza = 3;
    Accetta(sequela.Tabelle[0], {0, 1, 2});
    IntervalliDiEsempio(sistema);
    sistema.PreparaCondizioni();
}

// The editors of the pattern conditions, interval conditions and "Punti Tra".
bool EditoriCondizioniSchema(const QDir& destinazione) {
    Principale p;
    SistemaDiEsempio(p.sistema);
    CondizioniSchemaDiEsempio(p.sistema);
    p.Mostra();
    const ComandoEFile editori[] = {
        {"Interruzioni", "condizione-interruzioni.png"}, {"Simmetrie", "condizione-simmetrie.png"},
        {"Ripetizioni", "condizione-ripetizioni.png"},   {"Vortice", "condizione-vortice.png"},
        {"Sequele", "condizione-sequele.png"},           {"Somme", "condizione-somme.png"},
        {"Picchetti", "condizione-picchetti.png"},       {"PuntiTra", "condizione-punti-tra.png"},
    };
    return FinestreDeiComandi(p.finestra, editori, destinazione);
}

// A window shown and drawn into a picture of docs/.
bool Foto(QWidget& finestra, const QDir& destinazione, const char* nome) {
    finestra.show();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    return finestra.grab().save(destinazione.filePath(QString::fromLatin1(nome)));
}

// The statistics windows are drawn at the size of a 1280 x 800 screen, where
// their charts are meant to be read.
bool FotoGrande(QWidget& finestra, const QDir& destinazione, const char* nome) {
    finestra.resize(1180, 700);
    return Foto(finestra, destinazione, nome);
}

// The historical and the columnar analysis of "Pari e Dispari" on the
// sample system and the demonstration archive.
bool AnalisiCondizione(const QDir& destinazione) {
    Principale p;
    SistemaDiEsempio(p.sistema);
    const auto& pari = p.sistema.Dati->Condizioni.Condizione(ludo::CodPariDispari);
    TFrmAnalisiStorica storica(ludo::AnalisiStorica(pari, p.sistema));
    storica.findChild<QPushButton*>(QStringLiteral("ValoriBtn"))->click();
    if (!FotoGrande(storica, destinazione, "analisi-storica.png")) return false;
    storica.findChild<QTabWidget*>(QStringLiteral("Pagine"))->setCurrentIndex(1);
    if (!FotoGrande(storica, destinazione, "analisi-storica-ritardi.png")) return false;
    TFrmAnalisiColonnare colonnare(ludo::AnalisiColonnare(pari, p.sistema));
    colonnare.findChild<QPushButton*>(QStringLiteral("GlobaleBtn"))->click();
    return FotoGrande(colonnare, destinazione, "analisi-colonnare.png");
}

// The system's record, the numbers over the archive and over the columns,
// the statistical forecast, a group of ten numbers and the pairs to fix.
bool StatisticheSistemaENumeri(const QDir& destinazione) {
    Principale p;
    p.sistema.Carica(std::filesystem::path(LUDO_BENCH_SISTEMI) / "tipico.LDS");
    auto& d = *p.sistema.Dati;
    TFrmInfoStatistiche info;
    QEventLoop attesa;
    QObject::connect(&info, &TFrmInfoStatistiche::Terminata, &attesa, &QEventLoop::quit);
    info.Avvia(p.sistema);
    attesa.exec();
    TFrmStoricoNumeri storico(
        ludo::CalcolaStatisticheNumeri(d.Archivio, d.Config.Ricerca.Intervallo));
    // The 495 columns of a forecast of twelve matches, as their integral development.
    ludo::ListaColonne colonne;
    for (ludo::Colonna c = 0xFFu; c < (1u << 12); ++c) {
        if (std::popcount(c) == 8) colonne.Aggiungi(c);
    }
    TFrmFrequenzaNumeri frequenza(ludo::FrequenzaNumeriColonne(colonne), colonne.Conteggio());
    TFrmPronosticoStatistico pronostico(p.sistema);
    const ludo::Colonna tutto = d.Pronostico;
    d.Pronostico = 0x000F03C3u;
    TFrmAnalisiGruppi gruppi(p.sistema);
    gruppi.findChild<QPushButton*>(QStringLiteral("DalPronosticoBtn"))->click();
    gruppi.findChild<QPushButton*>(QStringLiteral("CalcolaBtn"))->click();
    d.Pronostico = tutto;
    TFrmCercaFisse fisse(d.Archivio, d.Config.Ricerca.Intervallo);
    fisse.findChild<QPushButton*>(QStringLiteral("Fisse2Btn"))->click();
    return Foto(info, destinazione, "informazioni-statistiche.png") &&
           FotoGrande(storico, destinazione, "storico-numeri.png") &&
           FotoGrande(frequenza, destinazione, "frequenza-numeri.png") &&
           Foto(pronostico, destinazione, "pronostico-statistico.png") &&
           FotoGrande(gruppi, destinazione, "analisi-gruppi.png") &&
           Foto(fisse, destinazione, "cerca-fisse.png");
}

// The archive windows on the demonstration archive.
bool FinestreArchivio(const QDir& destinazione) {
    Principale p;
    const auto& archivio = p.sistema.Dati->Archivio;
    TFrmArchivio aggiornamento(p.sistema);
    TFrmConcorso concorso(archivio, archivio.Concorsi().back(), false);
    TFrmImpRicerca ricerca(p.sistema.Dati->Config, archivio, p.sistema.Cartella());
    TFrmVisArchivio vista(archivio);
    TFrmStampaArchivio stampa(archivio);
    return Foto(aggiornamento, destinazione, "aggiornamento-archivio.png") &&
           Foto(concorso, destinazione, "modifica-concorso.png") &&
           Foto(ricerca, destinazione, "impostazioni-ricerca.png") &&
           Foto(vista, destinazione, "visualizzazione-archivio.png") &&
           Foto(stampa, destinazione, "stampa-archivio.png");
}

// The last 40 contests of the demonstration archive, printed on A4.
bool StampaArchivioDiEsempio(const QDir& destinazione) {
    ludo::T_Sistema sistema(CartellaDelleFoto());
    auto& d = *sistema.Dati;
    d.Archivio.Carica(ludo::io::resolvePath(sistema.Cartella(), std::string(ludo::io::kArchivi)),
                      d.Config.Ricerca.Intervallo);
    constexpr std::size_t Quanti = 40;
    if (d.Archivio.Conteggio() < Quanti) return false;
    ludo::IntervalloRicerca intervallo = d.Config.Ricerca.Intervallo;
    const ludo::T_Concorso& primo = d.Archivio[d.Archivio.Conteggio() - Quanti];
    intervallo.AnnoDa = primo.Anno;
    intervallo.ConcDa = primo.NumConcorso;
    return Pdf(destinazione.filePath(QStringLiteral("stampa-archivio.pdf")),
               QPageSize(QPageSize::A4),
               [&](SuperficieStampa& s) { StampaArchivioSu(s, d.Archivio, intervallo); });
}

// The conversion of the ready-made systems to text, the coverage of a
// reduced system, the grouping of a system's columns and the column editor
// on a real reduced system of 16 numbers.
bool StrumentiColonne(const QDir& destinazione) {
    Principale p;
    const QString matrici = QString::fromStdString(
        ludo::io::resolvePath(p.sistema.Cartella(), std::string(ludo::io::kMatrici)).string());
    TFrmConverte conversione(p.sistema.Cartella());
    conversione.findChild<TGListaCartelle*>(QStringLiteral("CartelleS"))->setCartella(matrici);
    auto* files = conversione.findChild<QListWidget*>(QStringLiteral("ListaFiles"));
    for (int i = 0; i < files->count(); i += 3) files->item(i)->setSelected(true);
    if (!Foto(conversione, destinazione, "conversione.png")) return false;

    TFrmOperazioni operazioni(p.sistema.Cartella());
    operazioni.findChild<QRadioButton*>(QStringLiteral("RBN1"))->setChecked(true);
    operazioni.findChild<QLineEdit*>(QStringLiteral("EditFile1"))
        ->setText(matrici + QStringLiteral("/16F0R1.col"));
    operazioni.findChild<QLineEdit*>(QStringLiteral("EditFile2"))
        ->setText(QStringLiteral("Sviluppo16.Col"));
    operazioni.findChild<QLineEdit*>(QStringLiteral("EditOutput"))
        ->setText(QStringLiteral("Scoperte.Col"));
    if (!Foto(operazioni, destinazione, "operazioni.png")) return false;

    ludo::Espandi(p.sistema.Dati->Colonne, 0x3FFu, true);
    ludo::Espandi(p.sistema.Dati->Colonne, 0x7FC00u, false);
    p.sistema.Dati->Colonne.Aggiungi(0xFF00000u);
    p.sistema.Dati->Pronostico = 0xFFFFFFFu;
    TFrmAccorpa accorpa(p.sistema);
    accorpa.show();
    QElapsedTimer attesa;
    attesa.start();
    while (accorpa.InCorso() || attesa.elapsed() < 200)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!Foto(accorpa, destinazione, "accorpa.png")) return false;

    TFormEditorColonnare editor(p.sistema);
    editor.Carica(matrici + QStringLiteral("/16F0R1.col"));
    return Foto(editor, destinazione, "editor-colonne.png");
}

// The dictation of 13 columns at the eleventh number of the first slip.
bool Dettatura(const QDir& destinazione) {
    Principale p;
    TFrmDettSche finestra(ColonneDiEsempio(13), ludo::PercorsoFileVocale(p.sistema.Cartella()));
    finestra.show();
    finestra.findChild<QPushButton*>(QStringLiteral("PlayBtn"))->click();
    for (int i = 0; i < 11; ++i)
        QMetaObject::invokeMethod(finestra.findChild<QTimer*>(), "timeout");
    finestra.findChild<QPushButton*>(QStringLiteral("PausaBtn"))->click();
    return Foto(finestra, destinazione, "dettatura.png");
}

// The checking windows on the typical system developed, against the winning
// column of the last contest of the demonstration archive; the historical
// check also exported as a spreadsheet (istantanee --stampe converts it).
bool FinestreSpoglio(const QDir& destinazione) {
    Principale p;
    SistemaDiEsempio(p.sistema);
    auto& d = *p.sistema.Dati;
    ludo::InterfacciaSviluppo nessunaFinestra;
    p.sistema.AdottaSviluppo(ludo::Sviluppa(p.sistema, nessunaFinestra).Risultato);
    const ludo::T_Concorso& ultimo = d.Archivio.Concorsi().back();
    TFrmVisualizzaColonne vista(d.Colonne);
    if (!Foto(vista, destinazione, "visualizza-colonne.png")) return false;

    TFrmSpoglio spoglio(p.sistema, d.Colonne);
    spoglio.ImpostaVincente(ultimo.Vincente);
    if (!Foto(spoglio, destinazione, "spoglio.png")) return false;
    TFrmSchedineVincenti vincenti(d.Colonne, ultimo.Vincente, spoglio.Punti());
    if (!Foto(vincenti, destinazione, "schedine-vincenti.png")) return false;

    ludo::GolSchedina gol{};
    const int risultati[][3] = {{3, 2, 1},  {7, 1, 2},  {12, 3, 0},
                                {20, 0, 4}, {25, 2, 2}, {9, 1, 0}};
    for (const auto& r : risultati) gol[static_cast<std::size_t>(r[0] - 1)] = {r[1], r[2]};
    ludo::CaricaSchedina(d.Coupon,
                         ludo::io::resolvePath(p.sistema.Cartella(), ludo::NomeUltimaSchedina));
    TFrmGoalDopoGoal goal(d.Coupon, gol);
    if (!Foto(goal, destinazione, "goal-dopo-goal.png")) return false;

    TFrmSpoglioStorico storico(d.Archivio, d.Config.Ricerca.Intervallo, p.sistema.Cartella(),
                               d.Colonne);
    if (!storico.Analizza() || !Foto(storico, destinazione, "spoglio-storico.png")) return false;
    if (!ScriviFoglioXlsx(
            ludo::FoglioSpoglioStorico(storico.Esito()),
            destinazione.filePath(QStringLiteral("spoglio-storico.xlsx")).toStdString()))
        return false;

    ludo::TArchivioGiocate giocate(ultimo.NumConcorso);
    giocate.AggiungiSchedina({*d.Colonne.begin(), *std::next(d.Colonne.begin()), 0, 0, 0, 0});
    giocate.AggiungiIntegrale(ultimo.Vincente | 0x3u);
    for (int i = 0; i < 9; ++i)
        giocate.AggiungiSistema(12, d.Colonne, {46000.0 + i, 0.4 + 0.05 * i});
    giocate.Spoglio(ultimo.Vincente);
    TFrmSpoglioGlobale globale(giocate, ultimo.NumConcorso);
    globale.findChild<TPronostico*>(QStringLiteral("Vincente1_16"))
        ->ImpostaColonna(ultimo.Vincente);
    globale.findChild<TPronostico*>(QStringLiteral("Vincente17_32"))
        ->ImpostaColonna(ultimo.Vincente);
    return Foto(globale, destinazione, "spoglio-globale.png");
}

// The download window in the middle of the team lists, taken from a real
// transfer from the tests' FTP server (the second list comes slowly), then
// cancelled.
bool Download(const QDir& destinazione) {
    ServerAggiornamento server(96 << 10);
    server.Servi("archivi/squadrb.txt", std::string(1 << 20, 'b'));
    QTemporaryDir cartella;
    TFormDownload finestra;
    bool salvata = false;
    QTimer attesa;
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        const auto* passo = finestra.findChild<QLabel*>(QStringLiteral("LabelPasso"));
        if (passo->text() != QStringLiteral("Passo 2 di 4") ||
            finestra.findChild<QProgressBar*>(QStringLiteral("Gauge"))->value() < 40)
            return;
        attesa.stop();
        salvata = finestra.grab().save(destinazione.filePath(QStringLiteral("aggiornamento.png")));
        finestra.findChild<QPushButton*>(QStringLiteral("AnnullaBtn"))->click();
    });
    attesa.start(10);
    const std::filesystem::path radice = cartella.path().toStdString();
    finestra.Aggiorna({ludo::TipoAggiornamento::Squadre, server.Url(), radice, radice});
    return salvata;
}

// ---- guarantees and the system report -----------------------------------

// The ready-made reduction of 16 numbers at guarantee 7 in memory, its
// guarantees computed with no error and with one.
bool Garanzie(const QDir& destinazione) {
    Principale p;
    auto& d = *p.sistema.Dati;
    const auto matrice =
        ludo::io::resolvePath(p.sistema.Cartella(), std::string(ludo::io::kMatrici)) / "16F0R1.col";
    if (!ludo::LeggiFile(d.Colonne, matrice, true)) return false;
    d.Pronostico = 0xFFFFu;
    TFrmCalcGaranzie finestra(p.sistema);
    finestra.findChild<QCheckBox*>(QStringLiteral("CBErrori1"))->setChecked(true);
    finestra.show();
    finestra.findChild<QPushButton*>(QStringLiteral("CalcolaBtn"))->click();
    QElapsedTimer attesa;
    attesa.start();
    while (finestra.InCorso() || attesa.elapsed() < 200)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return Foto(finestra, destinazione, "garanzie.png");
}

// The sample system shared by three friends, each named.
void SistemaTraAmici(ludo::T_Sistema& sistema) {
    SistemaDiEsempio(sistema);
    const auto schedine =
        ludo::io::resolvePath(sistema.Cartella(), std::string(ludo::io::kSchedine));
    ludo::CaricaSchedina(sistema.Dati->Coupon, schedine / "ultimasch.gsc");
    sistema.NumeroPartecipanti = 3;
    sistema.SpecificaNomi = true;
    sistema.NomiPartecipanti = {"Anna Bianchi", "Bruno Rossi", "Carla Verdi"};
    sistema.Commento = {
        "Sistema condizionato della settimana: quota di ciascuno un terzo del costo."};
}

bool DialogoProspetto(const QDir& destinazione) {
    Principale p;
    SistemaTraAmici(p.sistema);
    TFormStampaProspetto dialogo(p.sistema);
    return Foto(dialogo, destinazione, "stampa-prospetto.png");
}

// The report of the sample system, one copy per participant, on A4.
bool StampaProspettoDiEsempio(const QDir& destinazione) {
    ludo::T_Sistema sistema(CartellaDelleFoto());
    SistemaTraAmici(sistema);
    const ludo::OpzioniProspetto opzioni;
    return Pdf(destinazione.filePath(QStringLiteral("prospetto.pdf")), QPageSize(QPageSize::A4),
               [&](SuperficieStampa& s) {
                   StampaProspetto(s, sistema, opzioni,
                                   QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
               });
}

// The sample system's board: the winning columns of the last three contests
// as filter columns, OR with a nested board of two conditions.
void QuadroDiEsempio(ludo::T_Sistema& sistema) {
    auto& quadro =
        static_cast<ludo::TQuadro&>(sistema.Dati->Condizioni.Condizione(ludo::CodQuadro));
    quadro.Nome = "Ultimi concorsi";
    const auto& concorsi = sistema.Dati->Archivio.Concorsi();
    ludo::TMisura punti{8, true};
    Accetta(punti, {2, 3, 4, 5});
    std::vector<ludo::Colonna> vincenti;
    for (std::size_t i = concorsi.size() - std::min<std::size_t>(3, concorsi.size());
         i < concorsi.size(); ++i)
        vincenti.push_back(concorsi[i].Vincente);
    quadro.InserisciColonneFiltro(vincenti, punti, false);
    auto& sotto = static_cast<ludo::TQuadro&>(*quadro.Inserisci(ludo::CodQuadro));
    sotto.Nome = "Equilibrio";
    sotto.Inserisci(ludo::CodPariDispari);
    sotto.Inserisci(ludo::CodSimmetrie);
    quadro.ApplicaRelazione(ludo::RelazioneOr);
}

// The board with its nested board and its tree, the recovery limits, and
// the analysis of the columns the recoveries refused in a development.
bool QuadroERecuperi(const QDir& destinazione) {
    Principale p;
    SistemaDiEsempio(p.sistema);
    QuadroDiEsempio(p.sistema);
    auto& quadro =
        static_cast<ludo::TQuadro&>(p.sistema.Dati->Condizioni.Condizione(ludo::CodQuadro));
    TFrmQuadro finestra(quadro);
    finestra.findChild<QPushButton*>(QStringLiteral("AlberoBtn"))->click();
    if (!Foto(finestra, destinazione, "quadro.png") ||
        !Foto(*finestra.Albero(), destinazione, "albero-condizioni.png"))
        return false;
    auto& link = p.sistema.Dati->Link;
    Accetta(link.Lettera('A')->ErroriAmmessiNellaLink, {0, 1});
    ludo::InterfacciaSviluppo nessunaFinestra;
    ludo::Sviluppa(p.sistema, nessunaFinestra);
    TFrmRecuperi recuperi(p.sistema);
    TFrmRecAna analisi(link, 'A');
    return Foto(recuperi, destinazione, "recupero-condizioni.png") &&
           Foto(analisi, destinazione, "analisi-colonne-filtrate.png");
}

// A betting shop in a scratch program folder: the library of ready-made
// systems, the shop's lines and the plays of contest 12.
struct Ricevitoria {
    Ricevitoria() : sistema(PreparaCartella(cartella)) {
        auto& d = *sistema.Dati;
        d.Coupon.Concorso = 12;
        d.Config.DatiRicevitoria = {"Ricevitoria del Corso", "Corso Vittorio 12", "10123 Torino",
                                    "Tel. 011 555 1234"};
        ludo::TArchivioGiocate giocate(12);
        giocate.AggiungiSchedina({0xFFU, 0xFF00U, 0, 0, 0, 0});
        giocate.AggiungiIntegrale(0x3FFU << 4);
        for (const char* nome : {"20F0B1.col", "12F1R1.col", "15F0B1.col"}) {
            const auto s = RidottoDiEsempio(nome);
            giocate.AggiungiSistema(s.numeri, s.colonne,
                                    {46363.0 + 0.01 * s.numeri, 0.4 + 0.01 * s.numeri});
        }
        giocate.Salva(sistema.Cartella());
    }
    static std::filesystem::path PreparaCartella(const QTemporaryDir& dir) {
        const std::filesystem::path radice = CartellaVuota(dir);
        std::filesystem::copy(LUDO_DATA_DIR "/Matrici", radice / "Matrici",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        return radice;
    }
    // A library matrix applied to the first numbers of the coupon.
    [[nodiscard]] ludo::SistemaDaStampare RidottoDiEsempio(const std::string& nome) const {
        const auto elenco = ludo::ElencoMatrici(sistema.Cartella());
        const auto& info = elenco[*ludo::TrovaMatrice(elenco, nome)];
        ludo::ListaColonne matrice;
        ludo::LeggiFile(matrice, sistema.Cartella() / "Matrici" / nome, false);
        ludo::TCombinazione numeri;
        numeri.DaMaschera((ludo::Colonna{1} << info.numeri) - 1);
        return ludo::PreparaRidottoImmediato(matrice, info, numeri, info.fisse > 0 ? 1U : 0U,
                                             "Rossi", CedolinaDelSistema(sistema, true));
    }
    QTemporaryDir cartella;
    ludo::T_Sistema sistema;
};

// The shop's windows, "Ridotti Immediati" with a customer's numbers typed.
bool FinestreRicevitoria(const QDir& destinazione) {
    Ricevitoria r;
    TFormDatiRicevitoria dati(r.sistema.Dati->Config, r.sistema.Cartella());
    TFrmRidottiImmediati ridotti(r.sistema);
    const auto& elenco = ridotti.Matrici();
    ridotti.SelezionaMatrice(static_cast<int>(*ludo::TrovaMatrice(elenco, "12F1R1.col")));
    const int numeri[] = {7, 1, 3, 5, 9, 11, 13, 15, 20, 22, 24, 30};
    const auto& caselle = ridotti.findChild<TGCasSelector*>(QStringLiteral("Selettore"))->Caselle();
    for (int i = 0; i < caselle.size(); ++i) caselle[i]->ImpostaNumero(numeri[i]);
    ridotti.findChild<QLineEdit*>(QStringLiteral("EditNome"))->setText(QStringLiteral("Rossi"));
    TFormGeneraSchedine schedine(r.sistema);
    TFrmSistAutomatici sistemi(r.sistema);
    TFormVisGiocate giocate(r.sistema);
    // In the program "Spoglio" opens the check of the contest's plays; the
    // picture only needs the button as the user sees it.
    giocate.ImpostaSpoglio([](ludo::TArchivioGiocate&) {});
    return Foto(dati, destinazione, "dati-ricevitoria.png") &&
           Foto(ridotti, destinazione, "ridotti-immediati.png") &&
           Foto(schedine, destinazione, "generazione-schedine.png") &&
           Foto(sistemi, destinazione, "sistemi-automatici.png") &&
           Foto(giocate, destinazione, "archivio-giocate.png");
}

// The receipt and the slips of a ready-made reduced system and of an
// automatic reduced system, fed across.
bool StampeRicevitoria(const QDir& destinazione) {
    Ricevitoria r;
    // Wide enough for the receipt's lines, which run past the slip's boxes.
    const QPageSize schedina(QSizeF(170, 190), QPageSize::Millimeter, QStringLiteral("Schedina"));
    OpzioniStampa opzioni;
    opzioni.cedolina = true;
    const auto stampa = [&](const ludo::SistemaDaStampare& s, const char* nome) {
        auto lavoro = LavoroConCedolina(s, "Esempio");
        lavoro.UltimaSchedina =
            ludo::NumeroSchedine(lavoro.NumColonne(), opzioni.colonnePerSchedina);
        return Pdf(destinazione.filePath(QString::fromLatin1(nome)), schedina,
                   [&](SuperficieStampa& superficie) {
                       StampaSchedine(superficie, lavoro, r.sistema.Dati->Config, opzioni);
                   });
    };
    ludo::TGenColonneCasuali generatore(2026);
    ludo::ImpostaTecnica(generatore, ludo::Tecnica::Casuale, false, {});
    const auto automatico = ludo::PreparaSistemaAutomatico(
        r.sistema.Cartella(), generatore, {10, 1, 6, 3}, CedolinaDelSistema(r.sistema, true));
    return stampa(r.RidottoDiEsempio("12F1R1.col"), "ricevitoria-ridotto-immediato.pdf") &&
           stampa(automatico, "ricevitoria-sistema-automatico.pdf");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    InstallaTraduzioneQt();
    const bool conStampe =
        argc == 4 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--stampe");
    if (argc != 2 && !conStampe) {
        std::cerr << "Uso: istantanee CARTELLA_DESTINAZIONE [--stampe CARTELLA_PDF]\n";
        return 2;
    }
    const QDir destinazione(QString::fromLocal8Bit(argv[1]));
    if (conStampe) {
        const QDir stampe(QString::fromLocal8Bit(argv[3]));
        if (!Stampe(stampe) || !StampaArchivioDiEsempio(stampe) ||
            !StampaProspettoDiEsempio(stampe) || !StampeRicevitoria(stampe))
            return 1;
    }
    return Sviluppo(destinazione) && ImpostazioniSviluppo(destinazione) &&
                   AnalisiCondizione(destinazione) && StatisticheSistemaENumeri(destinazione) &&
                   Principali(destinazione) && SelezioneSquadre(destinazione) &&
                   Taratura(destinazione) && AnteprimaTabulato(destinazione) &&
                   DialoghiStampa(destinazione) && GuidaStampa(destinazione) &&
                   GuidaSommario(destinazione) &&
                   EditoriCondizioni(destinazione) && EditoriCondizioniSchema(destinazione) &&
                   FinestreArchivio(destinazione) && StrumentiColonne(destinazione) &&
                   FinestreSpoglio(destinazione) && Dettatura(destinazione) &&
                   Download(destinazione) && QuadroERecuperi(destinazione) &&
                   Garanzie(destinazione) && DialogoProspetto(destinazione) &&
                   FinestreRicevitoria(destinazione)
               ? 0
               : 1;
}
