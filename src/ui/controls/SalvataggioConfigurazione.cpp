#include "ui/controls/SalvataggioConfigurazione.h"

#include "core/io/Errore.h"
#include "ui/controls/TFrmMessage.h"

void SalvaConfigurazioneOAvvisa(const ludo::Configurazione& config, const std::filesystem::path& cartella,
                                QWidget* parent) {
    try {
        ludo::SalvaConfigurazione(config, cartella);
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, parent);
    }
}
