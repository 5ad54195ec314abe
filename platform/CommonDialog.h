#pragma once

#include <QString>

// Opens the help file with a command and a topic.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void Open(const QString &hilfeDatei, int befehl, qint32 kontext) = 0;
};

// The help facility that all windows share. Its settings persist between
// calls, so ShowHelp uses whatever command and topic were set last.
class CommonDialog {
public:
    enum HelpCommands { cdlHelpContext = 1, cdlHelpContents = 3 };

    explicit CommonDialog(HelpViewer &viewer)
        : m_viewer(viewer)
    {
    }

    QString ApplicationHelpFile; // the application's own help-file setting
    QString HelpFile;
    int HelpCommand = cdlHelpContents;
    qint32 HelpContext = 0;

    void ShowHelp() { m_viewer.Open(HelpFile, HelpCommand, HelpContext); }

private:
    HelpViewer &m_viewer;
};
