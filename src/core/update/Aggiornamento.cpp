#include "core/update/Aggiornamento.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/archive/ArchivioConcorsi.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Versione.h"
#include "core/update/NuovaVersione.h"

namespace ludo {
namespace {

namespace fs = std::filesystem;
using Stato = EsitoAggiornamento::Stato;

EsitoAggiornamento Esito(Stato stato, std::string messaggio = {}) {
    EsitoAggiornamento esito;
    esito.stato = stato;
    esito.messaggio = std::move(messaggio);
    return esito;
}

// How a step that did not succeed ends the run.
EsitoAggiornamento Interrotto(EsitoFtp esito, const char* messaggioErrore) {
    if (esito == EsitoFtp::Annullato) return Esito(Stato::Annullato);
    if (esito == EsitoFtp::CollegamentoFallito) return Esito(Stato::Fallito, MsgCollegamentoImpossibile);
    return Esito(Stato::Fallito, messaggioErrore);
}

std::string SenzaSpazi(std::string testo) {
    const auto inizio = testo.find_first_not_of(" \t\r");
    if (inizio == std::string::npos) return {};
    return testo.substr(inizio, testo.find_last_not_of(" \t\r") - inizio + 1);
}

// Fetches dwninfo.txt from the login folder of the update server, reads it
// and deletes it. The run's end, or nothing when the parameters were read.
std::optional<EsitoAggiornamento> ScaricaParametri(const RichiestaAggiornamento& richiesta, SessioneFtp& sessione,
                                                   Avanzamento& avanzamento, TInternet& parametri) {
    const fs::path file = richiesta.cartella / NomeFileParametri;
    EsitoFtp esito = sessione.Collega(richiesta.server, avanzamento);
    if (esito == EsitoFtp::Riuscito) esito = sessione.Scarica("", NomeFileParametri, file, avanzamento);
    sessione.Scollega();
    if (esito != EsitoFtp::Riuscito) return Interrotto(esito, MsgParametriNonReperibili);
    std::optional<TInternet> letti;
    {
        std::ifstream in(file, std::ios::binary);
        letti = LeggiParametri(in, TestoVersione());
    }
    std::error_code ec;
    fs::remove(file, ec);
    if (!letti) return Esito(Stato::SenzaParametri);
    parametri = *letti;
    return std::nullopt;
}

// Each file of the plan under its temporary name, "Passo i di n" each.
EsitoFtp ScaricaFiles(const PianoAggiornamento& piano, const TInternet& parametri, SessioneFtp& sessione,
                      Avanzamento& avanzamento) {
    EsitoFtp esito = sessione.Collega(parametri.HostName, avanzamento);
    const int passi = static_cast<int>(piano.files.size());
    for (int i = 0; i < passi && esito == EsitoFtp::Riuscito; ++i) {
        const auto& file = piano.files[static_cast<std::size_t>(i)];
        avanzamento.Fase(TestoPasso(i + 1, passi));
        avanzamento.Progresso(0, 0);
        std::error_code ec;
        fs::create_directories(file.scaricato.parent_path(), ec);
        esito = sessione.Scarica(piano.cartellaServer, file.remoto, file.scaricato, avanzamento);
    }
    sessione.Scollega();
    return esito;
}

void RimuoviScaricati(const PianoAggiornamento& piano) {
    std::error_code ec;
    for (const auto& file : piano.files) fs::remove(file.scaricato, ec);
}

const FileAggiornamento* FileRemoto(const PianoAggiornamento& piano, std::string_view remoto) {
    const auto it = std::find_if(piano.files.begin(), piano.files.end(),
                                 [&](const FileAggiornamento& f) { return f.remoto == remoto; });
    return it == piano.files.end() ? nullptr : &*it;
}

// A contest archive replaces the user's only when both files read in full.
bool ArchiviLeggibili(const PianoAggiornamento& piano) {
    const auto* concorsi = FileRemoto(piano, NomeFileArchivio);
    const auto* analisi = FileRemoto(piano, NomeFileAnalisi);
    if (concorsi == nullptr || analisi == nullptr) return false;
    ArchivioConcorsi archivio;
    std::ifstream inConcorsi(concorsi->scaricato, std::ios::binary);
    std::ifstream inAnalisi(analisi->scaricato, std::ios::binary);
    return archivio.LeggiConcorsi(inConcorsi) && !archivio.Vuoto() && archivio.LeggiAnalisi(inAnalisi);
}

EsitoAggiornamento MettiAlPosto(const PianoAggiornamento& piano, TipoAggiornamento tipo) {
    if (tipo == TipoAggiornamento::Archivi && !ArchiviLeggibili(piano)) {
        RimuoviScaricati(piano);
        return Esito(Stato::Fallito, MsgFileRicevutiDanneggiati);
    }
    const bool sostituiti = SostituisciScaricati(piano);
    RimuoviScaricati(piano);
    if (!sostituiti) return Esito(Stato::Fallito, MsgSostituzioneImpossibile);
    return Esito(Stato::Riuscito, piano.messaggioFinale);
}

EsitoAggiornamento LeggiSchedinaScaricata(const PianoAggiornamento& piano) {
    EsitoAggiornamento esito = Esito(Stato::Riuscito);
    try {
        CaricaSchedina(esito.schedina, piano.files.at(0).scaricato);
    } catch (const Errore& e) {
        esito = Esito(Stato::Fallito, e.what());
    }
    RimuoviScaricati(piano);
    return esito;
}

EsitoAggiornamento EspandiScaricato(const PianoAggiornamento& piano, const fs::path& nuovaVersione) {
    const bool espanso = EspandiNuovaVersione(piano.files.at(0).scaricato, nuovaVersione);
    RimuoviScaricati(piano);
    if (!espanso) return Esito(Stato::Fallito, MsgArchivioProgrammaNonValido);
    EsitoAggiornamento esito = Esito(Stato::Riuscito);
    esito.nuovaVersione = nuovaVersione;
    return esito;
}

// The empty folder the new version is expanded into, made before anything
// is downloaded: a folder the user cannot write to is known at once.
std::optional<EsitoAggiornamento> PreparaNuovaVersione(const fs::path& cartella) {
    std::error_code ec;
    fs::remove_all(cartella, ec);
    if (fs::create_directories(cartella, ec) && !ec) return std::nullopt;
    return Esito(Stato::Fallito, MsgCartellaProgrammaBloccata + cartella.parent_path().string());
}

EsitoAggiornamento Trasferisci(const RichiestaAggiornamento& richiesta, const fs::path& nuovaVersione,
                               SessioneFtp& sessione, Avanzamento& avanzamento) {
    TInternet parametri;
    if (auto fine = ScaricaParametri(richiesta, sessione, avanzamento, parametri)) return *fine;
    const PianoAggiornamento piano = PianoPer(richiesta.tipo, parametri, richiesta.cartella);
    const EsitoFtp esito = ScaricaFiles(piano, parametri, sessione, avanzamento);
    if (esito != EsitoFtp::Riuscito) {
        RimuoviScaricati(piano);
        return Interrotto(esito, MsgErroreTrasferimento);
    }
    switch (richiesta.tipo) {
        case TipoAggiornamento::Archivi:
        case TipoAggiornamento::Squadre:
            return MettiAlPosto(piano, richiesta.tipo);
        case TipoAggiornamento::Schedina:
            return LeggiSchedinaScaricata(piano);
        case TipoAggiornamento::Programma:
            return EspandiScaricato(piano, nuovaVersione);
    }
    return Esito(Stato::Fallito, MsgErroreTrasferimento);
}

}  // namespace

std::string LeggiServerAggiornamento(const fs::path& cartella) {
    std::ifstream in(io::resolvePath(cartella, FileServerAggiornamento));
    std::string riga;
    while (std::getline(in, riga)) {
        const auto uguale = riga.find('=');
        if (uguale != std::string::npos && io::equalsIgnoringCase(SenzaSpazi(riga.substr(0, uguale)), "server")) {
            return SenzaSpazi(riga.substr(uguale + 1));
        }
    }
    return {};
}

std::string TestoPasso(int passo, int passi) {
    return "Passo " + std::to_string(passo) + " di " + std::to_string(passi);
}

EsitoAggiornamento Aggiorna(const RichiestaAggiornamento& richiesta, SessioneFtp& sessione, Avanzamento& avanzamento) {
    if (richiesta.server.empty()) return Esito(Stato::Fallito, MsgServerNonImpostato);
    const bool programma = richiesta.tipo == TipoAggiornamento::Programma;
    const fs::path nuovaVersione = richiesta.cartellaEseguibili / NomeCartellaNuovaVersione;
    if (programma) {
        if (auto fine = PreparaNuovaVersione(nuovaVersione)) return *fine;
    }
    EsitoAggiornamento esito = Trasferisci(richiesta, nuovaVersione, sessione, avanzamento);
    if (programma && esito.stato != Stato::Riuscito) {
        std::error_code ec;
        fs::remove_all(nuovaVersione, ec);
    }
    return esito;
}

}  // namespace ludo
