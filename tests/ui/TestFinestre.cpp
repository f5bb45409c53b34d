// What every window of the program owes its user, checked window by window:
// Tab reaches each control, each control has a name for assistive tools,
// the window fits a 1024 x 600 screen, F1 opens the guide at a page that
// exists, and the window opens again where it was left.
#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

#include "controls/ControlliDiProva.h"
#include "core/conditions/TGruppo.h"
#include "engine/SistemaDiProva.h"
#include "ui/archive/TFrmArchivio.h"
#include "ui/archive/TFrmConcorso.h"
#include "ui/archive/TFrmImpRicerca.h"
#include "ui/archive/TFrmStampaArchivio.h"
#include "ui/archive/TFrmVisArchivio.h"
#include "ui/checking/TFrmDettSche.h"
#include "ui/checking/TFrmGoalDopoGoal.h"
#include "ui/checking/TFrmSchedineVincenti.h"
#include "ui/checking/TFrmSpoglio.h"
#include "ui/checking/TFrmSpoglioGlobale.h"
#include "ui/checking/TFrmSpoglioStorico.h"
#include "ui/checking/TFrmVisualizzaColonne.h"
#include "ui/coltools/TFormEditorColonnare.h"
#include "ui/coltools/TFormSalta.h"
#include "ui/coltools/TFrmAccorpa.h"
#include "ui/coltools/TFrmConverte.h"
#include "ui/coltools/TFrmOperazioni.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/TFormInsArc_File.h"
#include "ui/conditions/TFormInsComb.h"
#include "ui/conditions/TFrmAlbero.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/conditions/TFrmRecAna.h"
#include "ui/conditions/TFrmRecuperi.h"
#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TFrmGuida.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TFrmProgresso.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/engine/TFrmCalcGaranzie.h"
#include "ui/engine/TFrmImpSv.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/printing/TFormImpostaTabulato.h"
#include "ui/printing/TFormStampaProspetto.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TFrmTaratura.h"
#include "ui/shop/TFormDatiRicevitoria.h"
#include "ui/shop/TFormGeneraSchedine.h"
#include "ui/shop/TFormOrientamento.h"
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
#include "ui/system/TFormEditSQ.h"
#include "ui/system/TFormListaSQ.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/system/TFrmCommento.h"
#include "ui/system/TFrmImpostazioni.h"
#include "ui/system/TFrmPartecipanti.h"
#include "ui/update/TFormDownload.h"

namespace {

// The small screen of a player's laptop, less the desktop's panel and the
// window's title bar.
constexpr int LarghezzaSchermo = 1024;
constexpr int AltezzaUtile = 600 - 64;

using Fabbrica = std::function<std::unique_ptr<QWidget>(SistemaDiProva&)>;

struct Voce {
    const char* nome;
    const char* pagina;  // of the guide; none for a window without one
    Fabbrica crea;
    bool ricorda = true;  // opens again where it was left
};

template <class T, class... A>
std::unique_ptr<QWidget> Crea(A&&... argomenti) {
    return std::make_unique<T>(std::forward<A>(argomenti)...);
}

// A window made of what the functions given take from the scratch system.
template <class T, class... Parte>
Fabbrica Di(Parte... parti) {
    return [=](SistemaDiProva& p) { return Crea<T>(parti(p)...); };
}
ludo::T_Sistema& Sistema(SistemaDiProva& p) { return *p.sistema; }
std::filesystem::path Cartella(const SistemaDiProva& p) { return p.Cartella(); }
decltype(auto) Config(const SistemaDiProva& p) { return (p.d().Config); }
decltype(auto) Intervallo(const SistemaDiProva& p) { return (p.d().Config.Ricerca.Intervallo); }

// The archive of two seasons the archive windows work on.
ludo::ArchivioConcorsi& Archivio(SistemaDiProva& p) {
    auto& a = p.d().Archivio;
    for (std::uint16_t anno : {2023, 2024}) {
        for (std::uint8_t n = 1; n <= 20; ++n)
            a.InserisciOrdinato({anno, n, ludo::SerieA, 0xFFu << (n % 24)});
    }
    ludo::IntervalloTuttoArchivio(p.d().Config.Ricerca.Intervallo, a);
    return a;
}

ludo::T_Sistema& SistemaConArchivio(SistemaDiProva& p) {
    Archivio(p);
    return *p.sistema;
}

AvanzamentoCondiviso& Avanzamento() {
    static AvanzamentoCondiviso avanzamento;
    return avanzamento;
}

// Thirteen columns of 1..9, for the windows that show slips.
const ludo::ListaColonne& ColonneDiProva() {
    static const ludo::ListaColonne colonne = [] {
        ludo::ListaColonne l;
        for (int i = 0; i < 13; ++i)
            l.Aggiungi(SistemaDiProva::Primi(9) & ~(ludo::Colonna{1} << (i % 9)));
        return l;
    }();
    return colonne;
}

// The plays of a contest with two reduced systems.
ludo::TArchivioGiocate& GiocateDiProva() {
    static ludo::TArchivioGiocate giocate = [] {
        ludo::TArchivioGiocate g(3);
        g.AggiungiSchedina({SistemaDiProva::Primi(8), 0, 0, 0, 0, 0});
        g.AggiungiSistema(10, ColonneDiProva());
        g.AggiungiSistema(9, ColonneDiProva());
        return g;
    }();
    return giocate;
}

// The editor of the system's condition of the slot; a group with two
// members, its navigation in use.
Fabbrica DiCondizione(int slot) {
    return [slot](SistemaDiProva& p) {
        auto& condizione = p.d().Condizioni.Condizione(slot);
        if (auto* gruppo = dynamic_cast<ludo::TGruppo*>(&condizione)) {
            gruppo->NuovoMembro();
            gruppo->NuovoMembro();
        }
        return CreaEditor(condizione, nullptr);
    };
}

// The editor of one member of a group alone, as a board opens it.
Fabbrica DiMembro(int slotGruppo) {
    return [slotGruppo](SistemaDiProva& p) {
        auto& gruppo = static_cast<ludo::TGruppo&>(p.d().Condizioni.Condizione(slotGruppo));
        return CreaEditor(gruppo.NuovoMembro(), nullptr);
    };
}

// The system's board with a filter column and a nested board.
ludo::TQuadro& Quadro(SistemaDiProva& p) {
    auto& quadro = static_cast<ludo::TQuadro&>(p.d().Condizioni.Condizione(ludo::CodQuadro));
    quadro.Inserisci(ludo::CodColonnaFiltro);
    static_cast<ludo::TQuadro*>(quadro.Inserisci(ludo::CodQuadro))->Inserisci(ludo::CodResti);
    return quadro;
}

// The shop's library of ready-made systems and one recorded play.
ludo::T_Sistema& Ricevitoria(SistemaDiProva& p) {
    std::filesystem::copy(LUDO_DATA_DIR "/Matrici", p.Cartella() / "Matrici",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    ludo::TArchivioGiocate giocate(p.d().Coupon.Concorso);
    giocate.AggiungiIntegrale(0x3FF);
    giocate.Salva(p.Cartella());
    return *p.sistema;
}

const std::vector<Voce>& Finestre() {
    static const std::vector<Voce> finestre = {
        {"Commento", "commento", Di<TFrmCommento>(Sistema)},
        {"Partecipanti", "partecipanti", Di<TFrmPartecipanti>(Sistema)},
        {"Impostazioni", "varie", Di<TFrmImpostazioni>(Config, Cartella)},
        {"Lista Squadre", "squadre",
         [](SistemaDiProva& p) {
             for (const auto serie : ludo::TutteLeSerie) {
                 std::ofstream(p.Cartella() / std::string(ludo::NomeFileSerie(serie)).substr(1))
                     << "Genoa\r\n";
             }
             return Crea<TFormListaSQ>(p.Cartella());
         }},
        {"Nome della squadra", "squadre", Di<TFormEditSQ>()},
        // It stands beside the half of the coupon being filled.
        {"Selezione Partite", "selezione",
         [](SistemaDiProva& p) { return Crea<TFormSelPartite>(*p.sistema, ludo::ListeSquadre{}); },
         false},
        {"Impostazioni di Sviluppo", "impostazioni-sviluppo", Di<TFrmImpSv>(Sistema)},
        {"Sviluppo", "sviluppo", Di<TFrmSviluppo>()},
        {"Numero di Colonne", "ricalcolo", Di<TFormRicalcoloAutomatico>()},
        {"Stampa Schedine", "stampa",
         [](SistemaDiProva& p) {
             auto f = std::make_unique<TFormStampaSchedine>(*p.sistema);
             f->ImpostaTutto();
             return std::unique_ptr<QWidget>(std::move(f));
         }},
        {"Impostazioni del Tabulato", "tabulato",
         [](SistemaDiProva& p) {
             return Crea<TFormImpostaTabulato>(p.d().Config, p.Cartella(),
                                               TFormImpostaTabulato::Anteprima{});
         }},
        {"Taratura Schedine", "taratura", Di<TFrmTaratura>(Sistema)},
        {"Pari e Dispari", "pari-dispari", DiCondizione(1)},
        {"Numeri Consecutivi", "consecutivita-numerica", DiCondizione(16)},
        {"Numero di Sequenze", "numero-sequenze", DiCondizione(18)},
        {"Posizioni", "posizioni", DiCondizione(15)},
        {"Distanze Globali", "distanze-globali", DiCondizione(11)},
        {"Baricentri", "baricentri", DiCondizione(13)},
        {"Formule Derivate", "formule-derivate", DiCondizione(8)},
        {"Consecutività Differenziata dei Segni", "consecutivita-differenziata", DiCondizione(3)},
        {"Distanze Particolari", "distanze-particolari", DiCondizione(12)},
        {"Resti", "resti", DiCondizione(14)},
        {"Colonne Filtro", "colonne-filtro", DiCondizione(17)},
        {"Consecutività (una)", "consecutivita-differenziata", DiMembro(3)},
        {"Distanza Specifica (una)", "distanze-particolari", DiMembro(12)},
        {"Resti (uno)", "resti", DiMembro(14)},
        {"Colonna Filtro (una)", "colonne-filtro", DiMembro(17)},
        {"Aggiornamento Archivio", "aggiornamento-archivio", Di<TFrmArchivio>(SistemaConArchivio)},
        {"Modifica Concorso", "modifica-concorso",
         [](SistemaDiProva& p) {
             return Crea<TFrmConcorso>(Archivio(p), ludo::NuovoConcorso(), true);
         }},
        {"Impostazioni Di Ricerca", "impostazioni-ricerca",
         Di<TFrmImpRicerca>(Config, Archivio, Cartella)},
        {"Visualizzazione Archivio", "visualizzazione-archivio", Di<TFrmVisArchivio>(Archivio)},
        {"Stampa Archivio", "stampa-archivio", Di<TFrmStampaArchivio>(Archivio)},
        {"Conversione", "conversione", Di<TFrmConverte>(Cartella)},
        {"Operazioni", "operazioni", Di<TFrmOperazioni>(Cartella)},
        {"Accorpa", "accorpa", Di<TFrmAccorpa>(Sistema)},
        {"Calcolo delle garanzie", "garanzie",
         [](SistemaDiProva& p) {
             p.d().Pronostico = SistemaDiProva::Primi(10);
             ludo::Espandi(p.d().Colonne, SistemaDiProva::Primi(9), true);
             return Crea<TFrmCalcGaranzie>(*p.sistema);
         }},
        {"Stampa del Prospetto del Sistema", "prospetto",
         [](SistemaDiProva& p) {
             p.sistema->NumeroPartecipanti = 3;
             ludo::Espandi(p.d().Colonne, SistemaDiProva::Primi(9), true);
             return Crea<TFormStampaProspetto>(*p.sistema);
         }},
        {"Editor Colonnare", "editor", Di<TFormEditorColonnare>(Sistema)},
        {"Salta alla Colonna", "editor", [](SistemaDiProva&) { return Crea<TFormSalta>(10, 1); }},
        {"Visualizzazione Colonne", "visualizza-colonne",
         [](SistemaDiProva&) { return Crea<TFrmVisualizzaColonne>(ColonneDiProva()); }},
        {"Spoglio", "spoglio",
         [](SistemaDiProva& p) {
             auto f = std::make_unique<TFrmSpoglio>(*p.sistema, ColonneDiProva());
             f->ImpostaVincente(SistemaDiProva::Primi(8));
             return std::unique_ptr<QWidget>(std::move(f));
         }},
        {"Goal Dopo Goal", "goal-dopo-goal",
         [](SistemaDiProva& p) {
             return Crea<TFrmGoalDopoGoal>(p.d().Coupon, ludo::GolSchedina{});
         }},
        {"Visualizzazione (schedine vincenti)", "schedine-vincenti",
         [](SistemaDiProva&) {
             const ludo::Colonna vincente = SistemaDiProva::Primi(8);
             return Crea<TFrmSchedineVincenti>(ColonneDiProva(), vincente,
                                               ludo::SpoglioSingolo(ColonneDiProva(), vincente));
         }},
        {"Spoglio Storico", "spoglio-storico",
         [](SistemaDiProva& p) {
             auto f = std::make_unique<TFrmSpoglioStorico>(
                 Archivio(p), p.d().Config.Ricerca.Intervallo, p.Cartella(), ColonneDiProva());
             f->Analizza();
             return std::unique_ptr<QWidget>(std::move(f));
         }},
        {"Spoglio Globale", "spoglio-globale",
         [](SistemaDiProva&) { return Crea<TFrmSpoglioGlobale>(GiocateDiProva(), 3); }},
        {"Aggiornamento tramite Internet", "aggiornamento", Di<TFormDownload>()},
        {"Interruzioni", "interruzioni", DiCondizione(2)},
        {"Simmetrie", "simmetrie", DiCondizione(4)},
        {"Ripetizioni", "ripetizioni", DiCondizione(7)},
        {"Vortice", "vortice", DiCondizione(6)},
        {"Sequele", "sequele", DiCondizione(5)},
        {"Sequela (una)", "sequele", DiMembro(5)},
        {"Somme", "somme", DiCondizione(10)},
        {"Somma (una)", "somme", DiMembro(10)},
        {"Picchetti", "picchetti", DiCondizione(9)},
        {"Picchetto (uno)", "picchetti", DiMembro(9)},
        {"Punti Tra", "punti-tra", DiCondizione(20)},
        {"Dettatura Schedine", "dettatura",
         [](SistemaDiProva&) {
             ludo::ListaColonne colonne;
             for (int i = 0; i < 7; ++i) colonne.Aggiungi(SistemaDiProva::Primi(8) << i);
             return Crea<TFrmDettSche>(colonne, LUDO_FILE_VOCALE);
         }},
        {"Quadro", "quadro", Di<TFrmQuadro>(Quadro)},
        {"Albero Condizioni", "albero",
         [](SistemaDiProva& p) {
             auto albero = std::make_unique<TFrmAlbero>();
             albero->ImpostaOggetto(Quadro(p), Quadro(p));
             return std::unique_ptr<QWidget>(std::move(albero));
         }},
        {"Inserimento colonne filtro", "inserimento-colonne-filtro",
         [](SistemaDiProva& p) {
             p.d().Condizioni.Archivio = &Archivio(p).Concorsi();
             return Crea<TFormInsArc_File>(Quadro(p));
         }},
        {"Inserimento nel quadro corrente", "inserimento-fisse",
         [](SistemaDiProva& p) {
             return Crea<TFormInsComb>(Quadro(p), std::vector<ludo::TFisse>{{1}, {2}, {4}});
         }},
        {"Recupero Condizioni", "recupero-condizioni", Di<TFrmRecuperi>(Sistema)},
        {"Analisi Delle Colonne Filtrate", "analisi-colonne-filtrate",
         [](SistemaDiProva& p) { return Crea<TFrmRecAna>(p.d().Link, 'A'); }},
        {"Dati Ricevitoria", "dati-ricevitoria", Di<TFormDatiRicevitoria>(Config, Cartella)},
        {"Ridotti Immediati", "ridotti-immediati", Di<TFrmRidottiImmediati>(Ricevitoria)},
        {"Generazione Schedine", "generazione-schedine", Di<TFormGeneraSchedine>(Ricevitoria)},
        {"Sistemi Automatici", "sistemi-automatici", Di<TFrmSistAutomatici>(Ricevitoria)},
        {"Stampa schedine (inserimento)", "stampa", Di<TFormOrientamento>(Config)},
        {"Riepilogo delle giocate", "archivio-giocate",
         [](SistemaDiProva& p) {
             auto f = std::make_unique<TFormVisGiocate>(Ricevitoria(p));
             f->ImpostaSpoglio([](ludo::TArchivioGiocate&) {});
             return std::unique_ptr<QWidget>(std::move(f));
         }},
        {"Andamento storico", "analisi-storica",
         [](SistemaDiProva& p) {
             Archivio(p).RicalcolaAnalisi();
             return Crea<TFrmAnalisiStorica>(
                 ludo::AnalisiStorica(p.d().Condizioni.Condizione(1), *p.sistema));
         }},
        {"Analisi Colonnare", "analisi-colonnare",
         [](SistemaDiProva& p) {
             Archivio(p).RicalcolaAnalisi();
             p.d().Pronostico = SistemaDiProva::Primi(10);
             return Crea<TFrmAnalisiColonnare>(
                 ludo::AnalisiColonnare(p.d().Condizioni.Condizione(13), *p.sistema));
         }},
        {"Informazioni Statistiche", "informazioni-statistiche", Di<TFrmInfoStatistiche>()},
        {"Frequenza Storica dei Numeri", "storico-numeri",
         [](SistemaDiProva& p) {
             return Crea<TFrmStoricoNumeri>(
                 ludo::CalcolaStatisticheNumeri(Archivio(p), p.d().Config.Ricerca.Intervallo));
         }},
        {"Frequenza dei Numeri", "frequenza-numeri",
         [](SistemaDiProva&) {
             std::array<std::int64_t, 32> conteggi{};
             conteggi[0] = 3;
             return Crea<TFrmFrequenzaNumeri>(conteggi, std::size_t{4});
         }},
        {"Pronostico Statistico", "pronostico-statistico", Di<TFrmPronosticoStatistico>(Sistema)},
        {"Analisi Gruppi", "analisi-gruppi", Di<TFrmAnalisiGruppi>(SistemaConArchivio)},
        {"Cerca Fisse", "cerca-fisse", Di<TFrmCercaFisse>(Archivio, Intervallo)},
        {"Guida", nullptr,
         [](SistemaDiProva&) { return Crea<TFrmGuida>(QStringLiteral(LUDO_GUIDA_DIR)); }},
        {"Messaggio", nullptr,
         [](SistemaDiProva&) {
             return Crea<TFrmMessage>(QStringLiteral("Conferma"),
                                      QStringLiteral("Vuoi continuare ?"),
                                      TFrmMessage::Si | TFrmMessage::No | TFrmMessage::Annulla);
         },
         false},
        {"Avanzamento", nullptr,
         [](SistemaDiProva&) {
             return Crea<TFrmProgresso>(QStringLiteral("Conversione"),
                                        QStringLiteral("Conversione in corso"), true,
                                        Avanzamento());
         },
         false},
    };
    return finestre;
}

// The control a focused widget belongs to (the box of a spin box, say).
QWidget* Controllo(QWidget* w) {
    if (w != nullptr && qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr)
        return w->parentWidget();
    return w;
}

// The controls of a window: shown and taking the focus from the keyboard
// (only those enabled, unless also the disabled ones are asked for).
QList<QWidget*> Controlli(const QWidget& finestra, bool ancheDisabilitati = false) {
    QList<QWidget*> controlli;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&finestra) || w->focusProxy() != nullptr) continue;
        if (!w->isEnabled() && !ancheDisabilitati) continue;
        if ((w->focusPolicy() & Qt::TabFocus) == 0) continue;
        controlli.append(Controllo(w));
    }
    return controlli;
}

// The buttons a checked, exclusive button stands with: its button group, or
// the auto-exclusive buttons beside it.
QList<QAbstractButton*> Compagni(const QAbstractButton& pulsante) {
    if (pulsante.group() != nullptr) return pulsante.group()->buttons();
    if (!pulsante.autoExclusive() || pulsante.parentWidget() == nullptr) return {};
    return pulsante.parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
}

// An unchecked button of an exclusive set (radio buttons, page buttons):
// Tab reaches the one chosen in the set, and the arrows go on from there.
bool SceltaDiUnGruppo(QWidget* w, const QSet<QWidget*>& raggiunti) {
    auto* pulsante = qobject_cast<QAbstractButton*>(w);
    if (pulsante == nullptr || !pulsante->isCheckable() || pulsante->isChecked()) return false;
    const QList<QAbstractButton*> compagni = Compagni(*pulsante);
    const auto scelto = std::find_if(compagni.begin(), compagni.end(), [&](QAbstractButton* altro) {
        return (altro->autoExclusive() || altro->group() != nullptr) && raggiunti.contains(altro);
    });
    if (scelto == compagni.end()) return false;
    for (const Qt::Key freccia : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
        (*scelto)->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < compagni.size() && QApplication::focusWidget() != pulsante; ++i)
            QTest::keyClick(QApplication::focusWidget(), freccia);
        if (QApplication::focusWidget() == pulsante) return true;
    }
    return false;
}

std::unique_ptr<QWidget> Mostra(const Voce& voce, SistemaDiProva& p) {
    auto finestra = voce.crea(p);
    finestra->show();
    finestra->activateWindow();
    return finestra;
}

// What a check finds wrong in each window, shown, as "window: what".
QStringList Difetti(const std::function<void(QWidget&, QStringList&)>& controllo) {
    QStringList tutti;
    for (const Voce& voce : Finestre()) {
        SistemaDiProva p;
        auto finestra = Mostra(voce, p);
        QStringList difetti;
        controllo(*finestra, difetti);
        for (const QString& difetto : difetti)
            tutti << QString::fromUtf8(voce.nome) + QStringLiteral(": ") + difetto;
    }
    return tutti;
}

}  // namespace

class TestFinestre : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ImpostaCartellaGuida(std::filesystem::path(LUDO_GUIDA_DIR).parent_path()); }

    // The buttons of an exclusive set are a single stop: Tab goes to the
    // chosen one and the arrows choose another, as on every desktop.
    void tabReachesEveryControl() {
        const QStringList mancati = Difetti([](QWidget& finestra, QStringList& difetti) {
            if (!QTest::qWaitForWindowActive(&finestra)) difetti << QStringLiteral("not active");
            const QList<QWidget*> controlli = Controlli(finestra);
            if (controlli.isEmpty()) return;
            controlli.front()->setFocus(Qt::TabFocusReason);
            QSet<QWidget*> raggiunti;
            for (int i = 0; i <= 2 * controlli.size(); ++i) {
                raggiunti.insert(Controllo(QApplication::focusWidget()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (QWidget* c : controlli) {
                if (!raggiunti.contains(c) && !SceltaDiUnGruppo(c, raggiunti))
                    difetti << c->objectName();
            }
        });
        QVERIFY2(mancati.isEmpty(), qPrintable(mancati.join(QStringLiteral(", "))));
    }

    void everyControlHasANameForAssistiveTools() {
        const QStringList senzaNome = Difetti([](QWidget& finestra, QStringList& difetti) {
            for (QWidget* c : Controlli(finestra, true)) {
                const QString nome =
                    QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
                if (nome.trimmed().isEmpty()) difetti << c->objectName();
            }
        });
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(QStringLiteral(", "))));
    }

    void everyWindowFitsASmallScreen() {
        const QStringList troppoGrandi = Difetti([](QWidget& finestra, QStringList& difetti) {
            const QSize minima = finestra.minimumSizeHint().expandedTo(finestra.minimumSize());
            const QSize aperta = finestra.size();
            for (const QSize& misura : {minima, aperta}) {
                if (misura.width() > LarghezzaSchermo || misura.height() > AltezzaUtile) {
                    difetti << QStringLiteral("%1 x %2").arg(misura.width()).arg(misura.height());
                }
            }
        });
        QVERIFY2(troppoGrandi.isEmpty(), qPrintable(troppoGrandi.join(QStringLiteral(", "))));
    }

    void f1OpensTheGuideAtThePageOfTheWindow() {
        for (const Voce& voce : Finestre()) {
            if (voce.pagina == nullptr) continue;
            const QString pagina = QString::fromLatin1(voce.pagina);
            QVERIFY2(std::filesystem::is_regular_file(FilePaginaGuida(pagina)), voce.pagina);
            SistemaDiProva p;
            auto finestra = Mostra(voce, p);
            QVERIFY2(QTest::qWaitForWindowActive(finestra.get()), voce.nome);
            QTest::keyClick(finestra.get(), Qt::Key_F1);
            auto* aiuto = finestra->findChild<TFrmGuida*>();
            QVERIFY2(aiuto != nullptr && aiuto->isVisible(), voce.nome);
            QCOMPARE(aiuto->PaginaMostrata(), pagina);
        }
    }

    void everyWindowOpensAgainWhereItWasLeft() {
        StoreDiProva store;
        for (const Voce& voce : Finestre()) {
            if (!voce.ricorda) continue;
            SistemaDiProva p;
            {
                auto finestra = Mostra(voce, p);
                finestra->move(37, 23);
                finestra->close();
            }
            auto finestra = Mostra(voce, p);
            QVERIFY2(finestra->pos() == QPoint(37, 23), voce.nome);
        }
    }
};

QTEST_MAIN(TestFinestre)
#include "TestFinestre.moc"
