#include "ui/system/PulsantiSerie.h"

#include <QButtonGroup>

void CollegaPulsantiSerie(QObject& finestra, const std::array<QAbstractButton*, 4>& pulsanti,
                          const std::function<void(ludo::Serie)>& mostra) {
    auto* gruppo = new QButtonGroup(&finestra);
    for (std::size_t i = 0; i < pulsanti.size(); ++i) {
        gruppo->addButton(pulsanti[i]);
        const ludo::Serie serie = ludo::TutteLeSerie[i];
        QObject::connect(pulsanti[i], &QAbstractButton::clicked, &finestra, [mostra, serie] { mostra(serie); });
    }
}
