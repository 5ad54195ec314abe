#pragma once

class Modul1;
struct Plattform;
class QWidget;

// The new-draw command: refuses before the next draw day or with a full
// archive, else opens the entry dialog for a new draw. True when the dialog
// was opened.
bool NeueZiehungEingeben(Modul1 &m, Plattform &p, QWidget *parent);

// The correction command: opens the entry dialog on the shown draw; with no
// draw to correct it only beeps. True when the dialog was opened.
bool ZiehungKorrigieren(Modul1 &m, Plattform &p, QWidget *parent);
