// Decoding, encoding, reading and writing an archive of the largest size.

#include "Modul1.h"
#include "Ziehungsdatei.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

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

// Reading as start-up does it: in a new process, so that the archive's memory
// is fresh and its page faults count, as they do at start-up. The file is in
// the page cache, as it is after any earlier start. Each reading runs in a
// forked child, which sends back the time it took.
void ReadFileCold(benchmark::State &state)
{
    QTemporaryDir ordner;
    Modul1 modul = vollesArchiv();
    modul.ProgrammPfad = ordner.path() + QLatin1Char('/');
    modul.ZiehungenSchreiben();
    for (auto _ : state) {
        int rohr[2];
        if (pipe(rohr) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const pid_t kind = fork();
        if (kind == 0) {
            Modul1 frisch;
            frisch.ProgrammPfad = modul.ProgrammPfad;
            const auto start = std::chrono::steady_clock::now();
            const bool gelesen = frisch.ZiehungenLesen().ok();
            const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
            const double sekunden = gelesen ? dauer.count() : -1;
            _exit(write(rohr[1], &sekunden, sizeof sekunden) == sizeof sekunden ? 0 : 1);
        }
        close(rohr[1]);
        double sekunden = -1;
        const bool gemeldet = read(rohr[0], &sekunden, sizeof sekunden) == sizeof sekunden;
        close(rohr[0]);
        waitpid(kind, nullptr, 0);
        if (!gemeldet || sekunden < 0) {
            state.SkipWithError("the child did not read the file");
            break;
        }
        state.SetIterationTime(sekunden);
    }
}
BENCHMARK(ReadFileCold)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
