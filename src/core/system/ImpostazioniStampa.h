#pragma once
// The printing settings kept in the configuration: the slip geometry for
// each orientation, the slip options and the listing's spacing and font.

#include <array>
#include <cstdint>
#include <string>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

// Where the boxes and the label fall on a slip, all in millimetres.
struct SlipGeometry {
    double XPrimaCol = 0;          // left margin of box 1 of the first column
    double YPrimaCol = 0;          // top margin of box 1
    double DistanzaSegniOriz = 0;  // gap between the two strips of a column
    double distanzaSegniVert = 0;  // gap between consecutive boxes
    double DistanzaColonne = 0;    // from one column to the next
    double ScrittaX = 0;           // left margin of the slip label
    double ScrittaY = 0;           // top margin of the slip label
    double LQuadratini = 0;        // box width
    double AQuadratini = 0;        // box height

    static SlipGeometry Orizzontale();
    static SlipGeometry Verticale();

    // Nine little-endian doubles in the order above (72 bytes).
    bool Salva(io::BinaryWriter& out) const;
    // A value that is not a number, or lies beyond any sheet of paper (a
    // damaged file), is replaced by the same field of predefinita.
    bool Carica(io::BinaryReader& in, const SlipGeometry& predefinita);

    bool operator==(const SlipGeometry&) const = default;
};

struct SlipPrintSettings {
    bool StampaScritta = true;
    bool StampaConcorsoCedolina = true;
    bool Orizzontale = true;  // the default orientation: horizontal, else vertical
    std::int32_t ColonnePerSchedina = 6;
    // Indexed by orientation index - 1: [0] horizontal, [1] vertical.
    std::array<SlipGeometry, 2> Geometrie = {SlipGeometry::Orizzontale(),
                                             SlipGeometry::Verticale()};

    static constexpr std::int32_t MaxColonnePerSchedina = 6;

    // Both geometries, ColonnePerSchedina, Orizzontale, StampaScritta,
    // StampaConcorsoCedolina (151 bytes).
    bool Salva(io::BinaryWriter& out) const;
    // Fields are read straight into this object: when the input ends early
    // the fields after the end keep their values. A column count outside
    // 1..6 becomes 6.
    bool Carica(io::BinaryReader& in);

    bool operator==(const SlipPrintSettings&) const = default;
};

// Style bits of the listing font.
inline constexpr std::int32_t StileGrassetto = 1;
inline constexpr std::int32_t StileCorsivo = 2;
inline constexpr std::int32_t StileSottolineato = 4;
inline constexpr std::int32_t StileBarrato = 8;

struct TImpTabulato {
    std::int32_t SpaziaturaOrizzontale = 4;  // mm between cells across the page, 1..20
    std::int32_t SpaziaturaVerticale = 4;    // mm between rows of cells, 1..20
    // An empty name stands for the application's default font: the windows
    // resolve it when they draw the listing.
    std::string NomeFont;
    std::int32_t DimensioneFont = 8;  // points
    std::int32_t StileFont = 0;       // Stile* bits

    static constexpr std::size_t CapacitaNomeFont = 30;
    static constexpr std::int32_t MaxSpaziatura = 20;
    static constexpr std::int32_t MaxDimensioneFont = 999;

    // The two spacings, the name (short string of 30), size and style bits
    // (47 bytes).
    bool Salva(io::BinaryWriter& out) const;
    // Fields are read straight into this object. The style keeps only the
    // four known bits; a spacing outside 1..MaxSpaziatura or a size outside
    // 1..MaxDimensioneFont (a damaged file) takes its default.
    bool Carica(io::BinaryReader& in);

    bool operator==(const TImpTabulato&) const = default;
};

}  // namespace ludo
