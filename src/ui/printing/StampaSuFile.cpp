#include "ui/printing/StampaSuFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include "core/io/Errore.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/SuperficieStampa.h"

namespace {

// The folder of the last printout written in this run.
QString& UltimaCartella() {
    static QString cartella;
    return cartella;
}

QString CartellaProposta() {
    if (!UltimaCartella().isEmpty() && QFileInfo(UltimaCartella()).isDir()) return UltimaCartella();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
}

}  // namespace

bool StampaSuFile() {
    return !SuperficieSostitutiva && StampanteProgramma().outputFormat() == QPrinter::PdfFormat;
}

QString ChiediFileStampa(QWidget* parent, const QString& nomeProposto) {
    RichiestaFile r;
    r.titolo = QStringLiteral("Stampa su File");
    r.cartella = CartellaProposta();
    r.nome = nomeProposto;
    r.filtro = QStringLiteral("Documento PDF (*.pdf)");
    r.estensione = QStringLiteral("pdf");
    const QString scelto = ChiediFileDaScrivere(parent, r);
    if (scelto.isEmpty()) return {};
    UltimaCartella() = QFileInfo(scelto).absolutePath();
    StampanteProgramma().setOutputFileName(scelto);
    return scelto;
}

void AvvisaFileStampa(QWidget* parent, const QString& file) {
    Informazione(QString::fromUtf8(MsgStampaSalvata) + QDir::toNativeSeparators(file),
                 TFrmMessage::OK, parent);
}

bool EseguiStampa(QWidget* parent, const std::function<void()>& stampa,
                  const char* messaggioGenerico, const QString& file) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString errore;
    try {
        stampa();
    } catch (const ludo::Errore& e) {
        errore = QString::fromUtf8(e.what());
    } catch (const std::exception&) {
        errore = QString::fromUtf8(messaggioGenerico);
    }
    QApplication::restoreOverrideCursor();
    if (!errore.isEmpty()) {
        Informazione(errore, TFrmMessage::OK, parent);
        return false;
    }
    if (!file.isEmpty()) AvvisaFileStampa(parent, file);
    return true;
}
