#include "ui/controls/Guida.h"

#include <QApplication>
#include <QShortcut>

#include "core/io/ProgramFolder.h"
#include "ui/controls/TFrmGuida.h"
#include "ui/controls/TFrmMessage.h"

namespace {

std::filesystem::path& CartellaProgramma() {
    static std::filesystem::path cartella = ".";
    return cartella;
}

}  // namespace

void ImpostaCartellaGuida(const std::filesystem::path& cartellaProgramma) {
    CartellaProgramma() = cartellaProgramma;
}

std::filesystem::path CartellaPagineGuida() {
    const auto installata =
        ludo::io::installedDefaultsFor(QCoreApplication::applicationFilePath().toStdString()) /
        CartellaGuidaProgramma;
    std::error_code ec;
    if (std::filesystem::is_directory(installata, ec)) return installata;
    return CartellaProgramma() / CartellaGuidaProgramma;
}

std::filesystem::path FilePaginaGuida(const QString& pagina) {
    const QString nome = pagina.section(QLatin1Char('#'), 0, 0);
    return CartellaPagineGuida() /
           ((nome.isEmpty() ? QString::fromLatin1(PaginaSommario) : nome) + QStringLiteral(".html"))
               .toStdString();
}

TFrmGuida* ApriGuida(QWidget* parent, const QString& pagina) {
    const auto file = FilePaginaGuida(pagina);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        Informazione(QString::fromUtf8(MsgGuidaNonApribile) + QStringLiteral(": ") +
                         QString::fromStdString(file.string()),
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
        aiuto = new TFrmGuida(QString::fromStdString(CartellaPagineGuida().string()), finestra);
        aiuto->setAttribute(Qt::WA_DeleteOnClose);
    }
    aiuto->MostraPagina(pagina.isEmpty() ? QString::fromLatin1(PaginaSommario) : pagina);
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
