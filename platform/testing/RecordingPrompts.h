#pragma once

#include "Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records every Beep, message box and input box, and answers as scripted.
class RecordingPrompts : public Prompts {
public:
    struct Box {
        QString text;
        Knoepfe knoepfe;
        Symbol symbol;
        QString titel;
    };
    struct Frage {
        QString prompt;
        QString titel;
        QString vorgabe;
    };
    // Everything in the order it happened: "Beep", "MsgBox: <titel>", "InputBox: <titel>".
    QStringList ablauf;
    int beeps = 0;
    QList<Box> boxen;
    QList<Frage> fragen;

    // Answers given in turn; when they run out, Ok (or Ja) and the empty text.
    QList<Antwort> antworten;
    QStringList eingaben;

    void Beep() override
    {
        ++beeps;
        ablauf << QStringLiteral("Beep");
    }
    Antwort MsgBox(QWidget *, const QString &text, Knoepfe knoepfe, Symbol symbol,
                   const QString &titel) override
    {
        boxen.append({text, knoepfe, symbol, titel});
        ablauf << QStringLiteral("MsgBox: ") + titel;
        if (!antworten.isEmpty())
            return antworten.takeFirst();
        return knoepfe == Knoepfe::JaNein ? Antwort::Ja : Antwort::Ok;
    }
    QString InputBox(QWidget *, const QString &prompt, const QString &titel,
                     const QString &vorgabe) override
    {
        fragen.append({prompt, titel, vorgabe});
        ablauf << QStringLiteral("InputBox: ") + titel;
        return eingaben.isEmpty() ? QString() : eingaben.takeFirst();
    }
};
