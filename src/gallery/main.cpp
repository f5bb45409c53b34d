// ludomatic-gallery: the shared controls of the program, filled with
// sample data, in one window.
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/TALabel.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGBarrePunti.h"
#include "ui/controls/TGCasSelector.h"
#include "ui/controls/TGEditColonna.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TGLegenda.h"
#include "ui/controls/TGPannelloCF.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/controls/TGVisColonne.h"
#include "ui/controls/TGestoreGrid.h"
#include "ui/controls/TPronosticoF.h"

namespace {

ludo::Colonna Numeri(std::initializer_list<int> numeri) {
    ludo::Colonna colonna = 0;
    for (const int n : numeri) colonna |= ludo::Colonna{1} << (n - 1);
    return colonna;
}

QGroupBox* Gruppo(const QString& titolo, QLayout* contenuto) {
    auto* gruppo = new QGroupBox(titolo);
    gruppo->setLayout(contenuto);
    return gruppo;
}

QLabel* Didascalia(const QString& testo) {
    auto* etichetta = new QLabel(testo);
    etichetta->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return etichetta;
}

QGroupBox* GruppoPronostico() {
    auto* primi = new TPronosticoF;
    primi->setUsaFisse(true);
    primi->setPronostico(static_cast<quint16>(Numeri({1, 3, 4, 7, 9, 12, 15})));
    primi->setFisse(static_cast<quint16>(Numeri({4, 9})));
    auto* secondi = new TPronosticoF;
    secondi->setTipo(TPronostico::tp17_32);
    secondi->setUsaFisse(true);
    secondi->ImpostaColonna(Numeri({18, 21, 26, 30, 31}));
    auto* righe = new QGridLayout;
    righe->addWidget(Didascalia(QStringLiteral("Partite 1-16")), 0, 0);
    righe->addWidget(primi, 0, 1);
    righe->addWidget(Didascalia(QStringLiteral("Partite 17-32")), 1, 0);
    righe->addWidget(secondi, 1, 1);
    righe->setColumnStretch(2, 1);
    righe->setRowStretch(2, 1);
    return Gruppo(QStringLiteral("Pronostico"), righe);
}

QGroupBox* GruppoSelettore() {
    auto* selettore = new TGCasSelector;
    selettore->setNumFisse(3);
    selettore->setTestoFisse(QStringLiteral("Fisse"));
    selettore->setTotaleNumeri(12);
    selettore->setNumeriPerRiga(6);
    QFont fisse = selettore->font();
    fisse.setBold(true);
    selettore->setFontFisse(fisse);
    selettore->ImpostaNumeri(Numeri({3, 8, 11, 14, 17, 20, 23, 25, 28, 30}));
    auto* leggi = new QPushButton(QStringLiteral("Leggi i Numeri"));
    QObject::connect(leggi, &QPushButton::clicked, selettore, [selettore] {
        ludo::Colonna colonna = 0;
        if (selettore->LeggiNumeri(colonna))
            Informazione(QStringLiteral("Numeri letti: ") + QString::fromStdString(ludo::TestoColonna(colonna)));
    });
    auto* layout = new QVBoxLayout;
    layout->addWidget(selettore);
    layout->addWidget(leggi, 0, Qt::AlignLeft);
    layout->addStretch();
    return Gruppo(QStringLiteral("Selettore di Numeri"), layout);
}

TGGraphpt* ControlloPunti(const QString& titolo, int totali, int visibili, const ludo::TMisura& misura) {
    auto* punti = new TGGraphpt;
    punti->setTitolo(titolo);
    punti->setPtTotali(totali);
    punti->setPtVisibili(visibili);
    punti->CaricaMisura(misura);
    return punti;
}

QGroupBox* GruppoPunti() {
    ludo::TMisura pari(8, false);
    pari.Prima.Voci[3] = {ludo::Accettato, 1};
    pari.Prima.Voci[4] = {ludo::Accettato, 1};
    pari.Prima.Voci[2] = {ludo::InRecupero, 2};
    pari.Prima.Voci[5] = {ludo::InRecupero, 1};
    ludo::TMisura presenze(24, true);
    for (int v = 6; v <= 11; ++v) presenze.Prima.Voci[static_cast<std::size_t>(v)].Stato = ludo::Accettato;
    presenze.Prima.Voci[12] = {ludo::InRecupero, 3};
    presenze.Prima.Link = 'B';
    auto* scorrevole = ControlloPunti(QStringLiteral("Presenze"), 25, 9, presenze);
    scorrevole->setTipoCons(true);
    scorrevole->setTipoCampo(true);

    auto* layout = new QVBoxLayout;
    layout->addWidget(ControlloPunti(QStringLiteral("Numeri Pari"), 9, 9, pari));
    layout->addWidget(scorrevole);
    layout->addStretch();
    return Gruppo(QStringLiteral("Controllo Punti"), layout);
}

QGroupBox* GruppoSequela() {
    auto* verticale = new TPronostico;
    verticale->setVerticale(true);
    verticale->setSelColor(Qt::cyan);
    verticale->setPronostico(static_cast<quint16>(Numeri({2, 5, 6, 11, 16})));
    auto* editor = new TGEditColonna;
    editor->setContiguo(true);
    editor->ImpostaSequela({1, 3, 2, 2, 0, 0, 0, 0});
    auto* stato = new QLabel;
    const auto aggiorna = [editor, stato] {
        Sequela sequela{};
        stato->setText(editor->LeggiSequela(sequela) ? QStringLiteral("Valida") : QStringLiteral("Non contigua"));
    };
    QObject::connect(editor, &TGEditColonna::OnModificato, stato, aggiorna);
    aggiorna();
    auto* sequela = new QVBoxLayout;
    sequela->addWidget(editor, 0, Qt::AlignHCenter);
    sequela->addWidget(stato, 0, Qt::AlignHCenter);
    sequela->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addLayout(sequela);
    layout->addWidget(verticale, 0, Qt::AlignTop);
    return Gruppo(QStringLiteral("Sequela e Pronostico"), layout);
}

QGroupBox* GruppoIntervalli() {
    auto* gestore = new TGestoreGrid;
    gestore->ImpostaLimiti(36, 228, true);
    ludo::TIntervalli intervalli;
    intervalli.Intervalli[0] = {90, 118, ludo::Accettato, 0};
    intervalli.Intervalli[1] = {119, 140, ludo::Accettato, 0};
    intervalli.Intervalli[2] = {80, 89, ludo::InRecupero, 1};
    intervalli.Numero = 3;
    gestore->ScriviIntervalli(intervalli);
    auto* verifica = new QPushButton(QStringLiteral("Verifica"));
    QObject::connect(verifica, &QPushButton::clicked, gestore, [gestore] {
        ludo::TIntervalli letti;
        if (gestore->LeggiIntervalli(letti) && !gestore->AvvisaSeVuoto(letti))
            Informazione(QStringLiteral("Intervalli letti: %1").arg(letti.Numero));
    });
    auto* layout = new QVBoxLayout;
    layout->addWidget(gestore);
    layout->addWidget(verifica, 0, Qt::AlignLeft);
    return Gruppo(QStringLiteral("Somme - Intervalli"), layout);
}

QGroupBox* GruppoQuadro() {
    auto* layout = new QHBoxLayout;
    const struct {
        const char* testo;
        ludo::Colonna colonna;
    } membri[] = {{"Somme", 0},
                  {"Filtro", Numeri({2, 5, 9, 13, 18, 22, 27, 31})},
                  {"Resti", 0},
                  {"Integrale", Numeri({1, 4, 6, 9, 10, 15, 19, 23, 26, 32})},
                  {"Sequele", 0}};
    for (int i = 0; i < 5; ++i) {
        auto* pannello = new TGPannelloCF;
        pannello->setNumero(i + 1);
        pannello->setTesto(QString::fromUtf8(membri[i].testo));
        pannello->ImpostaColonna(membri[i].colonna);
        pannello->setTipo(membri[i].colonna != 0 ? 1 : 0);
        pannello->setSelezionato(i == 1);
        QObject::connect(pannello, &TGPannelloCF::Cliccato, pannello,
                         [pannello] { pannello->setSelezionato(!pannello->Selezionato()); });
        layout->addWidget(pannello);
    }
    layout->addStretch();
    return Gruppo(QStringLiteral("Quadro delle Condizioni"), layout);
}

QGroupBox* GruppoSchedine() {
    auto* prima = new TGVisColonne;
    prima->setNumero(1);
    prima->ImpostaColonne({Numeri({1, 3, 4, 7, 9, 12, 15, 18}), Numeri({1, 3, 4, 7, 9, 12, 15, 21}),
                           Numeri({3, 4, 7, 9, 12, 15, 18, 26}), Numeri({1, 4, 7, 9, 12, 15, 18, 30}),
                           Numeri({1, 3, 4, 9, 12, 15, 26, 31}), Numeri({4, 7, 9, 12, 15, 18, 21, 30})},
                          {false, true, false, false, true, false});
    auto* seconda = new TGVisColonne;
    seconda->setNumero(2);
    seconda->ImpostaColonne({Numeri({2, 5, 6, 8, 10, 11, 13, 16, 20, 24}), Numeri({1, 2, 3, 4, 5, 6, 7, 8})});
    seconda->Evidenzia(1, 4);
    auto* layout = new QHBoxLayout;
    layout->addWidget(prima, 0, Qt::AlignTop);
    layout->addWidget(seconda, 0, Qt::AlignTop);
    layout->addStretch();
    return Gruppo(QStringLiteral("Schedine"), layout);
}

QGroupBox* GruppoGrafici() {
    auto* torta = new TGTortaQuota;
    torta->ImpostaQuota(23.4);
    auto* barre = new TGBarrePunti;
    barre->ImpostaContatori({1, 9, 31, 42, 27, 10, 4, 1, 0});
    auto* legenda = new TGLegenda;
    legenda->setGapX(6);
    legenda->setGapOriz(16);
    legenda->ImpostaVoci({{QColor(0, 128, 0), QStringLiteral("Colonne Finali")},
                          {QColor(0, 0, 255), QStringLiteral("Colonne Filtrate")}});
    legenda->setNumPoint(2);
    auto* verticale = new TALabel(QStringLiteral("Frequenza"));
    verticale->setAngle(900);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(torta);
    sinistra->addWidget(legenda);
    auto* layout = new QHBoxLayout;
    layout->addLayout(sinistra);
    layout->addWidget(verticale);
    layout->addWidget(barre, 1);
    return Gruppo(QStringLiteral("Grafici"), layout);
}

void OperazioneDimostrativa(QWidget* finestra) {
    const int passi = EseguiOperazioneLunga(
        {QStringLiteral("Calcolo Colonne"), QStringLiteral("Sviluppo del sistema in corso..."), true, finestra},
        [](ludo::Avanzamento& avanzamento) {
            int fatti = 0;
            for (; fatti < 100 && !avanzamento.annullato(); ++fatti) {
                avanzamento.Fase("Colonne esaminate: " + std::to_string(fatti * 5));
                avanzamento.Progresso(fatti, 100);
                QThread::msleep(30);
            }
            return fatti;
        });
    Informazione(passi == 100 ? QStringLiteral("Calcolo completato.") : QStringLiteral("Calcolo interrotto."),
                 TFrmMessage::OK, finestra);
}

QGroupBox* GruppoFinestre(QWidget* finestra) {
    auto* informazione = new QPushButton(QStringLiteral("Informazione..."));
    informazione->setObjectName(QStringLiteral("BtnInformazione"));
    QObject::connect(informazione, &QPushButton::clicked, finestra, [finestra] {
        Informazione(QStringLiteral("Il file esiste già. Vuoi sovrascriverlo ? "), TFrmMessage::Si | TFrmMessage::No,
                     finestra);
    });
    auto* conferma = new QPushButton(QStringLiteral("Conferma..."));
    conferma->setObjectName(QStringLiteral("BtnConferma"));
    QObject::connect(conferma, &QPushButton::clicked, finestra, [finestra] {
        Conferma(QStringLiteral("Il Sistema non è Stato Salvato. Vuoi Salvarlo ? "),
                 TFrmMessage::Si | TFrmMessage::No | TFrmMessage::Annulla, finestra);
    });
    auto* lunga = new QPushButton(QStringLiteral("Operazione Lunga..."));
    lunga->setObjectName(QStringLiteral("BtnOperazione"));
    QObject::connect(lunga, &QPushButton::clicked, finestra, [finestra] { OperazioneDimostrativa(finestra); });
    auto* layout = new QVBoxLayout;
    layout->addWidget(informazione);
    layout->addWidget(conferma);
    layout->addWidget(lunga);
    layout->addStretch();
    return Gruppo(QStringLiteral("Finestre"), layout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludomatic"));

    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral(" Ludomatic 4.0 - Galleria dei Controlli"));
    auto* centro = new QWidget;
    auto* griglia = new QGridLayout(centro);
    griglia->addWidget(GruppoPronostico(), 0, 0);
    griglia->addWidget(GruppoSelettore(), 0, 1);
    griglia->addWidget(GruppoFinestre(&finestra), 0, 2);
    griglia->addWidget(GruppoPunti(), 1, 0);
    griglia->addWidget(GruppoSequela(), 1, 1, 2, 1);
    griglia->addWidget(GruppoIntervalli(), 1, 2, 2, 1);
    griglia->addWidget(GruppoQuadro(), 2, 0);
    griglia->addWidget(GruppoSchedine(), 3, 0);
    griglia->addWidget(GruppoGrafici(), 3, 1, 1, 2);
    finestra.setCentralWidget(centro);
    finestra.statusBar()->showMessage(QStringLiteral("Controlli condivisi con dati di esempio"));
    finestra.setGeometry(0, 0, 1280, 900);
    finestra.show();
    // "--premi BtnConferma" presses that button once the window is up, to
    // look at a dialog straight away.
    const QStringList argomenti = QApplication::arguments();
    const qsizetype premi = argomenti.indexOf(QStringLiteral("--premi"));
    if (premi > 0 && premi + 1 < argomenti.size()) {
        if (auto* pulsante = finestra.findChild<QPushButton*>(argomenti[premi + 1]))
            QTimer::singleShot(0, pulsante, &QPushButton::click);
    }
    return QApplication::exec();
}
