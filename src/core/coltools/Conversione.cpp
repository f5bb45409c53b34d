#include "core/coltools/Conversione.h"

#include <fstream>
#include <string>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {
namespace {

constexpr std::array<DescrizioneFormato, NumeroFormati> kFormati = {{
    {"Txt (Formato testo)", "Txt"},
    {"Asc (Formato testo)", "Asc"},
    {"Stg", "Stg"},
    {"Col (Ludomatic e S. C. Totogol)", "Col"},
    {"Cln", "Cln"},
    {"Gol (Omnia)", "Gol"},
    {"Gol (XGol)", "Gol"},
    {"Ctl", "Ctl"},
    {"Bgp", "Bgp"},
}};

constexpr std::size_t kIntestazioneCtl = 616;
constexpr std::streamoff kConteggioCtl1 = 367;
constexpr std::streamoff kConteggioCtl2 = 374;
constexpr Colonna kOltreTrenta = 0xC0000000U;  // numbers 31 and 32

struct Layout {
    std::size_t intestazione;
    std::size_t record;
    std::size_t coda;
};

Layout LayoutDi(FormatoColonne formato) {
    switch (formato) {
        case FormatoColonne::Stg: return {0, 8, 0};
        case FormatoColonne::Cln: return {0, 4, 8};
        case FormatoColonne::Omnia: return {0, 10, 6};
        case FormatoColonne::XGol: return {16, 4, 0};
        case FormatoColonne::Ctl: return {kIntestazioneCtl, 6, 0};
        case FormatoColonne::Bgp: return {1, 8, 0};
        default: return {0, 4, 0};
    }
}

bool OttoNumeri(FormatoColonne formato) {
    return formato == FormatoColonne::Stg || formato == FormatoColonne::Omnia || formato == FormatoColonne::Bgp ||
           formato == FormatoColonne::Ctl;
}

bool SoloTrenta(FormatoColonne formato) {
    return !FormatoTesto(formato) && formato != FormatoColonne::Col;
}

std::uint64_t Dimensione(std::istream& in) {
    const auto inizio = in.tellg();
    in.seekg(0, std::ios::end);
    const auto fine = in.tellg();
    in.seekg(inizio);
    return (inizio < 0 || fine < inizio) ? 0 : static_cast<std::uint64_t>(fine - inizio);
}

std::string Trimmed(const std::string& riga) {
    const auto inizio = riga.find_first_not_of(" \t\r");
    if (inizio == std::string::npos) return {};
    return riga.substr(inizio, riga.find_last_not_of(" \t\r") - inizio + 1);
}

bool StessoFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a.lexically_normal() == b.lexically_normal()) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

struct Messaggio {
    std::string testo;
};

// Converts one file; the text of the stopping message, if the batch stops.
std::optional<Messaggio> ConvertiFile(const RichiestaConversione& r, const std::string& nome,
                                      Avanzamento& avanzamento) {
    const auto sorgente = r.cartellaSorgente / nome;
    const auto destinazione = r.cartellaDestinazione / NomeDestinazione(nome, r.destinazione);
    if (StessoFile(sorgente, destinazione)) return Messaggio{MsgImpossibileConvertire(nome)};
    std::ifstream in(sorgente, std::ios::binary);
    std::ofstream out(destinazione, std::ios::binary | std::ios::trunc);
    if (!in || !out) return Messaggio{MsgImpossibileConvertire(nome)};
    if (r.destinazione == FormatoColonne::Bgp) {
        std::ofstream nbp(std::filesystem::path(destinazione).replace_extension("Nbp"),
                          std::ios::binary | std::ios::trunc);
        const auto contenuto = ContenutoNbp();
        nbp.write(reinterpret_cast<const char*>(contenuto.data()), contenuto.size());
        if (!nbp) return Messaggio{MsgImpossibileConvertire(nome)};
    }
    LettoreColonne lettore(in, r.sorgente);
    ScrittoreColonne scrittore(out, r.destinazione);
    Colonna colonna = 0;
    for (std::size_t numero = 1;; ++numero) {
        const auto letta = lettore.Leggi(colonna);
        if (letta == LettoreColonne::Esito::Fine) break;
        if (letta == LettoreColonne::Esito::Errore) return Messaggio{MsgImpossibileConvertire(nome)};
        switch (scrittore.Scrivi(colonna)) {
            case ScrittoreColonne::Esito::Scritta: break;
            case ScrittoreColonne::Esito::NonOtto: return Messaggio{MsgColonnaNonOtto(nome, numero)};
            case ScrittoreColonne::Esito::OltreTrenta: return Messaggio{MsgNumeriOltreTrenta(nome, numero)};
            case ScrittoreColonne::Esito::ErroreScrittura: return Messaggio{MsgImpossibileConvertire(nome)};
        }
        if (avanzamento.annullato()) return Messaggio{MsgConversioneInterrotta};
    }
    if (!scrittore.Chiudi()) return Messaggio{MsgImpossibileConvertire(nome)};
    return std::nullopt;
}

}  // namespace

const DescrizioneFormato& Descrizione(FormatoColonne formato) {
    return kFormati[static_cast<std::size_t>(formato)];
}

bool FormatoTesto(FormatoColonne formato) {
    return formato == FormatoColonne::Txt || formato == FormatoColonne::Asc;
}

std::string MsgImpossibileConvertire(std::string_view nome) {
    return "Impossibile convertire il file " + std::string(nome) + ". Elaborazione terminata";
}

std::string MsgColonnaNonOtto(std::string_view nome, std::size_t colonna) {
    return "Impossibile convertire il file " + std::string(nome) + ": la colonna " + std::to_string(colonna) +
           " non ha 8 numeri, come richiede il formato di destinazione. Elaborazione terminata";
}

std::string MsgNumeriOltreTrenta(std::string_view nome, std::size_t colonna) {
    return "Impossibile convertire il file " + std::string(nome) + ": la colonna " + std::to_string(colonna) +
           " contiene numeri oltre il 30, che il formato di destinazione non ammette. Elaborazione terminata";
}

// ---- reading

LettoreColonne::LettoreColonne(std::istream& in, FormatoColonne formato) : in_(in), formato_(formato) {
    if (FormatoTesto(formato)) return;
    const auto layout = LayoutDi(formato);
    const auto dimensione = Dimensione(in);
    limite_ = dimensione > layout.coda ? dimensione - layout.coda : 0;
    io::BinaryReader(in).skip(layout.intestazione);
    letti_ = layout.intestazione;
}

LettoreColonne::Esito LettoreColonne::Leggi(Colonna& colonna) {
    return FormatoTesto(formato_) ? LeggiTesto(colonna) : LeggiRecord(colonna);
}

LettoreColonne::Esito LettoreColonne::LeggiTesto(Colonna& colonna) {
    std::string riga;
    while (std::getline(in_, riga)) {
        const auto testo = Trimmed(riga);
        if (testo.empty()) continue;
        const auto letta = LeggiColonna(testo);
        if (!letta.ok) return Esito::Errore;
        colonna = letta.maschera;
        return Esito::Colonna;
    }
    return Esito::Fine;
}

LettoreColonne::Esito LettoreColonne::LeggiRecord(Colonna& colonna) {
    if (letti_ >= limite_) return Esito::Fine;
    const auto layout = LayoutDi(formato_);
    std::array<std::uint8_t, 10> record{};
    if (!io::BinaryReader(in_).readBytes(std::span(record).first(layout.record))) return Esito::Fine;
    letti_ += layout.record;
    colonna = 0;
    if (layout.record == 4 || layout.record == 6) {
        for (std::size_t i = 0; i < 4; ++i) colonna |= static_cast<Colonna>(record[i]) << (8 * i);
    } else {
        for (std::size_t i = 0; i < 8; ++i) colonna |= Colonna{1} << ((record[i] + 31U) % 32U);
    }
    return Esito::Colonna;
}

// ---- writing

ScrittoreColonne::ScrittoreColonne(std::ostream& out, FormatoColonne formato) : out_(out), formato_(formato) {
    io::BinaryWriter w(out_);
    switch (formato_) {
        case FormatoColonne::XGol: {
            constexpr std::string_view firma = "XgolCOL";
            for (const char c : firma) w.write(static_cast<std::uint8_t>(c));
            for (int i = 0; i < 9; ++i) w.write(std::uint8_t{0});
            break;
        }
        case FormatoColonne::Ctl: {
            const auto numeri = ContenutoNbp();
            w.writeBytes(numeri);
            w.write(std::uint8_t{30});
            for (std::size_t i = numeri.size() + 1; i < kIntestazioneCtl; ++i) w.write(std::uint8_t{0});
            break;
        }
        case FormatoColonne::Bgp: w.write(std::uint8_t{8}); break;
        default: break;
    }
}

ScrittoreColonne::Esito ScrittoreColonne::Scrivi(Colonna colonna) {
    if (OttoNumeri(formato_) && NumeroNumeri(colonna) != 8) return Esito::NonOtto;
    if (SoloTrenta(formato_) && (colonna & kOltreTrenta) != 0) return Esito::OltreTrenta;
    bool ok = true;
    switch (formato_) {
        case FormatoColonne::Txt:
        case FormatoColonne::Asc:
            if (scritte_ > 0) out_ << "\r\n";
            out_ << TestoColonna(colonna);
            out_.flush();
            ok = static_cast<bool>(out_);
            break;
        case FormatoColonne::Stg:
        case FormatoColonne::Bgp: ok = ScriviNumeri(colonna); break;
        case FormatoColonne::Omnia:
            ok = ScriviNumeri(colonna) && io::BinaryWriter(out_).write(std::uint16_t{0});
            break;
        case FormatoColonne::Ctl:
            ok = ScriviSet(colonna) && io::BinaryWriter(out_).write(std::uint8_t{8}) &&
                 io::BinaryWriter(out_).write(std::uint8_t{0});
            break;
        default: ok = ScriviSet(colonna); break;
    }
    if (!ok) return Esito::ErroreScrittura;
    unione_ |= colonna;
    ++scritte_;
    return Esito::Scritta;
}

bool ScrittoreColonne::ScriviNumeri(Colonna colonna) {
    std::array<std::uint8_t, 8> numeri{};
    std::size_t i = 0;
    for (; colonna != 0 && i < numeri.size(); colonna &= colonna - 1) {
        numeri[i++] = static_cast<std::uint8_t>(NumeroK(1, colonna));
    }
    return io::BinaryWriter(out_).writeBytes(numeri);
}

bool ScrittoreColonne::ScriviSet(Colonna colonna) { return io::BinaryWriter(out_).write(colonna); }

bool ScrittoreColonne::Chiudi() {
    io::BinaryWriter w(out_);
    const auto distinti = static_cast<std::uint8_t>(NumeroNumeri(unione_));
    switch (formato_) {
        case FormatoColonne::Cln:
            w.write(distinti);
            w.write(std::uint8_t{0});
            w.write(std::uint8_t{1});
            w.write(std::uint8_t{0});
            w.write(scritte_);
            break;
        case FormatoColonne::Omnia:
            w.write(distinti);
            for (int i = 0; i < 5; ++i) w.write(std::uint8_t{0});
            break;
        case FormatoColonne::Ctl:
            out_.seekp(kConteggioCtl1);
            w.write(scritte_);
            out_.seekp(kConteggioCtl2);
            w.write(scritte_);
            out_.seekp(0, std::ios::end);
            break;
        default: break;
    }
    out_.flush();
    return w.ok() && static_cast<bool>(out_);
}

std::array<std::uint8_t, 30> ContenutoNbp() {
    std::array<std::uint8_t, 30> numeri{};
    for (std::size_t i = 0; i < numeri.size(); ++i) numeri[i] = static_cast<std::uint8_t>(i + 1);
    return numeri;
}

std::string NomeDestinazione(std::string_view nomeSorgente, FormatoColonne destinazione) {
    const auto base = nomeSorgente.substr(0, nomeSorgente.find('.'));
    return std::string(base) + "." + std::string(Descrizione(destinazione).estensione);
}

// ---- the batch

EsitoConversione Converti(const RichiestaConversione& richiesta, Avanzamento& avanzamento) {
    EsitoConversione esito;
    const auto totale = static_cast<std::int64_t>(richiesta.files.size());
    avanzamento.Progresso(0, totale);
    for (const auto& nome : richiesta.files) {
        if (auto fermata = ConvertiFile(richiesta, nome, avanzamento)) {
            esito.messaggio = std::move(fermata->testo);
            return esito;
        }
        ++esito.filesCreati;
        avanzamento.Progresso(esito.filesCreati, totale);
    }
    esito.riuscita = true;
    esito.messaggio = MsgConversioneTerminata;
    return esito;
}

}  // namespace ludo
