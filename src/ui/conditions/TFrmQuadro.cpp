#include "ui/conditions/TFrmQuadro.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <filesystem>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/conditions/TFormInsArc_File.h"
#include "ui/conditions/TFrmAlbero.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TGPannelloCF.h"
#include "ui/system/TFrmCommento.h"
#include "ui_TFrmQuadro.h"

namespace {

constexpr char MsgConfermaCaricaQuadro[] =
    "Questa Operazione Eliminerà Il Contenuto Attuale Del quadro. Confermi ? ";
constexpr char MsgNessunaSelezionata[] = "Nessuna condizione selezionata.";

// The entries of "Nuova": the submenu they stand in (none for the menu
// itself), their text, the type code and the shortcut.
struct VoceNuova {
    const char* sottomenu;
    const char* testo;
    std::uint8_t codice;
    QKeyCombination tasto;
};

constexpr QKeyCombination Nessuno{};

const VoceNuova VociNuova[] = {
    {"&Colonna Filt&ro", "Singolo", ludo::CodColonnaFiltro, Qt::CTRL | Qt::Key_F},
    {"&Colonna Filt&ro", "Multiplo", ludo::CodGruppoColonneFiltro, Nessuno},
    {"Somme", "Singolo", ludo::CodSomma, Nessuno},
    {"Somme", "Multiplo", ludo::CodGruppoSomme, Nessuno},
    {"Consecutività Differenziata", "Singolo", ludo::CodConsecutivita, Nessuno},
    {"Consecutività Differenziata", "Multiplo", ludo::CodGruppoConsecutivita, Nessuno},
    {"Distanze Specifiche", "Singolo", ludo::CodDistanzaSpecifica, Nessuno},
    {"Distanze Specifiche", "Multiplo", ludo::CodGruppoDistanze, Nessuno},
    {"Resti", "Singolo", ludo::CodResti, Nessuno},
    {"Resti", "Multiplo", ludo::CodGruppoResti, Nessuno},
    {"Picchetti", "Singolo", ludo::CodPicchetto, Nessuno},
    {"Picchetti", "Multiplo", ludo::CodGruppoPicchetti, Nessuno},
    {"Sequele", "Singolo", ludo::CodSequela, Nessuno},
    {"Sequele", "Multiplo", ludo::CodGruppoSequele, Nessuno},
    {nullptr, "Consecutività &Numerica", ludo::CodConsecutivitaNumerica, Nessuno},
    {nullptr, "Numero Di Sequenze", ludo::CodNumeroSequenze, Nessuno},
    {nullptr, "Pari e Dispari", ludo::CodPariDispari, Qt::CTRL | Qt::Key_P},
    {nullptr, "Distanze Globali", ludo::CodDistanzeGlobali, Nessuno},
    {nullptr, "Posizioni", ludo::CodPosizioni, Nessuno},
    {nullptr, "Baricentri", ludo::CodBaricentri, Nessuno},
    {nullptr, "&Interruzioni", ludo::CodInterruzioni, Qt::CTRL | Qt::Key_I},
    {nullptr, "&Simmetrie", ludo::CodSimmetrie, Qt::CTRL | Qt::Key_T},
    {nullptr, "Ripetizioni", ludo::CodRipetizioni, Nessuno},
    {nullptr, "&Vortice", ludo::CodVortice, Nessuno},
    {nullptr, "&Formule Derivate", ludo::CodFormuleDerivate, Nessuno},
    {nullptr, "&Sub Quadro", ludo::CodQuadro, Nessuno},
};

QString CartellaQuadri() {
    return QString::fromStdString(
        ludo::io::resolvePath(std::filesystem::current_path(), ludo::io::kQuadri).string());
}

RichiestaFile RichiestaCondizioni(const char* titolo, bool salva) {
    return {QString::fromUtf8(titolo),
            CartellaQuadri(),
            {},
            QStringLiteral("Files Condizioni (*.CND)"),
            QStringLiteral("CND"),
            salva};
}

RichiestaFile RichiestaQuadro(const char* titolo, bool salva) {
    return {QString::fromUtf8(titolo),
            CartellaQuadri(),
            salva ? QStringLiteral("SenzaNome.QDR") : QString(),
            QStringLiteral("Files Quadro (*.QDR)"),
            QStringLiteral("QDR"),
            salva};
}

std::filesystem::path Percorso(const QString& nome) {
    return std::filesystem::path(nome.toStdString());
}

bool QualcunoSelezionato(const ludo::TQuadro& quadro) {
    return std::any_of(quadro.Elenco.begin(), quadro.Elenco.end(),
                       [](const auto& m) { return m->Selezionato; });
}

}  // namespace

TFrmQuadro::TFrmQuadro(ludo::TQuadro& quadro, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmQuadro>()),
      originale_(quadro),
      radice_(std::make_unique<ludo::TQuadro>(quadro)),
      corrente_(radice_.get()) {
    ui->setupUi(this);
    pannelli_ = {ui->Pannello1, ui->Pannello2, ui->Pannello3, ui->Pannello4,
                 ui->Pannello5, ui->Pannello6, ui->Pannello7};
    CreaMenu();
    for (int i = 0; i < NumeroPannelli; ++i) {
        TGPannelloCF* p = pannelli_[static_cast<std::size_t>(i)];
        connect(p, &TGPannelloCF::Cliccato, this,
                [this, i](Qt::KeyboardModifiers m) { PannelloClick(i, m); });
        connect(p, &TGPannelloCF::DoppioClic, this, [this, i] { PannelloDoppioClick(i); });
        connect(p, &QWidget::customContextMenuRequested, this, [this, p, i](const QPoint& punto) {
            ultimoPannello_ = i;
            menu_->popup(p->mapToGlobal(punto));
        });
        p->installEventFilter(this);
    }
    connect(ui->ScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
        corrente_->PrimoVisibile = v;
        MostraPannelli();
    });
    const std::pair<QRadioButton*, std::uint8_t> relazioni[] = {{ui->RadioAnd, ludo::RelazioneAnd},
                                                                {ui->RadioOr, ludo::RelazioneOr},
                                                                {ui->RadioXor, ludo::RelazioneXor},
                                                                {ui->RadioNot, ludo::RelazioneNot}};
    for (const auto& [radio, relazione] : relazioni) {
        connect(radio, &QRadioButton::toggled, this, [this, r = relazione](bool acceso) {
            if (acceso) RelazioneClick(r);
        });
    }
    connect(ui->PtAccettate, &TGGraphpt::Cambiato, this, [this] {
        ui->PtAccettate->SalvaMisura(corrente_->Accettate);
        Modifica();
    });
    connect(ui->PresetBtn, &QPushButton::clicked, this, [this] { PresetClick(true); });
    connect(ui->ParticolariBtn, &QPushButton::clicked, this, [this] { PresetClick(false); });
    connect(ui->CaricaQuadroBtn, &QPushButton::clicked, this, &TFrmQuadro::CaricaQuadroClick);
    connect(ui->SalvaQuadroBtn, &QPushButton::clicked, this, &TFrmQuadro::SalvaQuadroClick);
    connect(ui->PrecedenteBtn, &QPushButton::clicked, this, &TFrmQuadro::PrecedenteClick);
    connect(ui->AlberoBtn, &QPushButton::clicked, this, &TFrmQuadro::AlberoClick);
    connect(ui->AzzeraBtn, &QPushButton::clicked, this, [this] {
        ui->Partite1_16->ImpostaColonna(0);
        ui->Partite17_32->ImpostaColonna(0);
    });
    for (const auto& [pulsante, fonte] : {std::pair{ui->ArchivioBtn, FonteStatistiche::Archivio},
                                          std::pair{ui->AnalisiBtn, FonteStatistiche::Colonne}}) {
        connect(pulsante, &QPushButton::clicked, this, [this, f = fonte] {
            AcquisisceForm();
            ApriStatistiche({*corrente_, f, 1}, this);
        });
    }
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmQuadro::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmQuadro::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this,
            [this] { ApriGuida(this, QStringLiteral("quadro")); });
    AiutoFinestra(*this, QStringLiteral("quadro"));
    caricando_ = true;
    RicordaFinestra(*this);
    radice_->DeselezionaTutto();
    ImpostaOggetto();
}

TFrmQuadro::~TFrmQuadro() = default;

QAction* TFrmQuadro::Comando(const QString& nome) const { return findChild<QAction*>(nome); }

QAction* TFrmQuadro::Voce(QMenu* menu, const QString& nome, const QString& testo,
                          const QKeySequence& tasto) {
    QAction* a = menu->addAction(testo);
    a->setObjectName(nome);
    a->setShortcut(tasto);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);  // the shortcuts work without the menu open
    return a;
}

void TFrmQuadro::CreaMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("MenuQuadro"));
    QMenu* nuova = menu_->addMenu(QStringLiteral("Nuova"));
    nuova->setObjectName(QStringLiteral("Nuova"));
    CreaMenuNuova(nuova);
    menu_->addSeparator();
    struct VoceMenu {
        const char* nome;
        const char* testo;
        QKeySequence tasto;
        void (TFrmQuadro::*metodo)();
    };
    const VoceMenu comandi[] = {
        {"Taglia", "Taglia", QKeySequence(Qt::CTRL | Qt::Key_X), &TFrmQuadro::TagliaClick},
        {"Copia", "Copia", QKeySequence(Qt::CTRL | Qt::Key_C), &TFrmQuadro::CopiaClick},
        {"Incolla", "Incolla", QKeySequence(Qt::CTRL | Qt::Key_V), &TFrmQuadro::IncollaClick},
        {"Elimina", "Elimina", QKeySequence(Qt::Key_Delete), &TFrmQuadro::EliminaClick},
        {"Salva", "Salva", {}, &TFrmQuadro::SalvaCondizioniClick},
        {"Carica", "Carica", {}, &TFrmQuadro::CaricaCondizioniClick},
        {"Adatta", "Adatta", {}, &TFrmQuadro::AdattaClick},
        {"Commento", "Commento", {}, &TFrmQuadro::CommentoClick},
        {"InsAutomatico", "Ins. Automatico Col. Filtro", {}, &TFrmQuadro::InsAutomaticoClick},
        {"CercaFisse", "Cerca Fisse", {}, &TFrmQuadro::CercaFisseClick},
    };
    for (const auto& c : comandi) {
        connect(Voce(menu_, QString::fromLatin1(c.nome), QString::fromUtf8(c.testo), c.tasto),
                &QAction::triggered, this, c.metodo);
    }
    menu_->findChild<QAction*>(QStringLiteral("CercaFisse"))->setEnabled(CercaFisseDisponibile());
}

void TFrmQuadro::CreaMenuNuova(QMenu* nuova) {
    QMenu* sottomenu = nullptr;
    for (const auto& v : VociNuova) {
        QMenu* dove = nuova;
        if (v.sottomenu != nullptr) {
            const QString titolo = QString::fromUtf8(v.sottomenu);
            if (sottomenu == nullptr || sottomenu->title() != titolo)
                sottomenu = nuova->addMenu(titolo);
            dove = sottomenu;
        }
        const QKeySequence tasto = v.tasto == Nessuno ? QKeySequence() : QKeySequence(v.tasto);
        QAction* a =
            Voce(dove, QStringLiteral("Nuova%1").arg(v.codice), QString::fromUtf8(v.testo), tasto);
        connect(a, &QAction::triggered, this, [this, c = v.codice] { NuovaClick(c); });
    }
    // Ctrl+N opens the submenu at the panels.
    auto* apri = new QAction(this);
    apri->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(apri, &QAction::triggered, this, [this, nuova] {
        QWidget* p = pannelli_[static_cast<std::size_t>(std::max(ultimoPannello_, 0))];
        nuova->popup(p->mapToGlobal(p->rect().center()));
    });
    addAction(apri);
}

void TFrmQuadro::ImpostaOggetto() {
    caricando_ = true;
    AggiornaForm();
    caricando_ = false;
}

void TFrmQuadro::AggiornaForm() {
    ui->EditNome->setText(QString::fromStdString(corrente_->Nome));
    (corrente_->Attivato ? ui->Attivato : ui->Disattivato)->setChecked(true);
    predefinito_ = corrente_->Predefinito;
    QRadioButton* radio[] = {ui->RadioAnd, ui->RadioOr, ui->RadioXor, ui->RadioNot};
    radio[std::min<int>(corrente_->Relazione, 3)]->setChecked(true);
    ui->PagineAccettate->setCurrentIndex(predefinito_ ? 0 : 1);
    ui->PtAccettate->setModificato(false);
    MostraAccettate();
    ui->PrecedenteBtn->setEnabled(corrente_ != radice_.get());
    ui->ArchivioBtn->setEnabled(StatisticheDisponibili());
    ui->AnalisiBtn->setEnabled(StatisticheDisponibili());
    MostraPannelli();
    if (albero_ != nullptr) albero_->ImpostaOggetto(*radice_, *corrente_);
}

void TFrmQuadro::MostraAccettate() { ui->PtAccettate->CaricaMisura(corrente_->Accettate); }

void TFrmQuadro::MostraPannelli() {
    const int membri = static_cast<int>(corrente_->Elenco.size());
    // One panel past the last member stays reachable, where new members go.
    const int massimo = std::max(0, membri - NumeroPannelli + 1);
    corrente_->PrimoVisibile = std::clamp(corrente_->PrimoVisibile, 0, massimo);
    const QSignalBlocker blocco(ui->ScrollBar);
    ui->ScrollBar->setRange(0, massimo);
    ui->ScrollBar->setPageStep(NumeroPannelli);
    ui->ScrollBar->setValue(corrente_->PrimoVisibile);
    for (int i = 0; i < NumeroPannelli; ++i) {
        TGPannelloCF* p = pannelli_[static_cast<std::size_t>(i)];
        const ludo::TCondizione* m = MembroDelPannello(i);
        const int posizione = corrente_->PrimoVisibile + i + 1;
        p->setNumero(posizione);
        p->setSelezionato(m != nullptr && m->Selezionato);
        const bool filtro = m != nullptr && m->Codice == ludo::CodColonnaFiltro;
        p->setTipo(filtro ? 1 : 0);
        p->ImpostaColonna(filtro ? static_cast<const ludo::TColonnaFiltro*>(m)->Numeri : 0);
        const QString nome = m != nullptr ? QString::fromStdString(m->Nome) : QString();
        p->setTesto(nome);
        p->setAccessibleName(m != nullptr
                                 ? QStringLiteral("Condizione %1: %2").arg(posizione).arg(nome)
                                 : QStringLiteral("Condizione %1: vuota").arg(posizione));
        p->setAccessibleDescription(m != nullptr && m->Selezionato ? QStringLiteral("Selezionata")
                                                                   : QString());
    }
}

void TFrmQuadro::AcquisisceForm() {
    const std::string nome = ui->EditNome->text().toStdString();
    if (nome != corrente_->Nome || ui->Attivato->isChecked() != corrente_->Attivato)
        modificato_ = true;
    corrente_->Nome = nome;
    corrente_->Attivato = ui->Attivato->isChecked();
    corrente_->Predefinito = predefinito_;
    if (!predefinito_) ui->PtAccettate->SalvaMisura(corrente_->Accettate);
}

void TFrmQuadro::Modifica() {
    if (caricando_) return;
    modificato_ = true;
}

ludo::TCondizione* TFrmQuadro::MembroDelPannello(int pannello) const {
    const auto indice = static_cast<std::size_t>(corrente_->PrimoVisibile + pannello);
    return indice < corrente_->Elenco.size() ? corrente_->Elenco[indice].get() : nullptr;
}

std::size_t TFrmQuadro::PosizioneInserimento() const {
    if (ultimoPannello_ < 0) return corrente_->Elenco.size();
    return static_cast<std::size_t>(corrente_->PrimoVisibile + ultimoPannello_);
}

bool TFrmQuadro::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto* trovato = std::find(pannelli_.begin(), pannelli_.end(), oggetto);
    if (trovato == pannelli_.end() || evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    const int i = static_cast<int>(trovato - pannelli_.begin());
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    // From the keyboard: Space selects as a click does, Enter opens.
    if (tasto->key() == Qt::Key_Space) {
        PannelloClick(i, tasto->modifiers() | Qt::ControlModifier);
        return true;
    }
    if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
        PannelloDoppioClick(i);
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TFrmQuadro::PannelloClick(int pannello, Qt::KeyboardModifiers modificatori) {
    ultimoPannello_ = pannello;
    if (!(modificatori & (Qt::ShiftModifier | Qt::ControlModifier))) radice_->DeselezionaTutto();
    if (ludo::TCondizione* m = MembroDelPannello(pannello)) m->Selezionato = !m->Selezionato;
    MostraPannelli();
}

void TFrmQuadro::PannelloDoppioClick(int pannello) {
    if (ludo::TCondizione* m = MembroDelPannello(pannello)) ApriCondizione(*m);
}

void TFrmQuadro::ApriCondizione(ludo::TCondizione& condizione) {
    if (condizione.Codice == ludo::CodQuadro) {
        MostraQuadro(static_cast<ludo::TQuadro&>(condizione));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto editor = CreaEditor(condizione, this);
    QApplication::restoreOverrideCursor();
    if (editor == nullptr || editor->exec() != QDialog::Accepted) return;
    if (editor->Cambiato()) Modifica();
    MostraPannelli();
    if (albero_ != nullptr) albero_->Disegna(true);
}

void TFrmQuadro::MostraQuadro(ludo::TQuadro& quadro) {
    AcquisisceForm();
    corrente_ = &quadro;
    ultimoPannello_ = -1;
    ImpostaOggetto();
}

template <class F>
bool TFrmQuadro::Esegui(F&& operazione) {
    try {
        std::forward<F>(operazione)();
        return true;
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return false;
    }
}

// After a change of the members: the counts follow the relation, the
// panels and the tree are drawn again.
void TFrmQuadro::NuovaClick(std::uint8_t codice) {
    if (corrente_->Inserisci(codice) == nullptr) return;
    Modifica();
    corrente_->PrimoVisibile =
        static_cast<std::int32_t>(corrente_->Elenco.size());  // the new member in sight
    AggiornaForm();
}

void TFrmQuadro::CopiaClick() {
    if (QualcunoSelezionato(*corrente_)) appunti_ = corrente_->CopiaSelezionati(false);
}

void TFrmQuadro::TagliaClick() {
    if (!QualcunoSelezionato(*corrente_)) return;
    appunti_ = corrente_->CopiaSelezionati(true);
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::IncollaClick() {
    if (appunti_.empty()) return;
    radice_->DeselezionaTutto();
    const std::size_t dove = PosizioneInserimento();
    if (!Esegui([&] { corrente_->Incolla(appunti_, dove); })) return;
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::EliminaClick() {
    if (!QualcunoSelezionato(*corrente_)) return;
    corrente_->EliminaSelezionati();
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::SalvaCondizioniClick() {
    if (!QualcunoSelezionato(*corrente_)) {
        Informazione(QString::fromUtf8(MsgNessunaSelezionata), TFrmMessage::OK, this);
        return;
    }
    const QString file =
        ChiediFileDaScrivere(this, RichiestaCondizioni("Salva le Condizioni", true));
    if (file.isEmpty()) return;
    Esegui([&] { corrente_->SalvaCondizioni(Percorso(file)); });
}

void TFrmQuadro::CaricaCondizioniClick() {
    const QString file = ChiediFile(this, RichiestaCondizioni("Carica le Condizioni", false));
    if (file.isEmpty()) return;
    const std::size_t dove = PosizioneInserimento();
    if (!Esegui([&] { corrente_->CaricaCondizioni(Percorso(file), dove); })) return;
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::AdattaClick() {
    const ludo::Colonna partite = ui->Partite1_16->Colonna() | ui->Partite17_32->Colonna();
    if (!Esegui([&] { corrente_->Adatta(partite); })) return;
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::CommentoClick() {
    TFrmCommento commento(corrente_->Commento, this);
    if (commento.exec() == QDialog::Accepted && commento.Cambiato()) Modifica();
}

void TFrmQuadro::InsAutomaticoClick() {
    AcquisisceForm();
    TFormInsArc_File finestra(*corrente_, this);
    if (finestra.exec() != QDialog::Accepted || finestra.Inserite() == 0) return;
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::CercaFisseClick() {
    AcquisisceForm();
    const std::size_t prima = corrente_->Elenco.size();
    ApriCercaFisse(*corrente_, this);
    if (corrente_->Elenco.size() == prima) return;
    Modifica();
    AggiornaForm();
}

void TFrmQuadro::RelazioneClick(std::uint8_t relazione) {
    if (caricando_) return;
    corrente_->ApplicaRelazione(relazione);
    MostraAccettate();
    Modifica();
}

void TFrmQuadro::PresetClick(bool preset) {
    if (predefinito_ == preset) return;
    predefinito_ = preset;
    corrente_->Predefinito = preset;
    if (preset) {
        QRadioButton* radio[] = {ui->RadioAnd, ui->RadioOr, ui->RadioXor, ui->RadioNot};
        const auto scelta = std::find_if(std::begin(radio), std::end(radio),
                                         [](auto* r) { return r->isChecked(); });
        corrente_->ApplicaRelazione(static_cast<std::uint8_t>(scelta - std::begin(radio)));
        MostraAccettate();
    }
    ui->PagineAccettate->setCurrentIndex(preset ? 0 : 1);
    Modifica();
}

void TFrmQuadro::CaricaQuadroClick() {
    if (Conferma(QString::fromUtf8(MsgConfermaCaricaQuadro), TFrmMessage::Si | TFrmMessage::No,
                 this) != TFrmMessage::Si) {
        return;
    }
    const QString file = ChiediFile(this, RichiestaQuadro("Carica il Quadro", false));
    if (file.isEmpty()) return;
    if (!Esegui([&] { corrente_->CaricaQuadro(Percorso(file)); })) return;
    Modifica();
    ultimoPannello_ = -1;
    ImpostaOggetto();
}

void TFrmQuadro::SalvaQuadroClick() {
    AcquisisceForm();
    const QString file = ChiediFileDaScrivere(this, RichiestaQuadro("Salva Il Quadro", true));
    if (file.isEmpty()) return;
    Esegui([&] { corrente_->SalvaQuadro(Percorso(file)); });
}

void TFrmQuadro::PrecedenteClick() {
    if (ludo::TQuadro* contenitore = radice_->Contenitore(*corrente_)) MostraQuadro(*contenitore);
}

void TFrmQuadro::AlberoClick() {
    if (albero_ == nullptr) {
        albero_ = new TFrmAlbero(this);
        connect(albero_, &TFrmAlbero::Scelta, this, &TFrmQuadro::ApriCondizione);
    }
    AcquisisceForm();
    albero_->ImpostaOggetto(*radice_, *corrente_);
    albero_->show();
    albero_->raise();
}

void TFrmQuadro::OKBtnClick() {
    AcquisisceForm();
    radice_->DeselezionaTutto();
    if (modificato_) originale_.Assegna(*radice_);
    accept();
}
