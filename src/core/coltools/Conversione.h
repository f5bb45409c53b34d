#pragma once
// Conversion between the column file formats of other Totogol programs and
// the program's own column files. Every format holds a sequence of columns;
// each column goes through the common form, the 32-bit number set.

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/io/Avanzamento.h"

namespace ludo {

// The formats in the order of the format lists: the index is what the
// window and the routines switch on.
enum class FormatoColonne : int { Txt, Asc, Stg, Col, Cln, Omnia, XGol, Ctl, Bgp };
inline constexpr int NumeroFormati = 9;

struct DescrizioneFormato {
    std::string_view voce;        // the entry of the format lists
    std::string_view estensione;  // without the dot
};

const DescrizioneFormato& Descrizione(FormatoColonne formato);
bool FormatoTesto(FormatoColonne formato);

inline constexpr char MsgConversioneInterrotta[] = "Conversione Interrotta.";
inline constexpr char MsgConversioneTerminata[] = "Conversione terminata con successo.";

// "Impossibile convertire il file " + nome + ". Elaborazione terminata"
std::string MsgImpossibileConvertire(std::string_view nome);
// The same, naming the column the destination format cannot hold.
std::string MsgColonnaNonOtto(std::string_view nome, std::size_t colonna);
std::string MsgNumeriOltreTrenta(std::string_view nome, std::size_t colonna);

// Reads the columns of one source file, one at a time. The header is skipped
// on construction; the Cln and Omnia trailers are never read as columns. A
// binary record cut short by the end of the file ends the reading, as the
// trailing bytes of a column file do.
class LettoreColonne {
public:
    enum class Esito { Colonna, Fine, Errore };

    LettoreColonne(std::istream& in, FormatoColonne formato);

    // Colonna with the next column in colonna; Fine at the end; Errore for a
    // text line with a piece that is not a decimal integer. Blank text lines
    // yield no column.
    Esito Leggi(Colonna& colonna);

private:
    Esito LeggiTesto(Colonna& colonna);
    Esito LeggiRecord(Colonna& colonna);

    std::istream& in_;
    FormatoColonne formato_;
    std::uint64_t letti_ = 0;   // bytes consumed so far, header included
    std::uint64_t limite_ = 0;  // where the columns end
};

// Writes one destination file: header, columns, trailer.
class ScrittoreColonne {
public:
    enum class Esito { Scritta, NonOtto, OltreTrenta, ErroreScrittura };

    // The header is written at once.
    ScrittoreColonne(std::ostream& out, FormatoColonne formato);

    // A column of Stg, Omnia, Bgp and Ctl must hold exactly 8 numbers (their
    // records have room for 8, or say 8); the formats of other programs
    // except text hold numbers 1..30 only. A refused column writes nothing.
    Esito Scrivi(Colonna colonna);
    // The Cln and Omnia trailers, or the Ctl column count in its header.
    bool Chiudi();

    [[nodiscard]] std::uint32_t Scritte() const { return scritte_; }

private:
    bool ScriviNumeri(Colonna colonna);
    bool ScriviSet(Colonna colonna);

    std::ostream& out_;
    FormatoColonne formato_;
    Colonna unione_ = 0;  // every number used, for the trailers
    std::uint32_t scritte_ = 0;
};

// The 30 bytes 1..30 of the companion file of a Bgp file.
std::array<std::uint8_t, 30> ContenutoNbp();

// The destination name: the source name up to its first "." (all of it
// without one), a dot and the destination extension.
std::string NomeDestinazione(std::string_view nomeSorgente, FormatoColonne destinazione);

struct RichiestaConversione {
    FormatoColonne sorgente = FormatoColonne::Col;
    FormatoColonne destinazione = FormatoColonne::Txt;
    std::filesystem::path cartellaSorgente;
    std::vector<std::string> files;  // the selected file names, in list order
    std::filesystem::path cartellaDestinazione;
};

struct EsitoConversione {
    bool riuscita = false;
    int filesCreati = 0;
    std::string messaggio;  // what the window shows at the end
};

// Converts every file of the request in order. Progresso(filesCreati, total)
// is reported after each file; annullato() is polled after every column and
// stops the batch with MsgConversioneInterrotta. The batch stops at the first
// file that cannot be converted (the same path as its destination, a bad text
// line, a column the destination cannot hold, a file that cannot be opened or
// written): the files already converted stay, and so does the part of the
// failing destination already written. Text files are written with CR LF
// line breaks and read with or without the CR.
EsitoConversione Converti(const RichiestaConversione& richiesta, Avanzamento& avanzamento);

}  // namespace ludo
