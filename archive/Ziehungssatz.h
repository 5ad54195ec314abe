#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <memory>

// One draw in memory: a 33-character text with fixed fields.
//   1-10 date DD.MM.YYYY, 11-13 round, 14-25 six numbers, 26-27 Zusatzzahl,
//   28-33 Joker (six digits or six blanks).
// Positions in the accessors are 1-based, as the record layout counts them.
//
// A text of Latin-1 characters that fits the layout, as every record read or
// entered is, lies inside the object, so that an archive is one block of
// memory; any other text is kept as it was given.
class Ziehungssatz {
public:
    static constexpr int Laenge = 33;

    Ziehungssatz() = default;
    explicit Ziehungssatz(const QString &text);
    explicit Ziehungssatz(QLatin1StringView text);

    QString text() const;
    bool operator==(const Ziehungssatz &other) const;
    bool operator!=(const Ziehungssatz &other) const { return !(*this == other); }

    // The characters from position `pos` (1-based), `len` of them.
    QString mid(int pos, int len) const;

    QString Datum() const { return mid(1, 10); }
    QString Jahr() const { return mid(7, 4); }
    QString Runde() const { return mid(11, 3); }
    // Year and round, YYYYRRR: the key by which rounds are compared.
    QString Rundenschluessel() const { return mid(7, 7); }
    // The round as shown to the user: YYYY-RRR.
    QString RundeAnzeige() const { return Jahr() + QLatin1Char('-') + Runde(); }

    // Field j (1..6 the numbers, 7 the Zusatzzahl) as stored, two characters.
    QString ZahlText(int j) const { return mid(12 + 2 * j, 2); }
    // Field j as a number 1..45; any other content counts as no number, 0.
    int Zahl(int j) const;

    QString Joker() const { return mid(28, 6); }
    bool HatJoker() const;
    // Joker digit p (1..6) as a value; a blank reads as 0.
    int JokerZiffer(int p) const;

private:
    QLatin1StringView Zeichen() const { return {m_zeichen.data(), m_laenge}; }
    // The digit at 1-based position `pos`, or -1 when there is none.
    int Ziffer(int pos) const;

    std::array<char, Laenge> m_zeichen{};
    qint8 m_laenge = 0;
    bool m_null = true;                     // the text is a null QString
    std::shared_ptr<const QString> m_sonst; // a text that does not fit inside
};
