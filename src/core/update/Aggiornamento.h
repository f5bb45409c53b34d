#pragma once
// An update from the Internet: the parameters file is fetched from the
// update server, the files of the chosen kind are downloaded under their
// temporary names and, once every one has arrived and reads well, put in
// place. Nothing the program already has changes when a step fails.

#include <filesystem>
#include <string>

#include "core/io/Avanzamento.h"
#include "core/system/Schedina.h"
#include "core/update/ParametriAggiornamento.h"
#include "core/update/SessioneFtp.h"

namespace ludo {

inline constexpr char MsgCollegamentoImpossibile[] =
    "Impossibile effettuare il collegamento. Verificare che la connessione ad internet sia attiva.";
inline constexpr char MsgParametriNonReperibili[] = "Impossibile reperire i parametri di collegamento.";
inline constexpr char MsgErroreTrasferimento[] = "Errore durante il tranferimento dei files";
inline constexpr char MsgServerNonImpostato[] =
    "Manca l'indirizzo del server di aggiornamento: scriverlo dopo \"server=\" nel file aggiornamento.txt della "
    "cartella del programma.";
inline constexpr char MsgFileRicevutiDanneggiati[] =
    "I file ricevuti sono danneggiati: i dati precedenti non sono stati modificati.";
inline constexpr char MsgSostituzioneImpossibile[] =
    "Impossibile sostituire i file: i dati precedenti non sono stati modificati.";
inline constexpr char MsgArchivioProgrammaNonValido[] =
    "L'archivio della nuova versione non è valido: il programma non è stato aggiornato.";
// Followed by the folder.
inline constexpr char MsgCartellaProgrammaBloccata[] =
    "Impossibile aggiornare il programma: non si può scrivere nella cartella ";

// The local file that names the update server, in the program folder.
inline constexpr char FileServerAggiornamento[] = "aggiornamento.txt";

// The address of the first "server = …" line of aggiornamento.txt in the
// program folder (key in any case, blanks dropped); empty when the file or
// the line is missing.
std::string LeggiServerAggiornamento(const std::filesystem::path& cartella);

// "Passo 2 di 4".
std::string TestoPasso(int passo, int passi);

struct RichiestaAggiornamento {
    TipoAggiornamento tipo = TipoAggiornamento::Archivi;
    std::string server;                        // where dwninfo.txt lies
    std::filesystem::path cartella;            // the program folder
    std::filesystem::path cartellaEseguibili;  // the program's own files (program update)
};

struct EsitoAggiornamento {
    enum class Stato {
        Riuscito,
        Annullato,
        SenzaParametri,  // the parameters file lacks the section or a key: the run ends silently
        Fallito,
    };
    Stato stato = Stato::Fallito;
    std::string messaggio;  // what to tell the user; empty: nothing
    Schedina schedina;      // the coupon received (coupon update)
    std::filesystem::path nuovaVersione;  // the expanded new version (program update)
};

// Runs the whole update on the calling thread. The progress sink receives
// the step ("Passo i di n") as its phase and the bytes of the current file;
// its cancel flag stops the transfer.
EsitoAggiornamento Aggiorna(const RichiestaAggiornamento& richiesta, SessioneFtp& sessione, Avanzamento& avanzamento);

}  // namespace ludo
