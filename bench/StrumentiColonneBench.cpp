// The column editor on a file of a million columns: loading, checking,
// sorting and saving; and a conversion of the same file to text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/coltools/Conversione.h"
#include "core/coltools/EditorColonne.h"
#include "core/columns/FileColonne.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder holding a column file of n random 8-number columns.
struct FileGrande {
    explicit FileGrande(std::size_t n)
        : cartella(fs::temp_directory_path() /
                   ("ludo-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(cartella);
        std::mt19937 caso(7);
        ludo::ListaColonne colonne;
        for (std::size_t i = 0; i < n; ++i) {
            ludo::Colonna c = 0;
            while (ludo::NumeroNumeri(c) < 8) c |= ludo::Colonna{1} << (caso() % 30);
            colonne.Aggiungi(c);
        }
        ludo::ScriviFile(colonne, file());
    }
    ~FileGrande() {
        std::error_code ec;
        fs::remove_all(cartella, ec);
    }
    [[nodiscard]] fs::path file() const { return cartella / "grande.Col"; }
    fs::path cartella;
};

constexpr std::size_t kMilione = 1'000'000;

void BM_EditorCaricaVerificaOrdinaSalva(benchmark::State& state) {
    const FileGrande grande(kMilione);
    for (auto _ : state) {
        ludo::EditorColonne editor(grande.cartella);
        editor.CaricaFile(grande.file());
        benchmark::DoNotOptimize(editor.Verifica());
        editor.Ordina();
        editor.SalvaFile(grande.cartella / "ordinate.Col");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMilione));
}
BENCHMARK(BM_EditorCaricaVerificaOrdinaSalva)->Unit(benchmark::kMillisecond);

void BM_ConvertiInTesto(benchmark::State& state) {
    const FileGrande grande(kMilione);
    const ludo::RichiestaConversione richiesta{ludo::FormatoColonne::Col,
                                               ludo::FormatoColonne::Txt,
                                               grande.cartella,
                                               {"grande.Col"},
                                               grande.cartella};
    for (auto _ : state)
        benchmark::DoNotOptimize(ludo::Converti(richiesta, ludo::NessunAvanzamento()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kMilione));
}
BENCHMARK(BM_ConvertiInTesto)->Unit(benchmark::kMillisecond);

}  // namespace
