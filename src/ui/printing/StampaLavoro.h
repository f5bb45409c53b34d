#pragma once
// A slip job on paper: the slips themselves, box by box on the betting
// slips fed into the printer (with the receipt slip first when asked), or
// the listing of the same slips as framed cells on plain paper.

#include <QFont>
#include <QString>
#include <functional>
#include <string>

#include "core/printing/StampaSchedine.h"
#include "core/printing/Tabulato.h"
#include "core/system/Configurazione.h"
#include "core/system/Costi.h"

class SuperficieStampa;

// What the print dialog adds to the job.
struct OpzioniStampa {
    int colonnePerSchedina = ludo::SlipPrintSettings::MaxColonnePerSchedina;
    bool pausa = false;         // "Pausa tra due Schedine"
    bool cedolina = false;      // "Stampa Cedolina"
    std::string fileSistema;    // the current system's file name, without folder
    ludo::FormatoNumeri formato;
    // Called between two slips when pausa is set, once the document so far
    // has gone to the printer.
    std::function<void()> inPausa;
};

inline constexpr char FontStampaSchedine[] = "Courier New";

// Slips PrimaSchedina..UltimaSchedina, one a page; a failure throws
// Errore(MsgImpossibileStampareSchedine).
void StampaSchedine(SuperficieStampa& superficie, const ludo::LavoroStampaSchedine& lavoro,
                    const ludo::Configurazione& config, const OpzioniStampa& opzioni);

// The listing of slips PrimaSchedina..UltimaSchedina in the listing font,
// laid out in tenths of a millimetre; a failure throws
// Errore(MsgImpossibileStampareTabulato).
void StampaTabulato(SuperficieStampa& superficie, const ludo::LavoroStampaSchedine& lavoro,
                    const ludo::Configurazione& config, const ludo::TImpTabulato& impostazioni,
                    const OpzioniStampa& opzioni);

// The listing font of the settings (the application's font when none is named).
QFont FontTabulato(const ludo::TImpTabulato& impostazioni);
void ImpostaFontTabulato(ludo::TImpTabulato& impostazioni, const QFont& font);
// "Normale", "Grassetto", "Corsivo" or "Grassetto corsivo".
QString NomeStile(std::int32_t stile);
