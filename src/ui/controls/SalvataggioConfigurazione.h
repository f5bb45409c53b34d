#pragma once
// Writes Ludomatic.cfg after a window changed the configuration; a file
// that cannot be written is said in a message, and the values stay in use
// for this run.

#include <filesystem>

#include "core/system/Configurazione.h"

class QWidget;

void SalvaConfigurazioneOAvvisa(const ludo::Configurazione& config, const std::filesystem::path& cartella,
                                QWidget* parent);
