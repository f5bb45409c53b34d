#pragma once
// The archive-analysis set: ten condition objects whose statistics of all
// values, computed over the whole archive, are cached in archdb.ttg so that
// an analysis over the whole history needs no rescan. The objects own the
// tables; the file holds their 26 tables back to back in a fixed order.

#include <array>
#include <cstddef>
#include <string_view>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/Avanzamento.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

class ArchivioConcorsi;

class AnalisiArchivio {
  public:
    static constexpr std::size_t NumeroOggetti = 10;
    static constexpr std::size_t NumeroTabelle = 26;

    // One table of archdb.ttg: which object's statistics table it is, and
    // the label the analyses show it under.
    struct TabellaFile {
        std::size_t oggetto;
        std::size_t statistica;
        std::string_view nome;
    };
    static const std::array<TabellaFile, NumeroTabelle> Tabelle;

    // Fresh objects, the paired types once with Modo 1 and once with Modo 0.
    AnalisiArchivio();

    // The ten objects in file order.
    TPariDispari PariDispari{nullptr};
    TInterruzioni InterruzioniSegni{nullptr};
    TInterruzioni InterruzioniNumeri{nullptr};
    TSimmetrie SimmetrieSegni{nullptr};
    TSimmetrie SimmetrieNumeri{nullptr};
    TVortice Vortice{nullptr};
    TRipetizioni RipetizioniSegni{nullptr};
    TRipetizioni RipetizioniNumeri{nullptr};
    TFormuleDerivate FormuleDerivate{nullptr};
    TDistanzeGlobali DistanzeGlobali{nullptr};

    [[nodiscard]] std::array<TCondizione*, NumeroOggetti> Oggetti();
    // Table i (0..25) in file order.
    [[nodiscard]] T_FrequenzeRitardi& Tabella(std::size_t i);
    [[nodiscard]] const T_FrequenzeRitardi& Tabella(std::size_t i) const;

    // "Recompute analyses": every object's tables over every contest of the
    // archive, whatever its type, in archive order; progress after each
    // object (step i of 10).
    void Ricalcola(const ArchivioConcorsi& archivio, Avanzamento& avanzamento);

    // The 26 tables in file order. Reading is all or nothing: on a short
    // read the tables are left as they were.
    bool Leggi(io::BinaryReader& in);
    bool Scrivi(io::BinaryWriter& out) const;

    bool operator==(const AnalisiArchivio& altra) const;
};

}  // namespace ludo
