#include "ui/coltools/TFrmConverte.h"

#include <QDir>
#include <QPushButton>

#include "core/io/ProgramFolder.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmConverte.h"

using ludo::FormatoColonne;

namespace {

QString Testo(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

FormatoColonne Formato(int indice) { return static_cast<FormatoColonne>(indice); }

}  // namespace

TFrmConverte::TFrmConverte(const std::filesystem::path& cartellaProgramma, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmConverte>()) {
    ui->setupUi(this);
    for (int i = 0; i < ludo::NumeroFormati; ++i) {
        const QString voce = Testo(ludo::Descrizione(Formato(i)).voce);
        ui->ComboS->addItem(voce);
        ui->ComboD->addItem(voce);
    }
    ui->ComboS->setCurrentIndex(static_cast<int>(FormatoColonne::Col));
    ui->ComboD->setCurrentIndex(static_cast<int>(FormatoColonne::Txt));
    const QString colonne = QString::fromStdString(
        ludo::io::resolvePath(cartellaProgramma, std::string(ludo::io::kColonne)).string());
    for (auto [lista, edit] : {std::pair{ui->CartelleS, ui->EditCartellaS},
                               std::pair{ui->CartelleD, ui->EditCartellaD}}) {
        connect(lista, &TGListaCartelle::CartellaCambiata, edit, &QLineEdit::setText);
        lista->setCartella(colonne);
        edit->setText(lista->Cartella());
    }
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ui->Creati->clear();
    AggiornaFiles();

    connect(ui->ComboS, &QComboBox::currentIndexChanged, this, &TFrmConverte::AggiornaFiles);
    connect(ui->CartelleS, &TGListaCartelle::CartellaCambiata, this, &TFrmConverte::AggiornaFiles);
    connect(ui->ListaFiles, &QListWidget::itemSelectionChanged, this,
            &TFrmConverte::AggiornaAbilitazioni);
    connect(ui->SelezionaTuttiBtn, &QPushButton::clicked, ui->ListaFiles, &QListWidget::selectAll);
    connect(ui->AzzeraSelezioneBtn, &QPushButton::clicked, ui->ListaFiles,
            &QListWidget::clearSelection);
    connect(ui->SfogliaSBtn, &QPushButton::clicked, this, [this] { SfogliaClick(ui->CartelleS); });
    connect(ui->SfogliaDBtn, &QPushButton::clicked, this, [this] { SfogliaClick(ui->CartelleD); });
    connect(ui->ConvertiBtn, &QPushButton::clicked, this, &TFrmConverte::ConvertiClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmConverte::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmConverte::~TFrmConverte() = default;

// The files of the source folder with the source format's extension, in
// any letter case.
void TFrmConverte::AggiornaFiles() {
    const auto estensione =
        Testo(ludo::Descrizione(Formato(ui->ComboS->currentIndex())).estensione);
    const QDir cartella(ui->CartelleS->Cartella(), QStringLiteral("*.") + estensione,
                        QDir::Name | QDir::IgnoreCase, QDir::Files);
    ui->ListaFiles->clear();
    ui->ListaFiles->addItems(cartella.entryList());
    AggiornaAbilitazioni();
}

void TFrmConverte::AggiornaAbilitazioni() {
    ui->ConvertiBtn->setEnabled(!ui->ListaFiles->selectedItems().isEmpty());
}

void TFrmConverte::SfogliaClick(TGListaCartelle* lista) {
    RichiestaFile r;
    r.titolo = QStringLiteral("Scegli la Cartella");
    r.cartella = lista->Cartella();
    r.soloCartella = true;
    const QString scelta = ChiediFile(this, r);
    if (!scelta.isEmpty()) lista->setCartella(scelta);
}

ludo::RichiestaConversione TFrmConverte::Richiesta() const {
    ludo::RichiestaConversione r;
    r.sorgente = Formato(ui->ComboS->currentIndex());
    r.destinazione = Formato(ui->ComboD->currentIndex());
    r.cartellaSorgente = ui->CartelleS->Cartella().toStdString();
    r.cartellaDestinazione = ui->CartelleD->Cartella().toStdString();
    for (int i = 0; i < ui->ListaFiles->count(); ++i) {
        const QListWidgetItem* voce = ui->ListaFiles->item(i);
        if (voce->isSelected()) r.files.push_back(voce->text().toStdString());
    }
    return r;
}

void TFrmConverte::ConvertiClick() {
    const auto richiesta = Richiesta();
    if (richiesta.files.empty()) return;
    const auto esistenti = ludo::DestinazioniEsistenti(richiesta);
    if (!esistenti.empty() &&
        Informazione(Testo(ludo::MsgSovrascrivereDestinazioni(esistenti)),
                     TFrmMessage::Si | TFrmMessage::No, this) != TFrmMessage::Si) {
        return;
    }
    ui->Creati->setText(QStringLiteral("0"));
    OpzioniOperazione opzioni;
    opzioni.titolo = windowTitle();
    opzioni.testo = QStringLiteral("Conversione in corso...");
    opzioni.parent = this;
    // Each file created is counted at once, on this thread.
    const auto creato = [etichetta = ui->Creati](int creati) {
        QMetaObject::invokeMethod(
            etichetta, [etichetta, creati] { etichetta->setText(QString::number(creati)); },
            Qt::QueuedConnection);
    };
    const auto esito = EseguiOperazioneLunga(opzioni, [&](ludo::Avanzamento& avanzamento) {
        return ludo::Converti(richiesta, avanzamento, creato);
    });
    ui->Creati->setText(QString::number(esito.filesCreati));
    // New files may belong to the list shown; the selection is kept.
    const auto selezionati = ui->ListaFiles->selectedItems();
    QStringList nomi;
    for (const auto* voce : selezionati) nomi << voce->text();
    AggiornaFiles();
    for (int i = 0; i < ui->ListaFiles->count(); ++i) {
        if (nomi.contains(ui->ListaFiles->item(i)->text()))
            ui->ListaFiles->item(i)->setSelected(true);
    }
    Informazione(QString::fromStdString(esito.messaggio), TFrmMessage::OK, this);
}
