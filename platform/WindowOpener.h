#pragma once

class QDialog;

// Opens one of the program's windows modally and returns when it has closed.
// Production runs exec(); tests drive the shown window instead.
class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    virtual int ShowModal(QDialog &fenster) = 0;
};
