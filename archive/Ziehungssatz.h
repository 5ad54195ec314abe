#pragma once

#include <QString>

// One draw in memory: a 33-character text with fixed fields.
//   1-10 date DD.MM.YYYY, 11-13 round, 14-25 six numbers, 26-27 Zusatzzahl,
//   28-33 Joker (six digits or six blanks).
// Positions in the accessors are 1-based, as the record layout counts them.
class Ziehungssatz {
public:
    static constexpr int Laenge = 33;

    Ziehungssatz() = default;
    explicit Ziehungssatz(QString text)
        : m_text(std::move(text))
    {
    }

    const QString &text() const { return m_text; }
    bool operator==(const Ziehungssatz &other) const { return m_text == other.m_text; }
    bool operator!=(const Ziehungssatz &other) const { return m_text != other.m_text; }

    // The characters from position `pos` (1-based), `len` of them.
    QString mid(int pos, int len) const { return m_text.mid(pos - 1, len); }

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
    bool HatJoker() const { return Joker() != QLatin1String("      "); }
    // Joker digit p (1..6) as a value; a blank reads as 0.
    int JokerZiffer(int p) const;

private:
    QString m_text;
};
