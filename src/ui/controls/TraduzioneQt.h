#pragma once
// Qt's own windows (print, preview, font and file dialogs) speak Italian
// like the rest of the program, whatever the desktop's language.

// Installs Qt's Italian translations when the system has them; returns
// whether it did (the dialogs stay in English otherwise).
bool InstallaTraduzioneQt();
