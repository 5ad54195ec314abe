// Decoding, encoding, reading and writing an archive of the largest size.

#include "Modul1.h"
#include "Ziehungsdatei.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

Modul1 vollesArchiv()
{
    Modul1 modul;
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> zahl(1, 45);
    std::uniform_int_distribution<int> ziffer(0, 9);
    for (int i = 1; i <= Modul1::MaxZiehungen; ++i) {
        QString satz = QStringLiteral("01.01.%1%2")
                           .arg(1980 + i % 200)
                           .arg(i % 100 + 1, 3, 10, QLatin1Char('0'));
        for (int j = 0; j < 7; ++j)
            satz += QStringLiteral("%1").arg(zahl(zufall), 2, 10, QLatin1Char('0'));
        for (int p = 0; p < 6; ++p)
            satz += QString::number(ziffer(zufall));
        modul.Ziehungen.append(Ziehungssatz(satz));
    }
    return modul;
}

void Encode(benchmark::State &state)
{
    const Modul1 modul = vollesArchiv();
    for (auto _ : state)
        benchmark::DoNotOptimize(Ziehungsdatei::DateiSchreiben(modul.Ziehungen));
}
BENCHMARK(Encode)->Unit(benchmark::kMillisecond);

void Decode(benchmark::State &state)
{
    const QByteArray datei = *Ziehungsdatei::DateiSchreiben(vollesArchiv().Ziehungen);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ziehungsdatei::DateiLesen(datei));
}
BENCHMARK(Decode)->Unit(benchmark::kMillisecond);

void WriteFile(benchmark::State &state)
{
    QTemporaryDir ordner;
    Modul1 modul = vollesArchiv();
    modul.ProgrammPfad = ordner.path() + QLatin1Char('/');
    for (auto _ : state)
        benchmark::DoNotOptimize(modul.ZiehungenSchreiben());
}
BENCHMARK(WriteFile)->Unit(benchmark::kMillisecond);

void ReadFile(benchmark::State &state)
{
    QTemporaryDir ordner;
    Modul1 modul = vollesArchiv();
    modul.ProgrammPfad = ordner.path() + QLatin1Char('/');
    modul.ZiehungenSchreiben();
    for (auto _ : state)
        benchmark::DoNotOptimize(modul.ZiehungenLesen());
}
BENCHMARK(ReadFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
