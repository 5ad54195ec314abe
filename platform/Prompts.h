#pragma once

#include <QString>

class QWidget;

// The system's Beep, message box and input box.
class Prompts {
public:
    enum class Symbol { Kritisch, Information, Frage };
    enum class Knoepfe { Ok, JaNein };
    enum class Antwort { Ok, Ja, Nein };

    virtual ~Prompts() = default;

    virtual void Beep() = 0;
    // Shows a modal message box; returns the button the user chose.
    virtual Antwort MsgBox(QWidget *parent, const QString &text, Knoepfe knoepfe, Symbol symbol,
                           const QString &titel) = 0;
    // Asks for a line of text; Cancel gives the empty text.
    virtual QString InputBox(QWidget *parent, const QString &prompt, const QString &titel,
                             const QString &vorgabe = QString()) = 0;

    // A rejected input or a failure: Beep, then a critical box.
    void Fehler(QWidget *parent, const QString &text, const QString &titel);
};
