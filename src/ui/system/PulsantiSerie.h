#pragma once
// The four buttons of the team lists ("A", "B", "C1", "C2") of the windows
// that show one list at a time.

#include <QAbstractButton>
#include <array>
#include <functional>

#include "core/system/ListeSquadre.h"

// Makes the buttons one exclusive group, owned by finestra, and calls
// mostra with the list of the button clicked.
void CollegaPulsantiSerie(QObject& finestra, const std::array<QAbstractButton*, 4>& pulsanti,
                          const std::function<void(ludo::Serie)>& mostra);
