// Pair tables and computer tips over a full archive of 32767 draws.
#include "Computertip.h"
#include "Modul1.h"
#include "WerMitWem.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// Draws of six distinct ascending numbers, a distinct Zusatzzahl and a Joker.
const Modul1 &VollesArchiv()
{
    static const Modul1 archiv = [] {
        Modul1 m;
        std::mt19937 zufall(20240101);
        std::uniform_int_distribution<int> zahl(1, 45);
        std::uniform_int_distribution<int> ziffer(0, 9);
        for (int i = 0; i < Modul1::MaxZiehungen; ++i) {
            std::vector<int> gezogen;
            while (gezogen.size() < 7) {
                const int z = zahl(zufall);
                if (std::find(gezogen.begin(), gezogen.end(), z) == gezogen.end())
                    gezogen.push_back(z);
            }
            std::sort(gezogen.begin(), gezogen.begin() + 6);
            QString satz = QStringLiteral("01.01.2000001");
            for (int z : gezogen)
                satz += QStringLiteral("%1").arg(z, 2, 10, QLatin1Char('0'));
            for (int p = 0; p < 6; ++p)
                satz += QString::number(ziffer(zufall));
            m.Ziehungen.append(Ziehungssatz(satz));
        }
        return m;
    }();
    return archiv;
}

void BM_WerMitWemNachZahl(benchmark::State &state)
{
    const Modul1 &m = VollesArchiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(WerMitWemNachZahl(m, state.range(0) != 0));
}

void BM_WerMitWemNachWert(benchmark::State &state)
{
    const Modul1 &m = VollesArchiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(WerMitWemNachWert(m, state.range(0) != 0));
}

void BM_Computertip(benchmark::State &state)
{
    const Modul1 &m = VollesArchiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(Computertip(m, state.range(0) != 0, 43200));
}

} // namespace

BENCHMARK(BM_WerMitWemNachZahl)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WerMitWemNachWert)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Computertip)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
