#include "Tipliste.h"

#include <gtest/gtest.h>

using Tipliste::Tipart;

namespace {

QStringList Einstellungen(const QStringList &zeilen) {
    return QStringList{QString()} + zeilen;
}

} // namespace

TEST(Tipliste, KeyDecidesKindInAnyLetterCase) {
    const struct {
        const char *zeile;
        Tipart art;
    } faelle[] = {
        {"Zahlentip=01,02,03,04,05,06Name", Tipart::Zahlen},
        {"ZAHLENTIP=", Tipart::Zahlen},
        {"zahlenTIP=x", Tipart::Zahlen},
        {"Zahlentip 01,02,03,04,05,06Name", Tipart::Keiner},
        {"Zahlentip", Tipart::Keiner},
        {"Jokertip=123456Name", Tipart::Joker},
        {"JOKERTIP=123456Mein Tip", Tipart::Joker},
        {"Jokertipp=123456", Tipart::Keiner},
        {" Jokertip=123456", Tipart::Keiner},
        {"", Tipart::Keiner},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(Tipliste::ArtDerZeile(QString::fromUtf8(fall.zeile)), fall.art) << fall.zeile;
}

TEST(Tipliste, RowsSkipForeignLinesAndPutNamesInColumn31) {
    const QStringList zeilen = Einstellungen({
        QStringLiteral("Zahlentip=02,06,15,17,33,41Mein Tip"),
        QStringLiteral("; eine Notiz"),
        QStringLiteral("JOKERTIP=123456Mein Tip"),
        QStringLiteral("jokertip=000001Zweiter"),
    });
    const QStringList erwartet{
        QStringLiteral("Zahlentip  02,06,15,17,33,41  Mein Tip"),
        QStringLiteral("Jokertip   123456             Mein Tip"),
        QStringLiteral("Jokertip   000001             Zweiter"),
    };
    EXPECT_EQ(Tipliste::Reihen(zeilen), erwartet);
}

TEST(Tipliste, RowFindsTheLineItShowsPastForeignLines) {
    const QStringList zeilen = Einstellungen({
        QStringLiteral("Zahlentip=01,02,03,04,05,06A"),
        QStringLiteral("# fremd"),
        QStringLiteral("Jokertip=123456B"),
        QString(),
        QStringLiteral("Zahlentip=07,08,09,10,11,12C"),
    });
    EXPECT_EQ(Tipliste::ZeileDerReihe(zeilen, 0), 1);
    EXPECT_EQ(Tipliste::ZeileDerReihe(zeilen, 1), 3);
    EXPECT_EQ(Tipliste::ZeileDerReihe(zeilen, 2), 5);
    EXPECT_EQ(Tipliste::ZeileDerReihe(zeilen, 3), 0);
    EXPECT_EQ(Tipliste::ZeileDerReihe(zeilen, -1), 0);
    EXPECT_EQ(Tipliste::ZeileDerReihe(Einstellungen({}), 0), 0);
}

TEST(Tipliste, NameKeepsInnerBlanksAndLosesOuterOnes) {
    const auto ergebnis = Tipliste::Pruefen(Tipart::Joker, QStringLiteral("139957    Mein  Tip   "),
                                            Einstellungen({}));
    ASSERT_TRUE(ergebnis.ok()) << ergebnis.fehlertext.toStdString();
    EXPECT_EQ(ergebnis.tip.tipName, QStringLiteral("Mein  Tip"));
    EXPECT_EQ(Tipliste::Tipzeile(ergebnis.tip), QStringLiteral("Jokertip=139957Mein  Tip"));
}
