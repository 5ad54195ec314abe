#include "DesktopHelpViewer.h"

#include "Prompts.h"

#include <QDesktopServices>
#include <QFileInfo>

DesktopHelpViewer::DesktopHelpViewer(Prompts &prompts, QWidget *parent, Oeffner oeffner)
    : m_prompts(prompts)
    , m_parent(parent)
    , m_oeffner(oeffner ? std::move(oeffner) : Oeffner(&QDesktopServices::openUrl))
{
}

void DesktopHelpViewer::Open(const QString &hilfeDatei, int, qint32)
{
    const QString zeilen =
        QStringLiteral("Die Hilfedatei\r\n") + hilfeDatei + QStringLiteral("\r\n");
    if (!QFileInfo(hilfeDatei).isFile()) {
        m_prompts.MsgBox(m_parent, zeilen + QStringLiteral("ist nicht vorhanden."),
                         Prompts::Knoepfe::Ok, Prompts::Symbol::Information,
                         QStringLiteral("Hilfe"));
        return;
    }
    if (!m_oeffner(QUrl::fromLocalFile(hilfeDatei))) {
        m_prompts.MsgBox(
            m_parent, zeilen + QStringLiteral("kann mit keinem Programm angezeigt werden."),
            Prompts::Knoepfe::Ok, Prompts::Symbol::Information, QStringLiteral("Hilfe"));
    }
}
