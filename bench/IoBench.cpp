// Raw reading speed of the binary reader: a column file is 4-byte masks.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "core/io/BinaryReader.h"
#include "core/io/Real48.h"

namespace {

void BM_LeggiMaschere(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string data(count * 4, '\x5A');
    for (auto _ : state) {
        std::istringstream in(data, std::ios::binary);
        ludo::io::BinaryReader r(in);
        std::uint32_t mask = 0;
        std::uint64_t sum = 0;
        while (r.read(mask)) sum += mask;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}
BENCHMARK(BM_LeggiMaschere)->Arg(1'000'000);

void BM_Real48AndataRitorno(benchmark::State& state) {
    double v = 0.41316551927159;
    for (auto _ : state) {
        v = ludo::io::fromReal48(ludo::io::toReal48(v)) + 1e-9;
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_Real48AndataRitorno);

}  // namespace
