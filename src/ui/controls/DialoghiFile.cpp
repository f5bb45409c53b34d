#include "ui/controls/DialoghiFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/controls/TFrmMessage.h"

std::function<QString(const RichiestaFile&)> RispostaDialogoFile;

QString ChiediFile(QWidget* parent, const RichiestaFile& richiesta) {
    if (RispostaDialogoFile) return RispostaDialogoFile(richiesta);
    QFileDialog dialogo(parent, richiesta.titolo, richiesta.cartella, richiesta.filtro);
    dialogo.setAcceptMode(richiesta.salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(richiesta.salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogo.setDefaultSuffix(richiesta.estensione);
    if (!richiesta.chiediSovrascrittura) dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (!richiesta.nome.isEmpty()) dialogo.selectFile(QDir(richiesta.cartella).filePath(richiesta.nome));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

QString ChiediFileDaScrivere(QWidget* parent, RichiestaFile richiesta) {
    richiesta.salva = true;
    richiesta.chiediSovrascrittura = false;
    const QString scelto = ChiediFile(parent, richiesta);
    if (scelto.isEmpty()) return {};
    if (QFileInfo::exists(scelto) &&
        Informazione(QString::fromUtf8(MsgSovrascrivere), TFrmMessage::Si | TFrmMessage::No, parent) != TFrmMessage::Si) {
        return {};
    }
    return scelto;
}
