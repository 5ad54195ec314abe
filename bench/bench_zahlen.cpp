#include "Zahlen.h"

#include <benchmark/benchmark.h>

namespace {

// The patterns the statistics print with, over values that round up, round to
// zero and get thousands points.
void BM_Format(benchmark::State &state)
{
    const QString muster[] = {QStringLiteral("0.0"), QStringLiteral("#.0"), QStringLiteral("00"),
                              QStringLiteral(" 00"), QStringLiteral("000"), QStringLiteral("#,###")};
    const double werte[] = {48.949999999999996, 0.05, -0.04, 1000, 1234567, 32767};
    for (auto _ : state)
        for (const QString &m : muster)
            for (double w : werte)
                benchmark::DoNotOptimize(Format(w, m));
    state.SetItemsProcessed(state.iterations() * std::size(muster) * std::size(werte));
}
BENCHMARK(BM_Format);

} // namespace

BENCHMARK_MAIN();
