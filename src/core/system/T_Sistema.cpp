#include "core/system/T_Sistema.h"

#include <algorithm>
#include <fstream>

#include "core/columns/FileColonne.h"
#include "core/io/AtomicSave.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/io/Real48.h"
#include "core/io/ShortString.h"
#include "core/io/TextList.h"

namespace ludo {
namespace {

constexpr std::size_t kCapacitaPercorso = 255;

bool scriviSquadre(io::BinaryWriter& out, const Schedina& coupon) {
    for (const auto& p : coupon.Squadre) {
        io::writeShortString(out, p.Casa, MaxCaratteriSquadra);
        io::writeShortString(out, p.Ospite, MaxCaratteriSquadra);
    }
    return out.ok();
}

bool leggiSquadre(io::BinaryReader& in, Schedina& coupon) {
    for (auto& p : coupon.Squadre) {
        if (!io::readShortString(in, MaxCaratteriSquadra, p.Casa) ||
            !io::readShortString(in, MaxCaratteriSquadra, p.Ospite)) {
            return false;
        }
    }
    return true;
}

bool scriviPicchetti(io::BinaryWriter& out, const std::array<double, 32>& picchetti) {
    for (double p : picchetti) io::writeReal48(out, p);
    return out.ok();
}

bool leggiPicchetti(io::BinaryReader& in, std::array<double, 32>& picchetti) {
    for (double& p : picchetti) {
        if (!io::readReal48(in, p)) return false;
    }
    return true;
}

bool scriviDefDest(io::BinaryWriter& out, const DefDest& d) {
    out.write(d.UsaCondizionamenti);
    out.write(d.SviluppoRidotto);
    out.write(d.DistanzaMinima);
    out.write(d.DestinazioneMemoria);
    out.write(ByteRiduzioneFinale(d));
    out.write(d.Garanzia);
    out.write(d.DistMin);
    out.write(d.VinciteMultiple);
    io::writeShortString(out, d.FileDestinazione, kCapacitaPercorso);
    out.write(d.RicalcoloAutomatico);
    return out.write(d.CalcoloReale);
}

// The two last bytes exist from version 400 on; older files keep the defaults.
bool leggiDefDest(io::BinaryReader& in, DefDest& d, std::int32_t versione) {
    in.read(d.UsaCondizionamenti);
    in.read(d.SviluppoRidotto);
    in.read(d.DistanzaMinima);
    in.read(d.DestinazioneMemoria);
    std::uint8_t riduzioneFinale = ByteRiduzioneFinale(d);
    in.read(riduzioneFinale);
    LeggiByteRiduzioneFinale(riduzioneFinale, d);
    in.read(d.Garanzia);
    in.read(d.DistMin);
    in.read(d.VinciteMultiple);
    if (!io::readShortString(in, kCapacitaPercorso, d.FileDestinazione)) return false;
    if (versione < VersioneFile) {
        const DefDest predefinito;
        d.RicalcoloAutomatico = predefinito.RicalcoloAutomatico;
        d.CalcoloReale = predefinito.CalcoloReale;
        return true;
    }
    in.read(d.RicalcoloAutomatico);
    return in.read(d.CalcoloReale);
}

}  // namespace

std::uint16_t SecondiMiglioratiMemorizzabili(int secondi) {
    const int decine = std::clamp((secondi + PassoSecondiMigliorati / 2) / PassoSecondiMigliorati, 1,
                                  MassimoSecondiMigliorati / PassoSecondiMigliorati);
    return static_cast<std::uint16_t>(decine * PassoSecondiMigliorati);
}

std::uint8_t ByteRiduzioneFinale(const DefDest& d) {
    if (d.RiduzioneMigliorata) {
        return static_cast<std::uint8_t>(1 + SecondiMiglioratiMemorizzabili(d.SecondiMigliorata) / PassoSecondiMigliorati);
    }
    return d.RiduzioneOttimizzata ? 1 : 0;
}

void LeggiByteRiduzioneFinale(std::uint8_t byte, DefDest& d) {
    d.RiduzioneOttimizzata = byte != 0;
    d.RiduzioneMigliorata = byte >= 2;
    if (d.RiduzioneMigliorata) d.SecondiMigliorata = static_cast<std::uint16_t>((byte - 1) * PassoSecondiMigliorati);
}

DefSorg DefSorgPredefinito(const std::filesystem::path& cartella) {
    return {true, io::resolvePath(cartella, "\\COLONNE\\DefSorg.Col").string()};
}

DefDest DefDestPredefinito(const std::filesystem::path& cartella) {
    DefDest d;
    d.FileDestinazione = io::resolvePath(cartella, "\\COLONNE\\DefDest.Col").string();
    return d;
}

T_Sistema::T_Sistema(const std::filesystem::path& cartella)
    : Dati(std::make_unique<DatiSistema>()), cartella_(cartella) {
    Dati->Config = ConfigurazioneIniziale(cartella);
    CaricaConfigurazione(Dati->Config, cartella);
    Dati->Sorgente = DefSorgPredefinito(cartella);
    Dati->Destinazione = DefDestPredefinito(cartella);
    NomeFile = NomeSenzaNomePredefinito();
    CollegaCondizioni();
}

void T_Sistema::CollegaCondizioni() {
    auto& c = Dati->Condizioni;
    c.Archivio = &Dati->Archivio.Concorsi();
    c.Ricerca = &Dati->Config.Ricerca;
    c.Link = &Dati->Link;
}

std::filesystem::path T_Sistema::NomeSenzaNomePredefinito() const {
    return io::resolvePath(cartella_, std::string("\\") + std::string(io::kSistemi) + "\\" + std::string(NomeSenzaNome));
}

bool T_Sistema::DeveChiedereNome() const {
    return SenzaNome && io::equalsIgnoringCase(NomeFile.filename().string(), NomeSenzaNome);
}

void T_Sistema::Nuovo() {
    NomeFile = NomeSenzaNomePredefinito();
    SenzaNome = true;
    Modificato = false;
    Dati->Config.Ricerca = ImpostazioniRicerca{};
    IntervalloTuttoArchivio(Dati->Config.Ricerca.Intervallo, Dati->Archivio);
    Dati->Coupon = Schedina{};
    Dati->Pronostico = 0;
    Dati->Fisse = 0;
    Dati->Picchetti.fill(0);
    Dati->Sviluppato = false;
    Dati->Colonne.Svuota();
    Dati->Condizioni.Azzera();
    Dati->Link = TInsiemeLink{};
    Dati->Destinazione = DefDestPredefinito(cartella_);
    Commento.clear();
    NomiPartecipanti.clear();
    SpecificaNomi = true;
    NumeroPartecipanti = 1;
}

T_Sistema::T_Sistema(const T_Sistema& altro)
    : Dati(std::make_unique<DatiSistema>(*altro.Dati)), NomeFile(altro.NomeFile), Modificato(altro.Modificato),
      SenzaNome(altro.SenzaNome), SpecificaNomi(altro.SpecificaNomi), NumeroPartecipanti(altro.NumeroPartecipanti),
      NomiPartecipanti(altro.NomiPartecipanti), Commento(altro.Commento), ColonnePrecedenti(altro.ColonnePrecedenti),
      VersioneLetta(altro.VersioneLetta), Garanzie(altro.Garanzie), cartella_(altro.cartella_) {
    CollegaCondizioni();
    // The links' members point at conditions: make them the copy's own.
    Dati->Link.PreparaLink(Dati->Condizioni);
}

void T_Sistema::AdottaSviluppo(RisultatoSviluppo risultato) {
    Dati->Colonne = std::move(risultato.Colonne);
    Dati->Sviluppato = risultato.Sviluppato;
    Dati->ColonneSviluppate = risultato.ColonneSviluppate;
    ColonnePrecedenti = risultato.ColonnePrecedenti;
    Dati->Link.AdottaStatistiche(std::move(risultato.Recuperi));
}

bool T_Sistema::Scrivi(std::ostream& stream) const {
    io::BinaryWriter out(stream);
    if (!ScriviCampi(out)) return false;
    if (!Dati->Config.SalvaColonne) return true;
    return out.write(std::uint8_t{1}) && ScriviColonne(Dati->Colonne, stream);
}

bool T_Sistema::ScriviCampi(io::BinaryWriter& out) const {
    const DatiSistema& d = *Dati;
    return out.write(static_cast<std::int32_t>(VersioneFile)) && out.write(d.Coupon.Concorso) &&
                       scriviSquadre(out, d.Coupon) && out.write(d.Pronostico) && out.write(d.Fisse) &&
                       scriviPicchetti(out, d.Picchetti) && d.Condizioni.Salva(out) && d.Link.Salva(out) &&
                       out.write(d.Sorgente.SorgentePronostico) &&
                       io::writeShortString(out, d.Sorgente.FileSorgente, kCapacitaPercorso) &&
                       scriviDefDest(out, d.Destinazione) && io::writeTextList(out, Commento) &&
                       io::writeTextList(out, NomiPartecipanti) && out.write(NumeroPartecipanti) &&
                       out.write(SpecificaNomi);
}

void T_Sistema::Leggi(std::istream& stream) {
    io::BinaryReader in(stream);
    DatiSistema& d = *Dati;
    in.read(VersioneLetta);
    // Each step runs only while everything before it was read whole.
    const bool campi = in.read(d.Coupon.Concorso) && leggiSquadre(in, d.Coupon) && in.read(d.Pronostico) &&
                       in.read(d.Fisse) && leggiPicchetti(in, d.Picchetti) && d.Condizioni.Carica(in) &&
                       d.Link.Carica(in) && in.read(d.Sorgente.SorgentePronostico) &&
                       io::readShortString(in, kCapacitaPercorso, d.Sorgente.FileSorgente) &&
                       leggiDefDest(in, d.Destinazione, VersioneLetta) && io::readTextList(in, Commento) &&
                       io::readTextList(in, NomiPartecipanti) && in.read(NumeroPartecipanti);
    std::uint8_t flagColonne = 0;
    if (VersioneLetta >= VersioneFile) {
        if (campi && in.read(SpecificaNomi)) in.read(flagColonne);
    } else {
        SpecificaNomi = true;
    }
    d.Colonne.Svuota();
    d.Sviluppato = true;
    if (flagColonne == 1 && !LeggiFile(d.Colonne, stream, true)) throw Errore(MsgErroreLetturaColonne);
}

void T_Sistema::Carica(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Errore(MsgCaricareSistema);
    NomeFile = file;
    SenzaNome = false;
    Modificato = false;
    Leggi(in);
}

void T_Sistema::Salva(const std::filesystem::path& file) {
    if (!io::saveAtomically(file, [this](std::ostream& out) { return Scrivi(out); })) throw Errore(MsgSalvareSistema);
    NomeFile = file;
    SenzaNome = false;
    Modificato = false;
}

void T_Sistema::Cancella(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::ifstream(file, std::ios::binary) || !std::filesystem::remove(file, ec) || ec) {
        throw Errore(MsgCancellareSistema);
    }
}

void T_Sistema::ColonneNonValide() {
    Dati->Colonne.Svuota();
    Dati->Sviluppato = false;
}

void T_Sistema::DatiPerLeCondizioni() {
    auto& c = Dati->Condizioni;
    c.Fisse = Dati->Fisse;
    c.Pronostico = Dati->Pronostico;
    c.Picchetti = Dati->Picchetti;
}

void T_Sistema::PreparaCondizioni() {
    auto& c = Dati->Condizioni;
    DatiPerLeCondizioni();
    c.AggiornaStato();
    c.Prepara();
    c.AzzeraStatistiche();
    c.ImpostaPercorsi();
    Dati->Link.PreparaLink(c);
    Dati->Link.AggiornaStatoLink();
    Dati->Link.AzzeraStatisticheLink();
}

}  // namespace ludo
