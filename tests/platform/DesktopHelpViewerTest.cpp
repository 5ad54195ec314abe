#include "DesktopHelpViewer.h"

#include "RecordingPrompts.h"
#include "TempFolder.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

struct Aufzeichnung {
    QList<QUrl> geoeffnet;
    bool gelingt = true;
    DesktopHelpViewer::Oeffner Oeffner() {
        return [this](const QUrl &url) {
            geoeffnet.append(url);
            return gelingt;
        };
    }
};

} // namespace

TEST(DesktopHelpViewer, MissingHelpFileIsReportedWithItsPath) {
    TempFolder ordner;
    RecordingPrompts prompts;
    Aufzeichnung desktop;
    DesktopHelpViewer viewer(prompts, nullptr, desktop.Oeffner());
    const QString datei = ordner.Datei(QStringLiteral("Ziehbuch.hlp"));

    viewer.Open(datei, CommonDialog::cdlHelpContext, 140);

    ASSERT_EQ(prompts.boxen.size(), 1);
    EXPECT_EQ(prompts.boxen[0].text, QStringLiteral("Die Hilfedatei\r\n") + datei +
                                         QStringLiteral("\r\nist nicht vorhanden."));
    EXPECT_EQ(prompts.boxen[0].titel, QStringLiteral("Hilfe"));
    EXPECT_EQ(prompts.boxen[0].symbol, Prompts::Symbol::Information);
    EXPECT_EQ(prompts.boxen[0].knoepfe, Prompts::Knoepfe::Ok);
    EXPECT_EQ(prompts.beeps, 0);
    EXPECT_TRUE(desktop.geoeffnet.isEmpty());
}

TEST(DesktopHelpViewer, ExistingHelpFileGoesToTheDesktop) {
    TempFolder ordner;
    ordner.Schreiben(QStringLiteral("Ziehbuch.hlp"), "Hilfe");
    RecordingPrompts prompts;
    Aufzeichnung desktop;
    DesktopHelpViewer viewer(prompts, nullptr, desktop.Oeffner());

    viewer.Open(ordner.Datei(QStringLiteral("Ziehbuch.hlp")), CommonDialog::cdlHelpContents, 0);

    EXPECT_EQ(desktop.geoeffnet,
              QList<QUrl>{QUrl::fromLocalFile(ordner.Datei(QStringLiteral("Ziehbuch.hlp")))});
    EXPECT_TRUE(prompts.boxen.isEmpty());
}

TEST(DesktopHelpViewer, HelpFileNoViewerTakesIsReported) {
    TempFolder ordner;
    ordner.Schreiben(QStringLiteral("Ziehbuch.hlp"), "Hilfe");
    RecordingPrompts prompts;
    Aufzeichnung desktop;
    desktop.gelingt = false;
    DesktopHelpViewer viewer(prompts, nullptr, desktop.Oeffner());
    const QString datei = ordner.Datei(QStringLiteral("Ziehbuch.hlp"));

    viewer.Open(datei, CommonDialog::cdlHelpContents, 0);

    ASSERT_EQ(prompts.boxen.size(), 1);
    EXPECT_EQ(prompts.boxen[0].text,
              QStringLiteral("Die Hilfedatei\r\n") + datei +
                  QStringLiteral("\r\nkann mit keinem Programm angezeigt werden."));
    EXPECT_EQ(prompts.boxen[0].titel, QStringLiteral("Hilfe"));
}
