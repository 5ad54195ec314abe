#include "Uebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(Uebersetzung, StandardButtonsReadGermanAfterLoading)
{
    ASSERT_TRUE(DeutscheUebersetzungLaden(*qApp))
        << "qtbase_de.qm missing: install qt6-translations-l10n";
    QDialogButtonBox knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                             QDialogButtonBox::No);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')),
              QStringLiteral("Ja"));
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&')),
              QStringLiteral("Nein"));
}
