#pragma once

class QCoreApplication;

// Installs Qt's German texts for its standard dialogs and buttons; false when
// the translation is not installed on this machine.
bool DeutscheUebersetzungLaden(QCoreApplication &app);
