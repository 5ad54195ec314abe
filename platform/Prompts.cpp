#include "Prompts.h"

void Prompts::Fehler(QWidget *parent, const QString &text, const QString &titel)
{
    Beep();
    MsgBox(parent, text, Knoepfe::Ok, Symbol::Kritisch, titel);
}
