#pragma once
// Progress of a long operation (development, reduction, archive scans,
// conversions): the operation reports how far it is and polls annullato()
// to stop early. The desktop program forwards both to its progress window,
// the command-line program to nothing.

#include <cstdint>
#include <string_view>

namespace ludo {

class Avanzamento {
public:
    virtual ~Avanzamento() = default;
    // fatto out of totale steps (totale 0: unknown).
    virtual void Progresso(std::int64_t fatto, std::int64_t totale) {
        static_cast<void>(fatto);
        static_cast<void>(totale);
    }
    // A short description of the current phase.
    virtual void Fase(std::string_view testo) { static_cast<void>(testo); }
    // True once the user asked to stop; the operation then ends as its
    // cancel button would end it.
    [[nodiscard]] virtual bool annullato() const { return false; }
};

// The sink that reports nowhere and never cancels.
inline Avanzamento& NessunAvanzamento() {
    static Avanzamento nessuno;
    return nessuno;
}

}  // namespace ludo
