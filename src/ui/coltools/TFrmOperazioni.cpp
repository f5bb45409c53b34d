#include "ui/coltools/TFrmOperazioni.h"

#include <QFileInfo>
#include <QPushButton>
#include <random>

#include "core/io/ProgramFolder.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmOperazioni.h"

using ludo::Operazione;

TFrmOperazioni::TFrmOperazioni(std::filesystem::path cartellaProgramma, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmOperazioni>()),
      cartella_(std::move(cartellaProgramma)) {
    ui->setupUi(this);
    ui->EditOutput->setText(QString::fromLatin1(ludo::NomeUscitaPredefinito));
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    AggiornaForm();
    for (QRadioButton* r :
         {ui->RBOr, ui->RBAnd, ui->RBXor, ui->RBN1, ui->RBN2, ui->RBDisordinatore}) {
        connect(r, &QRadioButton::toggled, this, &TFrmOperazioni::AggiornaForm);
    }
    connect(ui->Cerca1Btn, &QPushButton::clicked, this,
            [this] { CercaClick(ui->EditFile1, false); });
    connect(ui->Cerca2Btn, &QPushButton::clicked, this,
            [this] { CercaClick(ui->EditFile2, false); });
    connect(ui->CercaOutBtn, &QPushButton::clicked, this,
            [this] { CercaClick(ui->EditOutput, true); });
    connect(ui->EseguiBtn, &QPushButton::clicked, this, &TFrmOperazioni::EseguiClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmOperazioni::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmOperazioni::~TFrmOperazioni() = default;

Operazione TFrmOperazioni::OperazioneScelta() const {
    if (ui->RBAnd->isChecked()) return Operazione::And;
    if (ui->RBXor->isChecked()) return Operazione::Xor;
    if (ui->RBN1->isChecked()) return Operazione::CoperturaN1;
    if (ui->RBN2->isChecked()) return Operazione::CoperturaN2;
    if (ui->RBDisordinatore->isChecked()) return Operazione::Disordinatore;
    return Operazione::Or;
}

// The captions of the input boxes follow the operation; the shuffle reads
// only the first box.
void TFrmOperazioni::AggiornaForm() {
    const auto operazione = OperazioneScelta();
    const bool copertura =
        operazione == Operazione::CoperturaN1 || operazione == Operazione::CoperturaN2;
    const bool disordina = operazione == Operazione::Disordinatore;
    if (disordina) {
        ui->LabelFile1->setText(QStringLiteral("File da disordinare"));
    } else {
        ui->LabelFile1->setText(copertura ? QStringLiteral("File del ridotto")
                                          : QStringLiteral("Primo file"));
        ui->LabelFile2->setText(copertura ? QStringLiteral("File delle colonne da coprire")
                                          : QStringLiteral("Secondo file"));
    }
    for (QWidget* w : {static_cast<QWidget*>(ui->LabelFile2), static_cast<QWidget*>(ui->EditFile2),
                       static_cast<QWidget*>(ui->Cerca2Btn)}) {
        w->setEnabled(!disordina);
    }
}

QString TFrmOperazioni::Cartella() const {
    return QString::fromStdString(
        ludo::io::resolvePath(cartella_, std::string(ludo::io::kColonne)).string());
}

std::filesystem::path TFrmOperazioni::Percorso(const QLineEdit* edit) const {
    return ludo::io::resolveGivenName(cartella_, ludo::io::kColonne,
                                      edit->text().trimmed().toStdString());
}

void TFrmOperazioni::CercaClick(QLineEdit* edit, bool salva) {
    RichiestaFile r;
    r.titolo = salva ? QStringLiteral("Salva sul File Colonnare")
                     : QStringLiteral("Seleziona il File Colonnare");
    const QFileInfo attuale(QString::fromStdString(Percorso(edit).string()));
    r.cartella = attuale.absolutePath();
    r.nome = salva ? attuale.fileName() : QString();
    r.filtro = QStringLiteral("File Colonnare (*.Col)");
    r.estensione = QStringLiteral("Col");
    r.salva = salva;
    r.chiediSovrascrittura = false;  // asked when the operation runs
    const QString scelto = ChiediFile(this, r);
    if (scelto.isEmpty()) return;
    // A file of COLONNE is shown by its name alone, as it is typed.
    const QFileInfo info(scelto);
    edit->setText(info.absolutePath() == QFileInfo(Cartella()).absoluteFilePath() ? info.fileName()
                                                                                  : scelto);
}

void TFrmOperazioni::EseguiClick() {
    const auto operazione = OperazioneScelta();
    const auto primo = Percorso(ui->EditFile1);
    const auto secondo =
        operazione == Operazione::Disordinatore ? std::filesystem::path() : Percorso(ui->EditFile2);
    const auto uscita = Percorso(ui->EditOutput);
    std::error_code ec;
    if (std::filesystem::exists(uscita, ec) &&
        Informazione(QString::fromUtf8(MsgSovrascrivere), TFrmMessage::Si | TFrmMessage::No,
                     this) != TFrmMessage::Si) {
        return;
    }
    OpzioniOperazione opzioni;
    opzioni.titolo = windowTitle();
    opzioni.testo = QString::fromLatin1(ludo::NomeOperazione(operazione)).trimmed();
    opzioni.parent = this;
    const auto seme = std::random_device{}();
    ludo::EsitoOperazione esito;
    try {
        esito = EseguiOperazioneLunga(opzioni, [&](ludo::Avanzamento& avanzamento) {
            return ludo::EseguiOperazione(operazione, primo, secondo, uscita, avanzamento, seme);
        });
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return;
    }
    if (!esito.annullata)
        Informazione(QString::fromStdString(esito.messaggio), TFrmMessage::OK, this);
}
