#include "DesktopHelpViewer.h"

#include "RecordingPrompts.h"
#include "TempFolder.h"

#include <QList>
#include <gtest/gtest.h>

TEST(DesktopHelpViewer, OpensExistingHelpFileOnTheDesktopAndReportsEachFailure)
{
    TempFolder ordner;
    RecordingPrompts prompts;
    QList<QUrl> geoeffnet;
    bool gelingt = true;
    DesktopHelpViewer viewer(prompts, nullptr, [&](const QUrl &url) {
        geoeffnet.append(url);
        return gelingt;
    });
    const QString datei = ordner.Datei(QStringLiteral("Ziehbuch.hlp"));

    viewer.Open(datei, CommonDialog::cdlHelpContext, 140);
    ASSERT_EQ(prompts.boxen.size(), 1);
    EXPECT_EQ(prompts.boxen[0].text, QStringLiteral("Die Hilfedatei\r\n") + datei +
                                         QStringLiteral("\r\nist nicht vorhanden."));
    EXPECT_EQ(prompts.boxen[0].titel, QStringLiteral("Hilfe"));
    EXPECT_EQ(prompts.boxen[0].symbol, Prompts::Symbol::Information);
    EXPECT_TRUE(geoeffnet.isEmpty());

    ordner.Schreiben(QStringLiteral("Ziehbuch.hlp"), "Hilfe");
    viewer.Open(datei, CommonDialog::cdlHelpContents, 0);
    EXPECT_EQ(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(datei)});
    EXPECT_EQ(prompts.boxen.size(), 1);

    gelingt = false;
    viewer.Open(datei, CommonDialog::cdlHelpContents, 0);
    ASSERT_EQ(prompts.boxen.size(), 2);
    EXPECT_EQ(prompts.boxen[1].text,
              QStringLiteral("Die Hilfedatei\r\n") + datei +
                  QStringLiteral("\r\nkann mit keinem Programm angezeigt werden."));
}
