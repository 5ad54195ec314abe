#pragma once

#include "Prompts.h"

#include <memory>

class QInputDialog;
class QMessageBox;

// Beep, message box and input box as Qt dialogs, with German button texts
// whatever translation is loaded.
class QtPrompts : public Prompts {
public:
    void Beep() override;
    Antwort MsgBox(QWidget *parent, const QString &text, Knoepfe knoepfe, Symbol symbol,
                   const QString &titel) override;
    QString InputBox(QWidget *parent, const QString &prompt, const QString &titel,
                     const QString &vorgabe = QString()) override;

    // The boxes as they are shown, and the answer a closed box gives.
    static std::unique_ptr<QMessageBox> Meldung(QWidget *parent, const QString &text,
                                                Knoepfe knoepfe, Symbol symbol,
                                                const QString &titel);
    static Antwort AntwortVon(const QMessageBox &box);
    static std::unique_ptr<QInputDialog> Eingabe(QWidget *parent, const QString &prompt,
                                                 const QString &titel, const QString &vorgabe);
};

// Line breaks written as CR LF (or a lone CR) as Qt shows them.
QString Zeilenumbrueche(const QString &text);
