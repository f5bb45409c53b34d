#include "ui/controls/TraduzioneQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallaTraduzioneQt() {
    // Lives as long as the application: the translator must outlast every window.
    static QTranslator traduzione;
    if (!traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&traduzione);
}
