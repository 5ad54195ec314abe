#pragma once

#include "WindowOpener.h"

#include <QDialog>

// Opens a window modally in its own event loop.
class ExecWindowOpener : public WindowOpener {
public:
    int ShowModal(QDialog &fenster) override { return fenster.exec(); }
};
