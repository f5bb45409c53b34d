// The menu bar and the tool bar of the main window.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ui/system/TFormPrincipa.h"
#include "ui_TFormPrincipa.h"

namespace {

// The condition editors in menu order, with the slot of the condition each edits.
struct VoceCondizione {
    const char* nome;
    const char* testo;
    int slot;
};
constexpr VoceCondizione VociCondizioni[] = {
    {"Somme", "&Somme", 10},
    {"ConsecutivitaNumerica", "Consecutività &Numerica", 16},
    {"NumeroSequenze", "Numero di Sequenze", 18},
    {"PariDispari", "&Pari e Dispari", 1},
    {"ConsecutivitaDifferenziata", "&Consecutività Differenziata", 3},
    {"DistanzeGlobali", "&Distanze Globali", 11},
    {"DistanzeSpecifiche", "Distanze S&pecifiche", 12},
    {"Posizioni", "Posizio&ni", 15},
    {"Resti", "&Resti", 14},
    {"Baricentri", "&Baricentri", 13},
    {"Interruzioni", "&Interruzioni", 2},
    {"Simmetrie", "Si&mmetrie", 4},
    {"Vortice", "&Vortice", 6},
    {"FormuleDerivate", "&Formule Derivate", 8},
    {"Ripetizioni", "&Ripetizioni", 7},
    {"Picchetti", "Picc&hetti", 9},
    {"Sequele", "Se&quele", 5},
    {"ColonneFiltro", "Colonne Filtro", 17},
};

}  // namespace

QAction* TFormPrincipa::Azione(QMenu* menu, const QString& nome, const QString& testo,
                               const QKeySequence& tasto) {
    auto* azione = menu->addAction(testo);
    azione->setObjectName(nome);
    azione->setShortcut(tasto);
    // Commands whose window is not part of the program yet stay disabled.
    azione->setEnabled(false);
    comandi_.insert(nome, azione);
    return azione;
}

void TFormPrincipa::Collega(const QString& nome, void (TFormPrincipa::*metodo)()) {
    QAction* azione = Comando(nome);
    azione->setEnabled(true);
    connect(azione, &QAction::triggered, this, metodo);
}

void TFormPrincipa::CreaMenu() {
    CreaMenuSistemi();
    CreaMenuCondizioni();
    CreaMenuElaborazione();
    CreaMenuColonne();
    CreaMenuAltri();
}

void TFormPrincipa::CreaMenuSistemi() {
    QMenu* m = ui->MainMenu->addMenu(QStringLiteral("&Sistemi"));
    m->setObjectName(QStringLiteral("Sistemi"));
    Azione(m, QStringLiteral("New1"), QStringLiteral("&Nuovo"));
    Azione(m, QStringLiteral("Carica"), QStringLiteral("&Carica..."), Qt::Key_F3);
    Azione(m, QStringLiteral("Save1"), QStringLiteral("&Salva"), Qt::Key_F2);
    Azione(m, QStringLiteral("SalvaCome"), QStringLiteral("Salva Co&me..."));
    Azione(m, QStringLiteral("Cancella"), QStringLiteral("Cance&lla"));
    m->addSeparator();
    Azione(m, QStringLiteral("Commento"), QStringLiteral("C&ommento"));
    Azione(m, QStringLiteral("Partecipanti"), QStringLiteral("Partecipanti"));
    m->addSeparator();
    Azione(m, QStringLiteral("CaricaSchedina"), QStringLiteral("Carica Schedina"));
    Azione(m, QStringLiteral("SalvaSchedina"), QStringLiteral("Salva Schedina"));
    m->addSeparator();
    Azione(m, QStringLiteral("Uscita"), QStringLiteral("Uscita"));
    // Beside the function keys, the keys every desktop program uses.
    Comando(QStringLiteral("Carica"))->setShortcuts({QKeySequence(Qt::Key_F3), QKeySequence::Open});
    Comando(QStringLiteral("Save1"))->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence::Save});
    Collega(QStringLiteral("New1"), &TFormPrincipa::NuovoClick);
    Collega(QStringLiteral("Carica"), &TFormPrincipa::CaricaClick);
    Collega(QStringLiteral("Save1"), &TFormPrincipa::SalvaClick);
    Collega(QStringLiteral("SalvaCome"), &TFormPrincipa::SalvaComeClick);
    Collega(QStringLiteral("Cancella"), &TFormPrincipa::CancellaClick);
    Collega(QStringLiteral("Commento"), &TFormPrincipa::CommentoClick);
    Collega(QStringLiteral("Partecipanti"), &TFormPrincipa::PartecipantiClick);
    Collega(QStringLiteral("CaricaSchedina"), &TFormPrincipa::CaricaSchedinaClick);
    Collega(QStringLiteral("SalvaSchedina"), &TFormPrincipa::SalvaSchedinaClick);
    Collega(QStringLiteral("Uscita"), &TFormPrincipa::UscitaClick);
}

void TFormPrincipa::CreaMenuCondizioni() {
    menuCondizioni_ = ui->MainMenu->addMenu(QStringLiteral("&Condizioni"));
    menuCondizioni_->setObjectName(QStringLiteral("Condizioni"));
    for (const auto& v : VociCondizioni) {
        QAction* a =
            Azione(menuCondizioni_, QString::fromLatin1(v.nome), QString::fromUtf8(v.testo));
        a->setCheckable(true);
        a->setData(v.slot);
    }
    Comando(QStringLiteral("ColonneFiltro"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    menuCondizioni_->addSeparator();
    Azione(menuCondizioni_, QStringLiteral("Quadri"), QStringLiteral("Q&uadri"),
           QKeySequence(Qt::CTRL | Qt::Key_Q))
        ->setData(19);
    Azione(menuCondizioni_, QStringLiteral("Link"), QStringLiteral("&Link"),
           QKeySequence(Qt::CTRL | Qt::Key_L));
    Azione(menuCondizioni_, QStringLiteral("PuntiTra"), QStringLiteral("Punti &Tra"),
           QKeySequence(Qt::CTRL | Qt::Key_T))
        ->setData(20);
    for (const char* nome : {"Quadri", "PuntiTra"})
        Comando(QString::fromLatin1(nome))->setCheckable(true);
    Collega(QStringLiteral("Link"), &TFormPrincipa::LinkClick);
    connect(menuCondizioni_, &QMenu::aboutToShow, this, &TFormPrincipa::CondizioniAperto);
    CollegaCondizioni();
}

void TFormPrincipa::CreaMenuElaborazione() {
    QMenu* m = ui->MainMenu->addMenu(QStringLiteral("&Elaborazione"));
    m->setObjectName(QStringLiteral("Elaborazione"));
    Azione(m, QStringLiteral("Impostazioni"), QStringLiteral("&Impostazioni"), Qt::Key_F7);
    Azione(m, QStringLiteral("CalcoloColonne"), QStringLiteral("&Calcolo Colonne"), Qt::Key_F5);
    m->addSeparator();
    Azione(m, QStringLiteral("AnalisiStatistica"), QStringLiteral("Analisi &Statistica"),
           Qt::Key_F9);
    Azione(m, QStringLiteral("PronosticoStatistico"), QStringLiteral("&Pronostico Statistico"));
    Azione(m, QStringLiteral("AnalisiGruppi"), QStringLiteral("Analisi Gruppi di Numeri"));
    Azione(m, QStringLiteral("CalcoloGaranzie"), QStringLiteral("Calcolo Garanzie"));
    Azione(m, QStringLiteral("CercaFisse"), QStringLiteral("Cerca Fisse"))->setVisible(false);
    Collega(QStringLiteral("Impostazioni"), &TFormPrincipa::ImpostazioniSviluppoClick);
    Collega(QStringLiteral("CalcoloColonne"), &TFormPrincipa::CalcoloColonneClick);
    Collega(QStringLiteral("CalcoloGaranzie"), &TFormPrincipa::CalcoloGaranzieClick);
    Collega(QStringLiteral("AnalisiStatistica"), &TFormPrincipa::AnalisiStatisticaClick);
    Collega(QStringLiteral("PronosticoStatistico"), &TFormPrincipa::PronosticoStatisticoClick);
    Collega(QStringLiteral("AnalisiGruppi"), &TFormPrincipa::AnalisiGruppiClick);
    Collega(QStringLiteral("CercaFisse"), &TFormPrincipa::CercaFisseClick);
}

void TFormPrincipa::CreaMenuColonne() {
    QMenu* m = ui->MainMenu->addMenu(QStringLiteral("Co&lonne"));
    m->setObjectName(QStringLiteral("Colonne"));
    auto sottomenu = [&](const QString& nome, const QString& testo, const QString& memoria,
                         const QString& file) {
        QMenu* s = m->addMenu(testo);
        s->setObjectName(nome);
        Azione(s, nome + QStringLiteral("Memoria"), memoria);
        Azione(s, nome + QStringLiteral("File"), file);
    };
    sottomenu(QStringLiteral("Visualizza"), QStringLiteral("&Visualizza"),
              QStringLiteral("Da &Memoria"), QStringLiteral("Da &File"));
    sottomenu(QStringLiteral("Dettatura"), QStringLiteral("&Dettatura a Voce"),
              QStringLiteral("Da &Memoria"), QStringLiteral("Da &File"));
    sottomenu(QStringLiteral("Spoglio"), QStringLiteral("&Spoglio"), QStringLiteral("Da &Memoria"),
              QStringLiteral("Da &File"));
    sottomenu(QStringLiteral("SpoglioStorico"), QStringLiteral("Spoglio Storico"),
              QStringLiteral("Da Memoria"), QStringLiteral("Da File"));
    Azione(m, QStringLiteral("SalvaSuDisco"), QStringLiteral("Salva su Disco"));
    m->addSeparator();
    Azione(m, QStringLiteral("ConversioneFormati"), QStringLiteral("Conversione Formati"));
    Azione(m, QStringLiteral("Operazioni"), QStringLiteral("&Operazioni"));
    Azione(m, QStringLiteral("Accorpa"), QStringLiteral("&Accorpa"));
    Azione(m, QStringLiteral("EditorColonne"), QStringLiteral("Editor di Colonne"));
    Collega(QStringLiteral("VisualizzaMemoria"), &TFormPrincipa::VisualizzaMemoriaClick);
    Collega(QStringLiteral("VisualizzaFile"), &TFormPrincipa::VisualizzaFileClick);
    Collega(QStringLiteral("SpoglioMemoria"), &TFormPrincipa::SpoglioMemoriaClick);
    Collega(QStringLiteral("SpoglioFile"), &TFormPrincipa::SpoglioFileClick);
    Collega(QStringLiteral("SpoglioStoricoMemoria"), &TFormPrincipa::SpoglioStoricoMemoriaClick);
    Collega(QStringLiteral("SpoglioStoricoFile"), &TFormPrincipa::SpoglioStoricoFileClick);
    Collega(QStringLiteral("SalvaSuDisco"), &TFormPrincipa::SalvaSuDiscoClick);
    Collega(QStringLiteral("DettaturaMemoria"), &TFormPrincipa::DettaturaMemoriaClick);
    Collega(QStringLiteral("DettaturaFile"), &TFormPrincipa::DettaturaFileClick);
    Collega(QStringLiteral("ConversioneFormati"), &TFormPrincipa::ConversioneFormatiClick);
    Collega(QStringLiteral("Operazioni"), &TFormPrincipa::OperazioniClick);
    Collega(QStringLiteral("Accorpa"), &TFormPrincipa::AccorpaClick);
    Collega(QStringLiteral("EditorColonne"), &TFormPrincipa::EditorColonneClick);
}

void TFormPrincipa::CreaMenuAltri() {
    QMenu* archivio = ui->MainMenu->addMenu(QStringLiteral("&Archivio"));
    archivio->setObjectName(QStringLiteral("MenuArchivio"));
    Azione(archivio, QStringLiteral("AggiornamentoArchivio"), QStringLiteral("&Aggiornamento"));
    Azione(archivio, QStringLiteral("Visualizzazione"), QStringLiteral("&Visualizzazione"));
    Azione(archivio, QStringLiteral("ImpostazioniRicerca"),
           QStringLiteral("&Impostazioni di Ricerca"), QKeySequence(Qt::CTRL | Qt::Key_R));
    Collega(QStringLiteral("AggiornamentoArchivio"), &TFormPrincipa::AggiornamentoArchivioClick);
    Collega(QStringLiteral("Visualizzazione"), &TFormPrincipa::VisualizzazioneArchivioClick);
    Collega(QStringLiteral("ImpostazioniRicerca"), &TFormPrincipa::ImpostazioniRicercaClick);

    QMenu* internet = ui->MainMenu->addMenu(QStringLiteral("Internet"));
    internet->setObjectName(QStringLiteral("Internet"));
    Azione(internet, QStringLiteral("AggiornamentoSchedina"),
           QStringLiteral("Aggiornamento Schedina"));
    Azione(internet, QStringLiteral("AggiornamentoArchivi"),
           QStringLiteral("Aggiornamento Archivi"));
    Azione(internet, QStringLiteral("AggiornamentoSquadre"),
           QStringLiteral("Aggiornamento Lista Squadre"));
    Azione(internet, QStringLiteral("AggiornamentoLudomatic"),
           QStringLiteral("Aggiornamento di Ludomatic"));
    Collega(QStringLiteral("AggiornamentoSchedina"), &TFormPrincipa::AggiornamentoSchedinaClick);
    Collega(QStringLiteral("AggiornamentoArchivi"), &TFormPrincipa::AggiornamentoArchiviClick);
    Collega(QStringLiteral("AggiornamentoSquadre"), &TFormPrincipa::AggiornamentoSquadreClick);
    Collega(QStringLiteral("AggiornamentoLudomatic"), &TFormPrincipa::AggiornamentoLudomaticClick);

    QMenu* stampa = ui->MainMenu->addMenu(QStringLiteral("Stam&pa"));
    stampa->setObjectName(QStringLiteral("Stampa"));
    Azione(stampa, QStringLiteral("TaraturaStampante"), QStringLiteral("&Taratura Stampante"));
    QMenu* colonne = stampa->addMenu(QStringLiteral("Stampa Colonne"));
    colonne->setObjectName(QStringLiteral("StampaColonne"));
    Azione(colonne, QStringLiteral("StampaMemoria"), QStringLiteral("Da Memoria"), Qt::Key_F8);
    Azione(colonne, QStringLiteral("StampaFile"), QStringLiteral("Da File "));
    Azione(stampa, QStringLiteral("StampaProspetto"), QStringLiteral("Stampa &Prospetto"));
    Azione(stampa, QStringLiteral("ImpostaStampante"), QStringLiteral("Imposta Stampante"));
    Collega(QStringLiteral("TaraturaStampante"), &TFormPrincipa::TaraturaClick);
    Collega(QStringLiteral("StampaMemoria"), &TFormPrincipa::StampaMemoriaClick);
    Collega(QStringLiteral("StampaFile"), &TFormPrincipa::StampaFileClick);
    Collega(QStringLiteral("StampaProspetto"), &TFormPrincipa::StampaProspettoClick);
    Collega(QStringLiteral("ImpostaStampante"), &TFormPrincipa::ImpostaStampanteClick);

    QMenu* ricevitoria = ui->MainMenu->addMenu(QStringLiteral("Ricevitoria"));
    ricevitoria->setObjectName(QStringLiteral("Ricevitoria"));
    Azione(ricevitoria, QStringLiteral("RidottiImmediati"), QStringLiteral("Ridotti Immediati"),
           Qt::Key_F4);
    Azione(ricevitoria, QStringLiteral("SchedineAutomatiche"),
           QStringLiteral("Schedine Automatiche"), Qt::Key_F6);
    Azione(ricevitoria, QStringLiteral("SistemiAutomatici"), QStringLiteral("Sistemi Automatici"));
    Azione(ricevitoria, QStringLiteral("DatiRicevitoria"), QStringLiteral("Dati Ricevitoria"));
    ricevitoria->addSeparator();
    Azione(ricevitoria, QStringLiteral("ArchivioGiocate"), QStringLiteral("Archivio Giocate"));
    Collega(QStringLiteral("RidottiImmediati"), &TFormPrincipa::RidottiImmediatiClick);
    Collega(QStringLiteral("SchedineAutomatiche"), &TFormPrincipa::SchedineAutomaticheClick);
    Collega(QStringLiteral("SistemiAutomatici"), &TFormPrincipa::SistemiAutomaticiClick);
    Collega(QStringLiteral("DatiRicevitoria"), &TFormPrincipa::DatiRicevitoriaClick);
    Collega(QStringLiteral("ArchivioGiocate"), &TFormPrincipa::ArchivioGiocateClick);

    QMenu* impostazioni = ui->MainMenu->addMenu(QStringLiteral("&Impostazioni"));
    impostazioni->setObjectName(QStringLiteral("MenuImpostazioni"));
    // Ctrl+L also opens the links; whichever command is enabled takes it.
    Azione(impostazioni, QStringLiteral("ListaSquadre"), QStringLiteral("&Lista Squadre"),
           QKeySequence(Qt::CTRL | Qt::Key_L));
    Azione(impostazioni, QStringLiteral("Varie"), QStringLiteral("&Varie"));
    Collega(QStringLiteral("ListaSquadre"), &TFormPrincipa::ListaSquadreClick);
    Collega(QStringLiteral("Varie"), &TFormPrincipa::VarieClick);

    QMenu* help = ui->MainMenu->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    Azione(help, QStringLiteral("Sommario"), QStringLiteral("&Sommario"),
           QKeySequence::HelpContents);
    Azione(help, QStringLiteral("About"), QStringLiteral("&About"));
    Collega(QStringLiteral("Sommario"), &TFormPrincipa::SommarioClick);
    Collega(QStringLiteral("About"), &TFormPrincipa::AboutClick);
}

void TFormPrincipa::CreaToolBar() {
    struct Pulsante {
        const char* nome;
        const char* suggerimento;
        const char* comando;
        const char* icona;
    };
    static constexpr Pulsante pulsanti[] = {
        {"SpeedNuovo", "Nuovo Sistema", "New1", "nuovo"},
        {"SpeedCarica", "Carica Sistema", "Carica", "carica"},
        {"SpeedSalva", "Salva Sistema", "Save1", "salva"},
        {"SpeedCommento", "Commento", "Commento", "commento"},
        {"SpeedQuadri", "Quadri", "Quadri", "quadri"},
        {"SpeedSviluppa", "Sviluppo", "CalcoloColonne", "sviluppo"},
        {"SpeedVisualizza", "Visualizza Colonne", "VisualizzaMemoria", "visualizza"},
        {"SpeedSpoglio", "Spoglio", "SpoglioMemoria", "spoglio"},
        {"SpeedStampa", "Stampa Schedine e Tabulato", "StampaMemoria", "stampa"},
        {"SpeedProspetto", "Stampa Prospetto", "StampaProspetto", "prospetto"},
        {"SpeedSchedina", "Aggiornamento Schedina", "AggiornamentoSchedina", "schedina"},
        {"SpeedArchivi", "Aggiornamento Archivi", "AggiornamentoArchivi", "archivi"},
        {"SpeedHelp", "Help", "Sommario", "aiuto"},
        {"SpeedUscita", "Uscita", "Uscita", "uscita"},
    };
    for (const auto& p : pulsanti) {
        QAction* comando = Comando(QString::fromLatin1(p.comando));
        const QIcon icona(QStringLiteral(":/icone/%1.svg").arg(QString::fromLatin1(p.icona)));
        auto* pulsante = ui->ToolBar->addAction(icona, QString::fromUtf8(p.suggerimento));
        pulsante->setObjectName(QString::fromLatin1(p.nome));
        pulsante->setToolTip(QString::fromUtf8(p.suggerimento));
        pulsante->setEnabled(comando->isEnabled());
        // The menu shows the same picture beside the command.
        comando->setIcon(icona);
        // The button follows its command's enablement and runs it.
        connect(comando, &QAction::changed, pulsante,
                [comando, pulsante] { pulsante->setEnabled(comando->isEnabled()); });
        connect(pulsante, &QAction::triggered, comando, &QAction::trigger);
    }
}
