#include "QtPrompts.h"
#include "Testhilfe.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

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
    QTimer::singleShot(0, qApp, [schritt] { schritt(*QApplication::activeModalWidget()); });
}

TEST(QtPrompts, BoxesHaveGermanButtonsPlainLinesAndGiveTheAnswerChosen)
{
    const auto ok = QtPrompts::Meldung(nullptr, S("Erste Zeile\r\nZweite Zeile"),
                                       Prompts::Knoepfe::Ok, Prompts::Symbol::Kritisch, S("F"));
    EXPECT_EQ(Beschriftungen(ok->buttons()), L("OK"));
    EXPECT_EQ(ok->text(), S("Erste Zeile\nZweite Zeile"));
    EXPECT_EQ(ok->textFormat(), Qt::PlainText);
    // The system's boxes keep the system's font, not the program's windows' one.
    ok->show();
    EXPECT_NE(ok->findChild<QLabel *>()->font().family(), S("MS Sans Serif"));
    const auto box = QtPrompts::Meldung(nullptr, S("Löschen?"), Prompts::Knoepfe::JaNein,
                                        Prompts::Symbol::Frage, S("Tip löschen"));
    EXPECT_EQ(Beschriftungen(box->buttons()), L("Ja|Nein"));
    for (QAbstractButton *knopf : box->buttons()) {
        box->show();
        knopf->click();
        EXPECT_EQ(QtPrompts::AntwortVon(*box),
                  knopf->text() == S("&Ja") ? Prompts::Antwort::Ja : Prompts::Antwort::Nein);
    }
    SobaldOffen([](QWidget &offen) { QTest::keyClick(&offen, Qt::Key_Escape); });
    EXPECT_EQ(QtPrompts().MsgBox(nullptr, S("Löschen?"), Prompts::Knoepfe::JaNein,
                                 Prompts::Symbol::Frage, S("Tip löschen")),
              Prompts::Antwort::Nein);
}

TEST(QtPrompts, InputBoxHasGermanButtonsAndGivesTypedTextOrEmptyOnCancel)
{
    const auto dialog = QtPrompts::Eingabe(nullptr, S("Zahlen\r\nund Name:"), S("T"), S("01"));
    dialog->show();
    EXPECT_EQ(Beschriftungen(dialog->findChild<QDialogButtonBox *>()->buttons()),
              L("Abbrechen|OK"));
    EXPECT_EQ(dialog->labelText(), S("Zahlen\nund Name:"));
    EXPECT_NE(dialog->findChild<QLabel *>()->font().family(), S("MS Sans Serif"));
    QtPrompts prompts;
    SobaldOffen([](QWidget &offen) {
        dynamic_cast<QInputDialog &>(offen).setTextValue(S("02,06 Mein Tip"));
        dynamic_cast<QDialog &>(offen).accept();
    });
    EXPECT_EQ(prompts.InputBox(nullptr, S("Tip:"), S("T")), S("02,06 Mein Tip"));
    SobaldOffen([](QWidget &offen) { dynamic_cast<QDialog &>(offen).reject(); });
    EXPECT_EQ(prompts.InputBox(nullptr, S("Tip:"), S("T"), S("Vorgabe")), QString());
}

TEST(Uebersetzung, StandardButtonsReadGermanAfterLoading)
{
    ASSERT_TRUE(DeutscheUebersetzungLaden(*qApp))
        << "qtbase_de.qm missing: install qt6-translations-l10n";
    QDialogButtonBox knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                             QDialogButtonBox::No);
    EXPECT_EQ(Beschriftungen(knoepfe.buttons()), L("Abbrechen|Ja|Nein"));
}

} // namespace
