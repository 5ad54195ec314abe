// Writes a demo archive: a few hundred made-up draws, the same on every run.
// Usage: demoarchiv <folder> [count]. With a count, that many draws (at most
// 32767), one every other day from 1980 on. An existing ziehbuch.dat or
// ziehbuch.ini is kept.

#include "Datum.h"
#include "Modul1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

namespace {

Ziehungssatz ziehung(const QDate &tag, int runde, bool mitJoker, std::mt19937 &zufall)
{
    std::array<int, 45> kugeln{};
    for (int i = 0; i < 45; ++i)
        kugeln[i] = i + 1;
    std::shuffle(kugeln.begin(), kugeln.end(), zufall);
    std::sort(kugeln.begin(), kugeln.begin() + 6);

    QString text = Datum::Text(tag) + QStringLiteral("%1").arg(runde, 3, 10, QLatin1Char('0'));
    for (int j = 0; j < 7; ++j)
        text += QStringLiteral("%1").arg(kugeln[j], 2, 10, QLatin1Char('0'));
    if (mitJoker) {
        std::uniform_int_distribution<int> ziffer(0, 9);
        for (int p = 0; p < 6; ++p)
            text += QString::number(ziffer(zufall));
    } else {
        text += QStringLiteral("      ");
    }
    return Ziehungssatz(text);
}

// One draw on each day, numbered from 1 in each year, with a Joker from
// `ersterJokertag` on.
void Eintragen(Modul1 &modul, const QList<QDate> &tage, const QDate &ersterJokertag,
               std::mt19937 zufall)
{
    int runde = 0;
    int jahr = 0;
    for (const QDate &tag : tage) {
        runde = tag.year() == jahr ? runde + 1 : 1;
        jahr = tag.year();
        modul.Ziehungen.append(ziehung(tag, runde, tag >= ersterJokertag, zufall));
    }
}

// The demo draws: twice a week from 2023 to 2025, the Joker from July 2023.
void Demoziehungen(Modul1 &modul)
{
    QList<QDate> tage;
    for (QDate tag(2023, 1, 1); tag <= QDate(2025, 12, 31); tag = Datum::NaechsterZiehungstag(tag))
        tage << tag;
    Eintragen(modul, tage, QDate(2023, 7, 2), std::mt19937(20230101));
}

// `anzahl` draws, one every other day, so that even the fullest archive keeps
// to the years and rounds the draw file can store.
void Ziehungen(Modul1 &modul, int anzahl)
{
    QList<QDate> tage;
    for (QDate tag(1980, 1, 1); tage.size() < anzahl; tag = tag.addDays(2))
        tage << tag;
    Eintragen(modul, tage, tage.value(0), std::mt19937(19800101));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool zahl = argc == 2;
    const int anzahl = argc == 3 ? QByteArray(argv[2]).toInt(&zahl) : 0;
    if (argc < 2 || argc > 3 || !zahl || anzahl < 0 || anzahl > Modul1::MaxZiehungen) {
        std::fprintf(stderr, "usage: demoarchiv <folder> [count 0..32767]\n");
        return 2;
    }
    Modul1 modul;
    modul.ProgrammPfad = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    QDir().mkpath(modul.ProgrammPfad);

    if (!QFile::exists(modul.DrawFilePath())) {
        if (argc == 3)
            Ziehungen(modul, anzahl);
        else
            Demoziehungen(modul);
        const auto ergebnis = modul.ZiehungenSchreiben();
        if (!ergebnis.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(ergebnis.grund));
            return 1;
        }
    }
    if (!QFile::exists(modul.SettingsFilePath())) {
        // On the newest demo draw these win a 4er and the 1.000 Joker prize.
        modul.IniZeilen << QStringLiteral("Zahlentip=06,08,17,26,43,44Geburtstage")
                        << QStringLiteral("Jokertip=123694Glückszahl")
                        << QStringLiteral("Zahlentip=01,02,03,04,05,07Reihe");
        modul.IniSchreiben();
    }
    return 0;
}
