#include "Balkengrafik.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "Modul1.h"
#include "Surface.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

namespace {

// A surface that draws nothing and measures text by its length, so that the
// figures show the charts' own work.
class NullSurface : public Surface {
public:
    void Cls() override { ++aufrufe; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const QString &text) override { aufrufe += int(text.size()); }
    double TextWidth(const QString &text) const override { return 60.0 * double(text.size()); }
    double TextHeight(const QString &) const override { return 165; }
    double ScaleWidth() const override { return 7695; }
    double ScaleHeight() const override { return 6855; }
    void Line(double, double, double, double, std::optional<QColor>) override { ++aufrufe; }
    void Box(double, double, double, double, std::optional<QColor>) override { ++aufrufe; }
    void Circle(double, double, double, std::optional<QColor>) override { ++aufrufe; }
    int DrawWidth() const override { return 1; }
    void SetDrawWidth(int) override {}
    QFont Font() const override { return {}; }
    void SetFont(const QFont &) override {}
    QColor ForeColor() const override { return Qt::black; }
    void Refresh() override {}

    long long aufrufe = 0;

private:
    double m_x = 0;
    double m_y = 0;
};

// The fullest archive the program holds: 32767 draws of seven distinct numbers,
// the first thousand without a Joker, from a fixed seed.
const Modul1 &Archiv()
{
    static const Modul1 archiv = [] {
        Modul1 m;
        std::mt19937 zufall(20240611);
        std::array<int, 45> zahlen;
        std::iota(zahlen.begin(), zahlen.end(), 1);
        std::uniform_int_distribution<int> ziffer(0, 9);
        for (int i = 1; i <= Modul1::MaxZiehungen; ++i) {
            std::shuffle(zahlen.begin(), zahlen.end(), zufall);
            QString text = QStringLiteral("01.01.2000%1").arg(i % 256, 3, 10, QLatin1Char('0'));
            for (int j = 0; j < 7; ++j)
                text += QStringLiteral("%1").arg(zahlen[j], 2, 10, QLatin1Char('0'));
            for (int p = 0; p < 6; ++p)
                text += i <= 1000 ? QLatin1Char(' ') : QLatin1Char(char('0' + ziffer(zufall)));
            m.Ziehungen << Ziehungssatz(text);
        }
        return m;
    }();
    return archiv;
}

template <typename Grafik> void Laufen(benchmark::State &state, Grafik grafik)
{
    const Modul1 &m = Archiv();
    NullSurface s;
    for (auto _ : state) {
        grafik(m, s);
        benchmark::DoNotOptimize(s.aufrufe);
    }
}

void BM_AnzahlGezogenGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { AnzahlGezogenGrafik(m, true, true, s); });
}
void BM_VerhDurchschnittGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { VerhDurchschnittGrafik(m, true, true, s); });
}
void BM_ZuletztGezogenGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { ZuletztGezogenGrafik(m, true, true, s); });
}
// The gap scan's worst case: the newest draws repeat one draw, so every other
// number is searched far back.
void BM_ZuletztGezogenGrafikLangeLuecken(benchmark::State &state)
{
    Modul1 m = Archiv();
    for (int i = m.AnzahlZiehungen() - 30000; i <= m.AnzahlZiehungen(); ++i)
        m.Ziehungen[i] = m.Ziehungen.at(1);
    NullSurface s;
    for (auto _ : state) {
        ZuletztGezogenGrafik(m, false, true, s);
        benchmark::DoNotOptimize(s.aufrufe);
    }
}
void BM_GeradeUngeradeGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { GeradeUngeradeGrafik(m, true, s); });
}
void BM_JokerGeradeUngeradeGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { JokerGeradeUngeradeGrafik(m, s); });
}
void BM_JokerGrafik(benchmark::State &state)
{
    Laufen(state, [](const Modul1 &m, Surface &s) { JokerGrafik(m, s); });
}

} // namespace

BENCHMARK(BM_AnzahlGezogenGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerhDurchschnittGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZuletztGezogenGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZuletztGezogenGrafikLangeLuecken)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeradeUngeradeGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JokerGeradeUngeradeGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JokerGrafik)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
