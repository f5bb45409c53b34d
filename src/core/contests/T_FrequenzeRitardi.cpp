#include "core/contests/T_FrequenzeRitardi.h"

#include <algorithm>

namespace ludo {
namespace {

bool scriviElemento(io::BinaryWriter& out, const TElemRFRM& e) {
    out.write(e.Frequenza);
    out.write(e.Ritardo);
    return out.write(e.RitardoMax);
}

bool leggiElemento(io::BinaryReader& in, TElemRFRM& e) {
    in.read(e.Frequenza);
    in.read(e.Ritardo);
    return in.read(e.RitardoMax);
}

}  // namespace

void T_FrequenzeRitardi::Azzera(std::int32_t n) {
    n = std::max<std::int32_t>(n, 0);
    punti_.assign(static_cast<std::size_t>(n) + 1, TElemRFRM{});
    cons_.assign(static_cast<std::size_t>(n) + 1, TElemRFRM{});
    maxValore_ = n;
    numConcorsi_ = 0;
}

void T_FrequenzeRitardi::AggiungiConcorso(std::int32_t a, std::int32_t b, bool aggiorna) {
    a = std::max<std::int32_t>(a, 0);
    b = std::max<std::int32_t>(b, 0);
    ++numConcorsi_;
    const std::int32_t massimo = std::max(a, b);
    if (massimo > maxValore_) {
        punti_.resize(static_cast<std::size_t>(massimo) + 1);
        cons_.resize(static_cast<std::size_t>(massimo) + 1);
        maxValore_ = massimo;
    }
    ++punti_[static_cast<std::size_t>(a)].Frequenza;
    ++cons_[static_cast<std::size_t>(b)].Frequenza;
    if (aggiorna) {
        AggiornaRitardi(punti_, a);
        AggiornaRitardi(cons_, b);
    }
}

void T_FrequenzeRitardi::AggiornaRitardi(std::vector<TElemRFRM>& lista, std::int32_t colpito) {
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (static_cast<std::int32_t>(i) == colpito) continue;
        auto& e = lista[i];
        ++e.Ritardo;
        e.RitardoMax = std::max(e.RitardoMax, e.Ritardo);
    }
    lista[static_cast<std::size_t>(colpito)].Ritardo = 0;
}

const TElemRFRM& T_FrequenzeRitardi::Elemento(std::int32_t i) const {
    static const TElemRFRM vuoto{};
    const auto& lista = LeggiPunti ? punti_ : cons_;
    if (i < 0 || static_cast<std::size_t>(i) >= lista.size()) return vuoto;
    return lista[static_cast<std::size_t>(i)];
}

bool T_FrequenzeRitardi::Scrivi(io::BinaryWriter& out) const {
    out.write(maxValore_);
    out.write(numConcorsi_);
    out.write(Riservato);
    for (std::size_t i = 0; i < punti_.size(); ++i) {
        scriviElemento(out, punti_[i]);
        scriviElemento(out, cons_[i]);
    }
    return out.ok();
}

bool T_FrequenzeRitardi::Leggi(io::BinaryReader& in) {
    std::int32_t maxValore = 0;
    std::int32_t numConcorsi = 0;
    std::uint8_t riservato = 0;
    in.read(maxValore);
    in.read(numConcorsi);
    if (!in.read(riservato) || maxValore < 0 || maxValore > MassimoValoreAmmesso) return false;
    std::vector<TElemRFRM> punti;
    std::vector<TElemRFRM> cons;
    for (std::int32_t i = 0; i <= maxValore; ++i) {
        TElemRFRM p;
        TElemRFRM c;
        leggiElemento(in, p);
        if (!leggiElemento(in, c)) return false;
        punti.push_back(p);
        cons.push_back(c);
    }
    punti_ = std::move(punti);
    cons_ = std::move(cons);
    maxValore_ = maxValore;
    numConcorsi_ = numConcorsi;
    Riservato = riservato;
    return true;
}

}  // namespace ludo
