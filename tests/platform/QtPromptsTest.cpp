#include "QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString Ohne(QString text) {
    return text.remove(QLatin1Char('&'));
}

QStringList Beschriftungen(const QList<QAbstractButton *> &knoepfe) {
    QStringList texte;
    for (const QAbstractButton *knopf : knoepfe)
        texte << Ohne(knopf->text());
    texte.sort();
    return texte;
}

QAbstractButton *Knopf(const QMessageBox &box, const QString &text) {
    for (QAbstractButton *knopf : box.buttons()) {
        if (Ohne(knopf->text()) == text)
            return knopf;
    }
    return nullptr;
}

// Runs the step once the modal box or dialog is shown.
void SobaldOffen(std::function<void(QWidget &)> schritt) {
    QTimer::singleShot(0, qApp, [schritt] {
        QWidget *offen = QApplication::activeModalWidget();
        ASSERT_NE(offen, nullptr);
        schritt(*offen);
    });
}

} // namespace

TEST(QtPrompts, OkBoxHasGermanOkButtonIconTitleAndLines) {
    const auto box = QtPrompts::Meldung(nullptr, QStringLiteral("Erste Zeile\r\nZweite Zeile"),
                                        Prompts::Knoepfe::Ok, Prompts::Symbol::Kritisch,
                                        QStringLiteral("Fehler"));
    EXPECT_EQ(Beschriftungen(box->buttons()), QStringList{QStringLiteral("OK")});
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Fehler"));
    EXPECT_EQ(box->text(), QStringLiteral("Erste Zeile\nZweite Zeile"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(QtPrompts, YesNoBoxAnswersWithTheButtonChosen) {
    for (const auto &[knopf, antwort] :
         {std::pair{QStringLiteral("Ja"), Prompts::Antwort::Ja},
          std::pair{QStringLiteral("Nein"), Prompts::Antwort::Nein}}) {
        const auto box =
            QtPrompts::Meldung(nullptr, QStringLiteral("Löschen?"), Prompts::Knoepfe::JaNein,
                               Prompts::Symbol::Frage, QStringLiteral("Tip löschen"));
        EXPECT_EQ(Beschriftungen(box->buttons()),
                  (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->show();
        Knopf(*box, knopf)->click();
        EXPECT_EQ(QtPrompts::AntwortVon(*box), antwort) << knopf.toStdString();
    }
}

TEST(QtPrompts, EscapeOnYesNoBoxAnswersNo) {
    const auto box =
        QtPrompts::Meldung(nullptr, QStringLiteral("Löschen?"), Prompts::Knoepfe::JaNein,
                           Prompts::Symbol::Frage, QStringLiteral("Tip löschen"));
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(QtPrompts::AntwortVon(*box), Prompts::Antwort::Nein);
}

TEST(QtPrompts, MsgBoxReturnsTheAnswerOfTheShownBox) {
    SobaldOffen([](QWidget &offen) {
        auto &box = dynamic_cast<QMessageBox &>(offen);
        Knopf(box, QStringLiteral("Nein"))->click();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.MsgBox(nullptr, QStringLiteral("Löschen?"), Prompts::Knoepfe::JaNein,
                             Prompts::Symbol::Frage, QStringLiteral("Tip löschen")),
              Prompts::Antwort::Nein);
}

TEST(QtPrompts, InputDialogHasGermanButtonsPromptAndDefault) {
    const auto dialog = QtPrompts::Eingabe(nullptr, QStringLiteral("Zahlen\r\nund Name:"),
                                           QStringLiteral("Neuer Tip"), QStringLiteral("01"));
    dialog->show();
    const auto *knoepfe = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(knoepfe, nullptr);
    EXPECT_EQ(Beschriftungen(knoepfe->buttons()),
              (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Neuer Tip"));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Zahlen\nund Name:"));
    EXPECT_EQ(dialog->textValue(), QStringLiteral("01"));
}

TEST(QtPrompts, InputBoxGivesTypedTextOrEmptyOnCancel) {
    QtPrompts prompts;
    SobaldOffen([](QWidget &offen) {
        auto &dialog = dynamic_cast<QInputDialog &>(offen);
        dialog.setTextValue(QStringLiteral("02,06,15,17,33,41 Mein Tip"));
        dialog.accept();
    });
    EXPECT_EQ(prompts.InputBox(nullptr, QStringLiteral("Tip:"), QStringLiteral("Neuer Tip")),
              QStringLiteral("02,06,15,17,33,41 Mein Tip"));

    SobaldOffen([](QWidget &offen) { dynamic_cast<QDialog &>(offen).reject(); });
    EXPECT_EQ(prompts.InputBox(nullptr, QStringLiteral("Tip:"), QStringLiteral("Neuer Tip"),
                               QStringLiteral("Vorgabe")),
              QString());
}
