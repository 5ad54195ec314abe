// The tip check of the main window's display against 1000 tip lines, and the
// fitting of one long tip name.
#include "Tipcheck.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Numbers 03 11 17 26 33 41, Zusatzzahl 07, Joker 123456.
const Ziehungssatz Ziehung(QStringLiteral("07.01.2001002031117263341071234") +
                           QStringLiteral("56"));

// 1000 tip lines, half numbers tips and half Joker tips; `gewinner` of every
// ten win (a 3er or the 100 prize), the others do not.
QStringList Tipzeilen(int gewinner)
{
    QStringList zeilen{QString()};
    for (int i = 0; i < 1000; ++i) {
        const bool gewinnt = i % 10 < gewinner;
        const QString name = QStringLiteral("Tip Nummer %1 der Familie Mustermann").arg(i);
        if (i % 2 == 0) {
            zeilen << QStringLiteral("Zahlentip=") +
                          (gewinnt ? QStringLiteral("03,11,17,20,21,22")
                                   : QStringLiteral("01,02,04,05,06,08")) +
                          name;
        } else {
            zeilen << QStringLiteral("Jokertip=") +
                          (gewinnt ? QStringLiteral("999956") : QStringLiteral("999999")) + name;
        }
    }
    return zeilen;
}

// The main window's measure: its font's family at start-up, 8.25 points.
double Breite(const QString &text)
{
    static const QFontMetricsF masse = [] {
        QFont schrift(QStringLiteral("Liberation Sans"));
        schrift.setPointSizeF(8.25);
        return QFontMetricsF(schrift);
    }();
    return masse.horizontalAdvance(text);
}

void TipsPruefen(benchmark::State &state)
{
    const QStringList zeilen = Tipzeilen(int(state.range(0)));
    const Tipcheck::Textbreite breite = Breite;
    for (auto _ : state) {
        auto ergebnis = Tipcheck::TipsPruefen(Ziehung, zeilen, 0.8 * 153, breite);
        benchmark::DoNotOptimize(ergebnis);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
// No winner, one in ten, every line.
BENCHMARK(TipsPruefen)->Arg(0)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

// A winning tip whose name has the given number of characters, up to what the input box takes.
void NamePassen(benchmark::State &state)
{
    QString name = QStringLiteral("Z: ");
    while (name.size() < state.range(0))
        name += QStringLiteral("Wilhelmine Müller-Lüdenscheidt ");
    name.truncate(qsizetype(state.range(0)));
    const Tipcheck::Textbreite breite = Breite;
    for (auto _ : state)
        benchmark::DoNotOptimize(Tipcheck::NamePassen(name, 0.8 * 153, breite));
}
BENCHMARK(NamePassen)->Arg(200)->Arg(3000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Measuring names needs fonts, hence a GUI application without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
