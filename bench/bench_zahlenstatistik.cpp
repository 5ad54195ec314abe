#include "Zahlenstatistik.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <algorithm>
#include <array>

namespace {

// A full archive of 32767 draws: six distinct numbers and a Zusatzzahl each,
// from a fixed seed so that every run measures the same data.
Modul1 VollesArchiv()
{
    Modul1 m;
    QRandomGenerator zufall(4711);
    for (int i = 1; i <= Modul1::MaxZiehungen; ++i) {
        std::array<int, 45> kugeln;
        for (int k = 0; k < 45; ++k)
            kugeln[k] = k + 1;
        for (int k = 0; k < 7; ++k)
            std::swap(kugeln[k], kugeln[k + zufall.bounded(45 - k)]);
        std::sort(kugeln.begin(), kugeln.begin() + 6);
        const int jahr = 1980 + (i - 1) / 104;
        QString text =
            QStringLiteral("01.01.%1%2").arg(jahr).arg((i - 1) % 104 + 1, 3, 10, QLatin1Char('0'));
        for (int k = 0; k < 7; ++k)
            text += QStringLiteral("%1").arg(kugeln[k], 2, 10, QLatin1Char('0'));
        m.Ziehungen << Ziehungssatz(text + QStringLiteral("123456"));
    }
    return m;
}

const Modul1 &Archiv()
{
    static const Modul1 archiv = VollesArchiv();
    return archiv;
}

void BM_Zahlenstatistik(benchmark::State &state)
{
    const Modul1 &m = Archiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(Zahlenstatistik(m, 17, state.range(0) != 0));
}
BENCHMARK(BM_Zahlenstatistik)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Verteilung(benchmark::State &state)
{
    const Modul1 &m = Archiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(Verteilung(m, state.range(0) != 0));
}
BENCHMARK(BM_Verteilung)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
