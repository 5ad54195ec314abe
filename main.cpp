#include "Bilder.h"
#include "CommonDialog.h"
#include "DesktopHelpViewer.h"
#include "ExecWindowOpener.h"
#include "FormMain.h"
#include "Modul1.h"
#include "Plattform.h"
#include "PulseSoundPlayer.h"
#include "QtPrompts.h"
#include "Schrift.h"
#include "SystemClock.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Dates and numbers are German whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeutscheUebersetzungLaden(app);
    SchriftenEinrichten();
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(Bilder::Fenstersymbol())));

    Modul1 modul;
    QtPrompts prompts;
    PulseSoundPlayer sound;
    SystemClock uhr;
    ExecWindowOpener fenster;
    DesktopHelpViewer betrachter(prompts);
    CommonDialog hilfe(betrachter);
    Plattform plattform{prompts, sound, uhr, fenster, hilfe};

    FormMain hauptfenster(modul, plattform);
    // The About box closing at start-up must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!hauptfenster.Form_Load(QCoreApplication::applicationDirPath()))
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    hauptfenster.show();
    return QApplication::exec();
}
