#include "controls/SalvataggioConfigurazione.h"

#include "controls/TFrmMessage.h"
#include "io/Errore.h"

void SalvaConfigurazioneOAvvisa(const ludo::Configurazione& config, const std::filesystem::path& cartella,
                                QWidget* parent) {
    try {
        ludo::SalvaConfigurazione(config, cartella);
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, parent);
    }
}
