#include "ui/controls/Guida.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ui/controls/TFrmMessage.h"

void ApriGuida(const std::filesystem::path& cartellaProgramma, QWidget* parent, const QString& sezione) {
    const QString guida = QString::fromStdString((cartellaProgramma / FileGuidaProgramma).string());
    QUrl indirizzo = QUrl::fromLocalFile(guida);
    if (!sezione.isEmpty()) indirizzo.setFragment(sezione);
    if (!QFileInfo::exists(guida) || !QDesktopServices::openUrl(indirizzo)) {
        Informazione(QString::fromUtf8(MsgGuidaNonApribile), TFrmMessage::OK, parent);
    }
}
