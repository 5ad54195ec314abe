#include "QtPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon Icon(Prompts::Symbol symbol)
{
    switch (symbol) {
    case Prompts::Symbol::Kritisch:
        return QMessageBox::Critical;
    case Prompts::Symbol::Information:
        return QMessageBox::Information;
    case Prompts::Symbol::Frage:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString Zeilenumbrueche(const QString &text)
{
    QString ergebnis = text;
    ergebnis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

void QtPrompts::Beep()
{
    QApplication::beep();
}

std::unique_ptr<QMessageBox> QtPrompts::Meldung(QWidget *parent, const QString &text,
                                                Knoepfe knoepfe, Symbol symbol,
                                                const QString &titel)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(Icon(symbol));
    box->setWindowTitle(titel);
    box->setTextFormat(Qt::PlainText);
    box->setText(Zeilenumbrueche(text));
    if (knoepfe == Knoepfe::JaNein) {
        QPushButton *ja = box->addButton(QMessageBox::Yes);
        ja->setText(QStringLiteral("&Ja"));
        // Esc and the window's close button answer "Nein", the harmless choice.
        box->addButton(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        box->setDefaultButton(ja);
    } else {
        QPushButton *ok = box->addButton(QMessageBox::Ok);
        ok->setText(QStringLiteral("OK"));
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    }
    return box;
}

Prompts::Antwort QtPrompts::AntwortVon(const QMessageBox &box)
{
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::Ok:
        return Antwort::Ok;
    default:
        return box.buttons().size() == 1 ? Antwort::Ok : Antwort::Nein;
    }
}

Prompts::Antwort QtPrompts::MsgBox(QWidget *parent, const QString &text, Knoepfe knoepfe,
                                   Symbol symbol, const QString &titel)
{
    const auto box = Meldung(parent, text, knoepfe, symbol, titel);
    box->exec();
    return AntwortVon(*box);
}

std::unique_ptr<QInputDialog> QtPrompts::Eingabe(QWidget *parent, const QString &prompt,
                                                 const QString &titel, const QString &vorgabe)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(titel);
    dialog->setLabelText(Zeilenumbrueche(prompt));
    if (auto *label = dialog->findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog->setTextValue(vorgabe);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Abbrechen"));
    return dialog;
}

QString QtPrompts::InputBox(QWidget *parent, const QString &prompt, const QString &titel,
                            const QString &vorgabe)
{
    const auto dialog = Eingabe(parent, prompt, titel, vorgabe);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->textValue();
}
