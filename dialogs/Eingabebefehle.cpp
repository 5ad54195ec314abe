#include "Eingabebefehle.h"

#include "Form_Eingabe.h"
#include "Modul1.h"
#include "Plattform.h"
#include "Ziehungseingabe.h"

using namespace Ziehungseingabe;

bool NeueZiehungEingeben(Modul1 &m, Plattform &p, QWidget *parent)
{
    const QString titel = QStringLiteral("Fehler");
    if (m.AnzahlZiehungen() >= Modul1::MaxZiehungen) {
        p.prompts.Fehler(parent, ArchivVoll, titel);
        return false;
    }
    if (const auto letzte = LetzteZiehung(m)) {
        if (NaechsteZiehung(m, p.clock.Today()) > p.clock.Today()) {
            p.prompts.Fehler(parent, Ablehnung(*letzte), titel);
            return false;
        }
    }
    m.EingabeModus = ModusNeu;
    Form_Eingabe dialog(m, p, parent);
    p.fenster.ShowModal(dialog);
    return true;
}

bool ZiehungKorrigieren(Modul1 &m, Plattform &p, QWidget *parent)
{
    if (m.AktZiehung < 1 || m.AktZiehung > m.AnzahlZiehungen()) {
        p.prompts.Beep();
        return false;
    }
    m.EingabeModus = ModusEdit;
    Form_Eingabe dialog(m, p, parent);
    p.fenster.ShowModal(dialog);
    return true;
}
