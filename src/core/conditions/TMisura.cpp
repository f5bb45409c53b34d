#include "core/conditions/TMisura.h"

#include <algorithm>
#include <vector>

#include "core/io/Real48.h"

namespace ludo {
namespace {

// A measure's tables are stored as slices of the table block as it lies in
// memory, packed: HaSeconda, Da, A, first table, second table,
// QualcunoInUso, Massimo, then a 4-byte owner reference. A table slice runs
// to value Massimo+3, so for the largest Massimo it reaches past its table
// into the bytes that follow it; those bytes are reproduced from the image.
constexpr std::size_t kTabella = 4 + 2 * TabellaMisura::NumeroVoci;  // 2006
constexpr std::size_t kInizioPrima = 5;
constexpr std::size_t kInizioSeconda = kInizioPrima + kTabella;
constexpr std::size_t kImmagine = kInizioSeconda + kTabella + 1 + 2 + 4;

void immagineTabella(const TabellaMisura& t, std::uint8_t* p) {
    p[0] = t.InUso ? 1 : 0;
    p[1] = static_cast<std::uint8_t>(t.Link);
    p[2] = static_cast<std::uint8_t>(t.Campo);
    p[3] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(t.Campo) >> 8);
    for (std::size_t v = 0; v < t.Voci.size(); ++v) {
        p[4 + 2 * v] = t.Voci[v].Stato;
        p[5 + 2 * v] = t.Voci[v].Livello;
    }
}

std::vector<std::uint8_t> immagine(const TMisura& m) {
    std::vector<std::uint8_t> img(kImmagine, 0);
    img[0] = m.HaSeconda ? 1 : 0;
    img[1] = static_cast<std::uint8_t>(m.Da);
    img[2] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(m.Da) >> 8);
    img[3] = static_cast<std::uint8_t>(m.A);
    img[4] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(m.A) >> 8);
    immagineTabella(m.Prima, img.data() + kInizioPrima);
    immagineTabella(m.Seconda, img.data() + kInizioSeconda);
    const std::size_t coda = kInizioSeconda + kTabella;
    img[coda] = m.QualcunoInUso ? 1 : 0;
    img[coda + 1] = static_cast<std::uint8_t>(m.Massimo);
    img[coda + 2] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(m.Massimo) >> 8);
    return img;
}

// Bytes of one table slice: InUso, Link, Campo and values 0..Massimo+3.
std::size_t lunghezzaFetta(std::int16_t massimo) {
    const std::size_t m = static_cast<std::size_t>(std::clamp<int>(massimo, 0, TabellaMisura::NumeroVoci - 1));
    return 2 * (m + 1) + 10;
}

// Reads the table's own fields from a slice; bytes past the table (values
// above 1000) belong to other fields and are ignored.
void leggiFetta(const std::vector<std::uint8_t>& fetta, TabellaMisura& t) {
    t.InUso = fetta[0] != 0;
    t.Link = static_cast<char>(fetta[1]);
    t.Campo = static_cast<std::int16_t>(fetta[2] | (fetta[3] << 8));
    const std::size_t valori = std::min<std::size_t>((fetta.size() - 4) / 2, t.Voci.size());
    for (std::size_t v = 0; v < valori; ++v) t.Voci[v] = {fetta[4 + 2 * v], fetta[5 + 2 * v]};
}

}  // namespace

bool TabellaMisura::HaValori(int massimo) const {
    const int ultimo = std::clamp(massimo, -1, NumeroVoci - 1);
    return std::any_of(Voci.begin(), Voci.begin() + (ultimo + 1), [](const VoceMisura& v) { return v.Stato != 0; });
}

bool TabellaMisura::Ammette(int v, GestoreRecuperi* recuperi) const {
    const VoceMisura voce = Voce(v);
    if (voce.Stato == Accettato) return true;
    if (voce.Stato == InRecupero) return recuperi != nullptr && recuperi->AmmettiRecupero(Link, voce.Livello);
    return false;
}

void TMisura::AggiornaStato(bool attivato) {
    Prima.InUso = attivato && Prima.HaValori(Massimo);
    Seconda.InUso = HaSeconda && attivato && Seconda.HaValori(Massimo);
    QualcunoInUso = Prima.InUso || Seconda.InUso;
}

bool TMisura::Verifica(int v, int w, GestoreRecuperi* recuperi) const {
    if (!QualcunoInUso) return true;
    if (Prima.InUso && !Prima.Ammette(v, recuperi)) return false;
    if (Seconda.InUso && !Seconda.Ammette(w, recuperi)) return false;
    return true;
}

bool TMisura::Accetta(int v, int w) const {
    if (Prima.InUso && Prima.Voce(v).Stato == Rifiutato) return false;
    return !Seconda.InUso || Seconda.Voce(w).Stato != Rifiutato;
}

void TMisura::Azzera() {
    Prima = TabellaMisura{};
    Seconda = TabellaMisura{};
    QualcunoInUso = false;
}

bool TMisura::Salva(io::BinaryWriter& out) const {
    const auto img = immagine(*this);
    const std::size_t n = lunghezzaFetta(Massimo);
    out.writeBytes(std::span(img.data() + kInizioPrima, n));
    out.writeBytes(std::span(img.data() + kInizioSeconda, n));
    out.write(Da);
    return out.write(A);
}

bool TMisura::Carica(io::BinaryReader& in) {
    std::vector<std::uint8_t> prima(lunghezzaFetta(Massimo));
    std::vector<std::uint8_t> seconda(prima.size());
    if (!in.readBytes(prima)) return false;
    leggiFetta(prima, Prima);
    if (!in.readBytes(seconda)) return false;
    leggiFetta(seconda, Seconda);
    return in.read(Da) && in.read(A);
}

int TIntervalli::Indice(double x) const {
    const int numero = std::clamp<int>(Numero, 0, MassimoIntervalli);
    for (int i = 0; i < numero; ++i) {
        const auto& intervallo = Intervalli[static_cast<std::size_t>(i)];
        if (intervallo.Min <= x && x <= intervallo.Max) return i;
    }
    return numero;
}

bool TIntervalli::Verifica(double x, GestoreRecuperi* recuperi) const {
    if (!InUso) return true;
    const int i = Indice(x);
    if (i >= std::clamp<int>(Numero, 0, MassimoIntervalli)) return false;
    const auto& intervallo = Intervalli[static_cast<std::size_t>(i)];
    if (intervallo.Stato == Accettato) return true;
    return intervallo.Stato == InRecupero && recuperi != nullptr && recuperi->AmmettiRecupero(Link, intervallo.Livello);
}

bool TIntervalli::Accetta(double x) const {
    if (!InUso) return true;
    const int i = Indice(x);
    return i < std::clamp<int>(Numero, 0, MassimoIntervalli) && Intervalli[static_cast<std::size_t>(i)].Stato != 0;
}

bool TIntervalli::Salva(io::BinaryWriter& out) const {
    for (const auto& i : Intervalli) {
        io::writeReal48(out, i.Min);
        io::writeReal48(out, i.Max);
        out.write(i.Stato);
        out.write(i.Livello);
    }
    out.write(Numero);
    return out.write(static_cast<std::uint8_t>(Link));
}

bool TIntervalli::Carica(io::BinaryReader& in) {
    for (auto& i : Intervalli) {
        io::readReal48(in, i.Min);
        io::readReal48(in, i.Max);
        in.read(i.Stato);
        in.read(i.Livello);
    }
    in.read(Numero);
    std::uint8_t link = 'A';
    if (!in.read(link)) return false;
    Link = static_cast<char>(link);
    return true;
}

}  // namespace ludo
