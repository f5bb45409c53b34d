#include "core/system/ImpostazioniStampa.h"

#include <cmath>

#include "core/io/ShortString.h"

namespace ludo {
namespace {

constexpr std::array kCampiGeometria = {
    &SlipGeometry::XPrimaCol,         &SlipGeometry::YPrimaCol,
    &SlipGeometry::DistanzaSegniOriz, &SlipGeometry::distanzaSegniVert,
    &SlipGeometry::DistanzaColonne,   &SlipGeometry::ScrittaX,
    &SlipGeometry::ScrittaY,          &SlipGeometry::LQuadratini,
    &SlipGeometry::AQuadratini};

// Ten metres: far beyond any slip, small enough to become printer pixels
// without overflow.
constexpr double kMassimoMillimetri = 10000.0;

bool millimetriUsabili(double valore) {
    return std::isfinite(valore) && std::fabs(valore) <= kMassimoMillimetri;
}

// Reads one int32 setting; a value outside minimo..massimo (a damaged file)
// becomes predefinito.
bool leggiNellIntervallo(io::BinaryReader& in, std::int32_t& valore, std::int32_t minimo,
                         std::int32_t massimo, std::int32_t predefinito) {
    if (!in.read(valore)) return false;
    if (valore < minimo || valore > massimo) valore = predefinito;
    return true;
}

}  // namespace

SlipGeometry SlipGeometry::Orizzontale() {
    return {40.0, 30.4, 1.8, 1.3, 9.3, 96.2, 93.8, 2.8, 2.8};
}

SlipGeometry SlipGeometry::Verticale() { return {40.0, 32.9, 1.9, 1.3, 9.3, 96.1, 94.4, 2.8, 2.8}; }

bool SlipGeometry::Salva(io::BinaryWriter& out) const {
    for (auto campo : kCampiGeometria) out.write(this->*campo);
    return out.ok();
}

bool SlipGeometry::Carica(io::BinaryReader& in, const SlipGeometry& predefinita) {
    for (auto campo : kCampiGeometria) {
        if (in.read(this->*campo) && !millimetriUsabili(this->*campo))
            this->*campo = predefinita.*campo;
    }
    return in.ok();
}

bool SlipPrintSettings::Salva(io::BinaryWriter& out) const {
    Geometrie[0].Salva(out);
    Geometrie[1].Salva(out);
    out.write(ColonnePerSchedina);
    out.write(Orizzontale);
    out.write(StampaScritta);
    return out.write(StampaConcorsoCedolina);
}

bool SlipPrintSettings::Carica(io::BinaryReader& in) {
    Geometrie[0].Carica(in, SlipGeometry::Orizzontale());
    Geometrie[1].Carica(in, SlipGeometry::Verticale());
    leggiNellIntervallo(in, ColonnePerSchedina, 1, MaxColonnePerSchedina, MaxColonnePerSchedina);
    in.read(Orizzontale);
    in.read(StampaScritta);
    return in.read(StampaConcorsoCedolina);
}

bool TImpTabulato::Salva(io::BinaryWriter& out) const {
    out.write(SpaziaturaOrizzontale);
    out.write(SpaziaturaVerticale);
    io::writeShortString(out, NomeFont, CapacitaNomeFont);
    out.write(DimensioneFont);
    return out.write(StileFont);
}

bool TImpTabulato::Carica(io::BinaryReader& in) {
    const TImpTabulato predefinite;
    leggiNellIntervallo(in, SpaziaturaOrizzontale, 1, MaxSpaziatura,
                        predefinite.SpaziaturaOrizzontale);
    leggiNellIntervallo(in, SpaziaturaVerticale, 1, MaxSpaziatura, predefinite.SpaziaturaVerticale);
    io::readShortString(in, CapacitaNomeFont, NomeFont);
    leggiNellIntervallo(in, DimensioneFont, 1, MaxDimensioneFont, predefinite.DimensioneFont);
    std::int32_t bit = 0;
    if (!in.read(bit)) return false;
    StileFont = 0;
    for (auto noto : {StileGrassetto, StileCorsivo, StileSottolineato, StileBarrato}) {
        if ((bit & noto) != 0) StileFont |= noto;
    }
    return true;
}

}  // namespace ludo
