#include "core/contests/T_Concorso.h"

#include <array>
#include <chrono>

#include "core/io/ProgramFolder.h"

namespace ludo {
namespace {

struct NomeTipo {
    std::uint8_t tipo;
    std::string_view nome;
};
constexpr std::array<NomeTipo, 4> kNomiTipi = {
    {{SerieA, "Serie A"}, {SerieB, "Serie B"}, {SerieC, "Serie C"}, {Altri, "Altri"}}};

}  // namespace

std::string_view NomeTipoConcorso(std::uint8_t tipo) {
    for (const auto& t : kNomiTipi) {
        if (t.tipo == tipo) return t.nome;
    }
    return {};
}

std::optional<std::uint8_t> TipoDaNome(std::string_view nome) {
    for (const auto& t : kNomiTipi) {
        if (io::equalsIgnoringCase(t.nome, nome)) return t.tipo;
    }
    return std::nullopt;
}

std::string TestoStagione(int anno) { return std::to_string(anno) + "/" + std::to_string(anno + 1); }

T_Concorso NuovoConcorso() {
    const auto oggi = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(static_cast<int>(oggi.year()));
    return c;
}

}  // namespace ludo
