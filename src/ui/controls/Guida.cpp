#include "ui/controls/Guida.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ui/controls/TFrmMessage.h"

void ApriGuida(const std::filesystem::path& cartellaProgramma, QWidget* parent) {
    const QString guida = QString::fromStdString((cartellaProgramma / FileGuidaProgramma).string());
    if (!QFileInfo::exists(guida) || !QDesktopServices::openUrl(QUrl::fromLocalFile(guida))) {
        Informazione(QString::fromUtf8(MsgGuidaNonApribile), TFrmMessage::OK, parent);
    }
}
