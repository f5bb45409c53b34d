#include "ui/controls/TFrmGuida.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmGuida.h"

TFrmGuida::TFrmGuida(const QString& cartellaGuida, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmGuida>()), cartella_(cartellaGuida) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    connect(ui->BtnIndietro, &QToolButton::clicked, ui->Testo, &QTextBrowser::backward);
    connect(ui->BtnAvanti, &QToolButton::clicked, ui->Testo, &QTextBrowser::forward);
    connect(ui->BtnSommario, &QToolButton::clicked, this,
            [this] { MostraPagina(QString::fromLatin1(PaginaSommario)); });
    connect(ui->Testo, &QTextBrowser::backwardAvailable, this, &TFrmGuida::AggiornaNavigazione);
    connect(ui->Testo, &QTextBrowser::forwardAvailable, this, &TFrmGuida::AggiornaNavigazione);
    connect(ui->EditCerca, &QLineEdit::returnPressed, this, &TFrmGuida::CercaSuccessivo);
    connect(ui->BtnSuccessivo, &QToolButton::clicked, this, &TFrmGuida::CercaSuccessivo);
    connect(ui->BtnPrecedente, &QToolButton::clicked, this, &TFrmGuida::CercaPrecedente);
    connect(ui->BtnBrowser, &QPushButton::clicked, this, &TFrmGuida::ApriNelBrowser);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        ui->EditCerca->setFocus();
        ui->EditCerca->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            &TFrmGuida::CercaSuccessivo);
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
            &TFrmGuida::CercaPrecedente);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, ui->Testo,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, ui->Testo,
            &QTextBrowser::forward);
    AggiornaNavigazione();
}

TFrmGuida::~TFrmGuida() = default;

void TFrmGuida::MostraPagina(const QString& pagina) {
    QUrl indirizzo = QUrl::fromLocalFile(
        QDir(cartella_).filePath(pagina.section(QLatin1Char('#'), 0, 0) + QStringLiteral(".html")));
    indirizzo.setFragment(pagina.section(QLatin1Char('#'), 1));
    ui->Testo->setSource(indirizzo);
    ui->LabelEsito->clear();
}

QString TFrmGuida::PaginaMostrata() const {
    const QUrl indirizzo = ui->Testo->source();
    const QString nome = QFileInfo(indirizzo.fileName()).completeBaseName();
    return indirizzo.hasFragment() ? nome + QLatin1Char('#') + indirizzo.fragment() : nome;
}

QString TFrmGuida::Esito() const { return ui->LabelEsito->text(); }

bool TFrmGuida::Cerca(const QString& testo, bool indietro) {
    ui->LabelEsito->clear();
    if (testo.isEmpty()) return false;
    const QTextDocument::FindFlags verso =
        indietro ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (ui->Testo->find(testo, verso)) return true;
    // Once more from the other end of the guide.
    QTextCursor cursore = ui->Testo->textCursor();
    cursore.movePosition(indietro ? QTextCursor::End : QTextCursor::Start);
    ui->Testo->setTextCursor(cursore);
    if (ui->Testo->find(testo, verso)) return true;
    ui->LabelEsito->setText(MsgNonTrovato);
    return false;
}

void TFrmGuida::CercaSuccessivo() { Cerca(ui->EditCerca->text()); }

void TFrmGuida::CercaPrecedente() { Cerca(ui->EditCerca->text(), true); }

void TFrmGuida::ApriNelBrowser() {
    if (!QDesktopServices::openUrl(ui->Testo->source()))
        ui->LabelEsito->setText(MsgBrowserNonDisponibile);
}

void TFrmGuida::AggiornaNavigazione() {
    ui->BtnIndietro->setEnabled(ui->Testo->isBackwardAvailable());
    ui->BtnAvanti->setEnabled(ui->Testo->isForwardAvailable());
}
