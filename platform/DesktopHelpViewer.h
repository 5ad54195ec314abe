#pragma once

#include "CommonDialog.h"

#include <QUrl>
#include <functional>

class Prompts;
class QWidget;

// Opens the help file with the desktop's viewer for its type. Command and
// topic cannot be passed on, so the viewer always shows the file's start.
class DesktopHelpViewer : public HelpViewer {
public:
    using Oeffner = std::function<bool(const QUrl &)>;

    // oeffner opens a URL with the desktop; by default QDesktopServices.
    explicit DesktopHelpViewer(Prompts &prompts, QWidget *parent = nullptr, Oeffner oeffner = {});

    void Open(const QString &hilfeDatei, int befehl, qint32 kontext) override;

private:
    Prompts &m_prompts;
    QWidget *m_parent;
    Oeffner m_oeffner;
};
