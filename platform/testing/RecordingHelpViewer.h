#pragma once

#include "CommonDialog.h"

#include <QList>
#include <QString>

// Records every opening of the help file.
class RecordingHelpViewer : public HelpViewer {
public:
    struct Aufruf {
        QString datei;
        int befehl;
        qint32 kontext;
    };
    QList<Aufruf> aufrufe;

    void Open(const QString &datei, int befehl, qint32 kontext) override
    {
        aufrufe.append({datei, befehl, kontext});
    }
};
