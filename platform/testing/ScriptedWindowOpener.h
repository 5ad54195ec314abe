#pragma once

#include "WindowOpener.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

// Opens a window without a nested event loop: shows it, lets the test's
// script drive it, and closes it if the script did not.
class ScriptedWindowOpener : public WindowOpener {
public:
    using Skript = std::function<void(QDialog &)>;

    // objectNames of the windows opened, in order.
    QList<QString> geoeffnet;
    // Scripts taken in turn; with none left the window is closed at once.
    QList<Skript> skripte;

    int ShowModal(QDialog &fenster) override
    {
        geoeffnet.append(fenster.objectName());
        fenster.show();
        if (!skripte.isEmpty())
            skripte.takeFirst()(fenster);
        if (fenster.isVisible())
            fenster.reject();
        return fenster.result();
    }
};
