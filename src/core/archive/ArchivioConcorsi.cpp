#include "core/archive/ArchivioConcorsi.h"

#include <algorithm>
#include <fstream>

#include "core/archive/RegoleIntervallo.h"
#include "core/io/AtomicSave.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

constexpr std::size_t kRecordConcorso = 7;
constexpr int kAnnoBase = 1900;

T_Concorso daRecord(const std::array<std::uint8_t, kRecordConcorso>& r) {
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(r[0] + kAnnoBase);
    c.NumConcorso = r[1];
    c.TipoConcorso = r[2];
    c.Vincente = static_cast<Colonna>(r[3]) | static_cast<Colonna>(r[4]) << 8 | static_cast<Colonna>(r[5]) << 16 |
                 static_cast<Colonna>(r[6]) << 24;
    return c;
}

std::array<std::uint8_t, kRecordConcorso> aRecord(const T_Concorso& c) {
    return {static_cast<std::uint8_t>(c.Anno - kAnnoBase), c.NumConcorso, c.TipoConcorso,
            static_cast<std::uint8_t>(c.Vincente), static_cast<std::uint8_t>(c.Vincente >> 8),
            static_cast<std::uint8_t>(c.Vincente >> 16), static_cast<std::uint8_t>(c.Vincente >> 24)};
}

template <typename Lettura>
bool leggiFile(const std::filesystem::path& percorso, Lettura leggi) {
    std::ifstream in(percorso, std::ios::binary);
    return in && leggi(in);
}

}  // namespace

std::size_t ArchivioConcorsi::InserisciOrdinato(const T_Concorso& c) {
    const auto pos = std::upper_bound(concorsi_.begin(), concorsi_.end(), c,
                                      [](const T_Concorso& a, const T_Concorso& b) { return a.Chiave() < b.Chiave(); });
    const auto inserito = concorsi_.insert(pos, c);  // may reallocate: begin() only afterwards
    return static_cast<std::size_t>(inserito - concorsi_.begin());
}

std::optional<std::size_t> ArchivioConcorsi::Indice(std::uint16_t anno, std::uint8_t numero) const {
    for (std::size_t i = 0; i < concorsi_.size(); ++i) {
        if (concorsi_[i].Anno == anno && concorsi_[i].NumConcorso == numero) return i;
    }
    return std::nullopt;
}

bool ArchivioConcorsi::Esiste(std::uint16_t anno, std::uint8_t numero) const {
    return Indice(anno, numero).has_value();
}

void ArchivioConcorsi::Elimina(std::size_t i) {
    if (i < concorsi_.size()) concorsi_.erase(concorsi_.begin() + static_cast<std::ptrdiff_t>(i));
}

int ArchivioConcorsi::PrimoAnno() const { return concorsi_.empty() ? 0 : concorsi_.front().Anno; }
int ArchivioConcorsi::UltimoAnno() const { return concorsi_.empty() ? 0 : concorsi_.back().Anno; }

bool ArchivioConcorsi::LeggiConcorsi(std::istream& in) {
    io::BinaryReader r(in);
    std::array<std::uint8_t, kRecordConcorso> record{};
    for (;;) {
        const std::size_t letti = r.readSome(record);
        if (letti == 0) return !in.bad();
        if (letti < kRecordConcorso) return false;
        InserisciOrdinato(daRecord(record));
    }
}

bool ArchivioConcorsi::ScriviConcorsi(std::ostream& out) const {
    io::BinaryWriter w(out);
    for (const auto& c : concorsi_) {
        if (!w.writeBytes(aRecord(c))) return false;
    }
    return w.ok();
}

bool ArchivioConcorsi::LeggiAnalisi(std::istream& in) {
    io::BinaryReader r(in);
    return Analisi.Leggi(r);
}

bool ArchivioConcorsi::ScriviAnalisi(std::ostream& out) const {
    io::BinaryWriter w(out);
    return Analisi.Scrivi(w);
}

void ArchivioConcorsi::RicalcolaAnalisi(Avanzamento& avanzamento) {
    Analisi.Ricalcola(*this, avanzamento);
    AnalisiValide = true;
}

bool ArchivioConcorsi::Carica(const std::filesystem::path& cartella, IntervalloRicerca& intervallo,
                              Avanzamento& avanzamento) {
    concorsi_.clear();
    ConcorsiValidi =
        leggiFile(io::resolvePath(cartella, NomeFileArchivio), [this](std::istream& in) { return LeggiConcorsi(in); });
    if (concorsi_.empty()) concorsi_.push_back(NuovoConcorso());
    const bool analisiLette =
        leggiFile(io::resolvePath(cartella, NomeFileAnalisi), [this](std::istream& in) { return LeggiAnalisi(in); });
    if (analisiLette) {
        AnalisiValide = true;
    } else {
        RicalcolaAnalisi(avanzamento);
    }
    IntervalloTuttoArchivio(intervallo, *this);
    return ConcorsiValidi && analisiLette;
}

bool ArchivioConcorsi::Salva(const std::filesystem::path& cartella) const {
    const auto analisi = io::resolvePath(cartella, NomeFileAnalisi);
    io::AtomicFile concorsi(io::resolvePath(cartella, NomeFileArchivio));
    if (!concorsi.isOpen() || !ScriviConcorsi(concorsi.stream()) || !concorsi.finish()) return false;
    std::error_code ec;
    if (!AnalisiValide) {
        // Stale tables are removed so that the next load recomputes them.
        if (!concorsi.commit()) return false;
        std::filesystem::remove(analisi, ec);
        return !ec;
    }
    // Both files are written before either is put in place, the tables
    // first: a failure leaves the contests on disk as they were.
    io::AtomicFile tabelle(analisi);
    if (!tabelle.isOpen() || !ScriviAnalisi(tabelle.stream()) || !tabelle.commit()) return false;
    if (concorsi.commit()) return true;
    // The new tables would not match the old contests: recomputed at the next load.
    std::filesystem::remove(analisi, ec);
    return false;
}

void IntervalloTuttoArchivio(IntervalloRicerca& intervallo, const ArchivioConcorsi& archivio) {
    if (archivio.Vuoto()) return;
    const auto& primo = archivio.Concorsi().front();
    const auto& ultimo = archivio.Concorsi().back();
    intervallo.AnnoDa = primo.Anno;
    intervallo.ConcDa = primo.NumConcorso;
    intervallo.AnnoA = ultimo.Anno;
    intervallo.ConcA = ultimo.NumConcorso;
}

bool ETuttoArchivio(const IntervalloRicerca& intervallo, const ArchivioConcorsi& archivio) {
    if (archivio.Vuoto()) return false;
    const auto& primo = archivio.Concorsi().front();
    const auto& ultimo = archivio.Concorsi().back();
    return intervallo.AnnoDa == primo.Anno && intervallo.ConcDa == primo.NumConcorso &&
           intervallo.AnnoA == ultimo.Anno && intervallo.ConcA == ultimo.NumConcorso &&
           intervallo.Tipi == TuttiITipi;
}

std::optional<std::string> VerificaConcorso(const T_Concorso& c, bool aggiunta, const ArchivioConcorsi& archivio) {
    if (c.Anno < PrimoAnnoStagione || c.Anno > UltimoAnnoStagione) return std::string(MsgStagioneNonValida);
    if (c.NumConcorso < PrimoNumeroConcorso || c.NumConcorso > UltimoNumeroConcorso) {
        return std::string(MsgNumeroConcorsoNonValido);
    }
    if (NumeroNumeri(c.Vincente) != 8) return std::string(MsgQuantitaNumeri);
    if (aggiunta && archivio.Esiste(c.Anno, c.NumConcorso)) return std::string(MsgConcorsoPresente);
    return std::nullopt;
}

std::size_t AggiungiConcorso(ArchivioConcorsi& archivio, const T_Concorso& c) {
    if (auto errore = VerificaConcorso(c, true, archivio)) throw Errore(*errore);
    archivio.AnalisiValide = false;
    return archivio.InserisciOrdinato(c);
}

std::size_t ModificaConcorso(ArchivioConcorsi& archivio, std::size_t indice, const T_Concorso& c) {
    if (auto errore = VerificaConcorso(c, false, archivio)) throw Errore(*errore);
    archivio.AnalisiValide = false;
    archivio.Elimina(indice);
    return archivio.InserisciOrdinato(c);
}

std::size_t EliminaConcorso(ArchivioConcorsi& archivio, std::size_t indice) {
    archivio.AnalisiValide = false;
    archivio.Elimina(indice);
    return archivio.Vuoto() ? 0 : std::min(indice, archivio.Conteggio() - 1);
}

T_Concorso ConcorsoDaAggiungere(const ArchivioConcorsi& archivio) {
    T_Concorso c = NuovoConcorso();
    if (!archivio.Vuoto()) {
        c.Anno = archivio.Concorsi().back().Anno;
        c.NumConcorso = static_cast<std::uint8_t>(archivio.Concorsi().back().NumConcorso + 1);
    }
    return c;
}

}  // namespace ludo
