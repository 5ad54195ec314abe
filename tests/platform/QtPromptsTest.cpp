#include "QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList Beschriftungen(const QList<QAbstractButton *> &knoepfe)
{
    QStringList texte;
    for (const QAbstractButton *knopf : knoepfe)
        texte << knopf->text().remove(QLatin1Char('&'));
    texte.sort();
    return texte;
}

// Runs the step once the modal box or dialog is shown.
void SobaldOffen(std::function<void(QWidget &)> schritt)
{
    QTimer::singleShot(0, qApp, [schritt] {
        QWidget *offen = QApplication::activeModalWidget();
        ASSERT_NE(offen, nullptr);
        schritt(*offen);
    });
}

} // namespace

TEST(QtPrompts, OkBoxHasGermanButtonAndPlainLines)
{
    const auto box = QtPrompts::Meldung(nullptr, QStringLiteral("Erste Zeile\r\nZweite Zeile"),
                                        Prompts::Knoepfe::Ok, Prompts::Symbol::Kritisch,
                                        QStringLiteral("Fehler"));
    EXPECT_EQ(Beschriftungen(box->buttons()), QStringList{QStringLiteral("OK")});
    EXPECT_EQ(box->text(), QStringLiteral("Erste Zeile\nZweite Zeile"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(QtPrompts, YesNoBoxAnswersWithTheButtonChosenAndEscapeIsNo)
{
    for (const QString &text : {QStringLiteral("Ja"), QStringLiteral("Nein")}) {
        const auto box =
            QtPrompts::Meldung(nullptr, QStringLiteral("Löschen?"), Prompts::Knoepfe::JaNein,
                               Prompts::Symbol::Frage, QStringLiteral("Tip löschen"));
        EXPECT_EQ(Beschriftungen(box->buttons()),
                  (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
        box->show();
        for (QAbstractButton *knopf : box->buttons())
            if (knopf->text().remove(QLatin1Char('&')) == text)
                knopf->click();
        EXPECT_EQ(QtPrompts::AntwortVon(*box),
                  text == QStringLiteral("Ja") ? Prompts::Antwort::Ja : Prompts::Antwort::Nein);
    }
    SobaldOffen([](QWidget &offen) { QTest::keyClick(&offen, Qt::Key_Escape); });
    EXPECT_EQ(QtPrompts().MsgBox(nullptr, QStringLiteral("Löschen?"), Prompts::Knoepfe::JaNein,
                                 Prompts::Symbol::Frage, QStringLiteral("Tip löschen")),
              Prompts::Antwort::Nein);
}

TEST(QtPrompts, InputBoxHasGermanButtonsAndGivesTypedTextOrEmptyOnCancel)
{
    const auto dialog = QtPrompts::Eingabe(nullptr, QStringLiteral("Zahlen\r\nund Name:"),
                                           QStringLiteral("Neuer Tip"), QStringLiteral("01"));
    dialog->show();
    EXPECT_EQ(Beschriftungen(dialog->findChild<QDialogButtonBox *>()->buttons()),
              (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Zahlen\nund Name:"));

    QtPrompts prompts;
    SobaldOffen([](QWidget &offen) {
        dynamic_cast<QInputDialog &>(offen).setTextValue(QStringLiteral("02,06 Mein Tip"));
        dynamic_cast<QDialog &>(offen).accept();
    });
    EXPECT_EQ(prompts.InputBox(nullptr, QStringLiteral("Tip:"), QStringLiteral("Neuer Tip")),
              QStringLiteral("02,06 Mein Tip"));
    SobaldOffen([](QWidget &offen) { dynamic_cast<QDialog &>(offen).reject(); });
    EXPECT_EQ(prompts.InputBox(nullptr, QStringLiteral("Tip:"), QStringLiteral("Neuer Tip"),
                               QStringLiteral("Vorgabe")),
              QString());
}
