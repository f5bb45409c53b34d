#include "ui/system/TFormEditSQ.h"

#include <QPushButton>

#include "core/io/Errore.h"
#include "core/system/ListeSquadre.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFormEditSQ.h"

TFormEditSQ::TFormEditSQ(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFormEditSQ>()) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("squadre"));
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormEditSQ::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormEditSQ::reject);
}

TFormEditSQ::~TFormEditSQ() = default;

QString TFormEditSQ::Nome() const { return ui->EditNome->text().trimmed(); }

void TFormEditSQ::ImpostaNome(const QString& nome) {
    ui->EditNome->setText(nome);
    ui->EditNome->selectAll();
}

void TFormEditSQ::OKBtnClick() {
    try {
        ludo::VerificaNomeSquadra(ui->EditNome->text().toStdString());
    } catch (const ludo::Errore& e) {
        TFrmMessage::Mostra(QStringLiteral("Informazione"), QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        ui->EditNome->setFocus();
        return;
    }
    accept();
}
