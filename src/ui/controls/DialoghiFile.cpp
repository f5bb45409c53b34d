#include "ui/controls/DialoghiFile.h"

#include <QDir>
#include <QFileDialog>

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
