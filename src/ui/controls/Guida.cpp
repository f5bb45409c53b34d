#include "ui/controls/Guida.h"

#include <QApplication>
#include <QFileInfo>
#include <QShortcut>

#include "ui/controls/TFrmGuida.h"
#include "ui/controls/TFrmMessage.h"

namespace {

std::filesystem::path& CartellaGuida() {
    static std::filesystem::path cartella = ".";
    return cartella;
}

}  // namespace

void ImpostaCartellaGuida(const std::filesystem::path& cartellaProgramma) {
    CartellaGuida() = cartellaProgramma;
}

TFrmGuida* ApriGuida(QWidget* parent, const QString& pagina) {
    const QString guida = QString::fromStdString((CartellaGuida() / FileGuidaProgramma).string());
    if (!QFileInfo::exists(guida)) {
        Informazione(QString::fromUtf8(MsgGuidaNonApribile) + QStringLiteral(": ") + guida,
                     TFrmMessage::OK, parent);
        return nullptr;
    }
    // The help window belongs to the window that asked, so that a modal
    // window does not keep the user away from it.
    QWidget* finestra = parent != nullptr ? parent->window() : QApplication::activeModalWidget();
    auto* aiuto = finestra != nullptr
                      ? finestra->findChild<TFrmGuida*>(QString(), Qt::FindDirectChildrenOnly)
                      : nullptr;
    if (aiuto == nullptr) {
        aiuto = new TFrmGuida(guida, finestra);
        aiuto->setAttribute(Qt::WA_DeleteOnClose);
    }
    aiuto->MostraPagina(pagina);
    aiuto->show();
    aiuto->raise();
    aiuto->activateWindow();
    return aiuto;
}

void AiutoFinestra(QWidget& finestra, const QString& pagina) {
    auto* tasto = new QShortcut(QKeySequence::HelpContents, &finestra);
    QObject::connect(tasto, &QShortcut::activated, &finestra,
                     [&finestra, pagina] { ApriGuida(&finestra, pagina); });
}
