// The "Internet" menu of the main window: the archive, the team lists, the
// coupon and the program itself brought up to date from the update server,
// and what the main window reloads afterwards.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "core/update/Aggiornamento.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/system/TFormPrincipa.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/update/TFormDownload.h"

using ludo::EsitoAggiornamento;
using ludo::TipoAggiornamento;

namespace {

constexpr char ProgrammaRiavvio[] = "ludomatic-riavvio";
constexpr char MsgRiavvioImpossibile[] =
    "Impossibile avviare ludomatic-riavvio: il programma non è stato aggiornato.";

bool Riuscito(const EsitoAggiornamento& esito) { return esito.stato == EsitoAggiornamento::Stato::Riuscito; }

}  // namespace

EsitoAggiornamento TFormPrincipa::AggiornaDaInternet(TipoAggiornamento tipo) {
    ludo::RichiestaAggiornamento richiesta;
    richiesta.tipo = tipo;
    richiesta.cartella = sistema_.Cartella();
    richiesta.server = ludo::LeggiServerAggiornamento(richiesta.cartella);
    richiesta.cartellaEseguibili = QCoreApplication::applicationDirPath().toStdString();
    PausaAnimazione(true);
    TFormDownload finestra(this);
    EsitoAggiornamento esito = finestra.Aggiorna(richiesta);
    PausaAnimazione(false);
    return esito;
}

void TFormPrincipa::AggiornamentoArchiviClick() {
    const EsitoAggiornamento esito = AggiornaDaInternet(TipoAggiornamento::Archivi);
    if (!Riuscito(esito)) return;
    CaricaArchivio();
    AggiornaAbilitazioni();
    Informazione(QString::fromStdString(esito.messaggio), TFrmMessage::OK, this);
}

void TFormPrincipa::AggiornamentoSquadreClick() {
    const EsitoAggiornamento esito = AggiornaDaInternet(TipoAggiornamento::Squadre);
    if (!Riuscito(esito)) return;
    // An open selection window shows the new lists.
    if (selPartite_) {
        selPartite_->close();
        SquadreClick();
    }
    Informazione(QString::fromStdString(esito.messaggio), TFrmMessage::OK, this);
}

void TFormPrincipa::AggiornamentoSchedinaClick() {
    const EsitoAggiornamento esito = AggiornaDaInternet(TipoAggiornamento::Schedina);
    if (!Riuscito(esito)) return;
    sistema_.Dati->Coupon = esito.schedina;
    sistema_.Modificato = true;
    ImpostaTutto();
}

void TFormPrincipa::AggiornamentoLudomaticClick() {
    // The program closes at the end: the system is saved, or given up, first.
    if (!Conferma(true)) return;
    const EsitoAggiornamento esito = AggiornaDaInternet(TipoAggiornamento::Programma);
    if (!Riuscito(esito)) return;
    const QString nuovaVersione = QString::fromStdString(esito.nuovaVersione.string());
    if (!AvviaNuovaVersione(nuovaVersione)) {
        QDir(nuovaVersione).removeRecursively();
        Informazione(QString::fromUtf8(MsgRiavvioImpossibile), TFrmMessage::OK, this);
        return;
    }
    // The question about the system was answered before the download.
    sistema_.Modificato = false;
    close();
    QCoreApplication::quit();
}

bool TFormPrincipa::AvviaNuovaVersione(const QString& nuovaVersione) {
    const QString cartella = QCoreApplication::applicationDirPath();
    return QProcess::startDetached(QDir(cartella).filePath(QString::fromLatin1(ProgrammaRiavvio)),
                                   {QString::number(QCoreApplication::applicationPid()), nuovaVersione, cartella,
                                    QCoreApplication::applicationFilePath()});
}
