#include "DesktopHelpViewer.h"
#include "RecordingPrompts.h"
#include "Testhilfe.h"

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
    const QString datei = ordner.Datei(S("Ziehbuch.hlp"));
    viewer.Open(datei, CommonDialog::cdlHelpContext, 140);
    ordner.Schreiben(S("Ziehbuch.hlp"), "Hilfe");
    viewer.Open(datei, CommonDialog::cdlHelpContents, 0);
    EXPECT_EQ(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(datei)});
    gelingt = false;
    viewer.Open(datei, CommonDialog::cdlHelpContents, 0);
    ASSERT_EQ(prompts.boxen.size(), 2);
    EXPECT_EQ(prompts.ablauf, L("MsgBox: Hilfe|MsgBox: Hilfe"));
    EXPECT_EQ(prompts.boxen[0].symbol, Prompts::Symbol::Information);
    EXPECT_EQ(prompts.boxen[0].text, S("Die Hilfedatei\r\n%1\r\nist nicht vorhanden.").arg(datei));
    EXPECT_EQ(prompts.boxen[1].text,
              S("Die Hilfedatei\r\n%1\r\nkann mit keinem Programm angezeigt werden.").arg(datei));
}
