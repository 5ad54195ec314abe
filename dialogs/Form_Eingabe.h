#pragma once

#include "Ziehungseingabe.h"

#include <QDialog>
#include <QImage>
#include <array>

class Modul1;
struct Plattform;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which a new draw is entered or the shown draw corrected, as
// EingabeModus says.
class Form_Eingabe : public QDialog {
    Q_OBJECT

public:
    Form_Eingabe(Modul1 &m, Plattform &p, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Activate();
    void CommandSave_Click();
    void CommandExit_Click();
    void CommandHelp_Click();

    Ziehungseingabe::Felder FelderLesen() const;
    void FelderSetzen(const Ziehungseingabe::Felder &felder);

    QLabel *Bezeichnung(const QString &name, const QString &text, int links, int oben);
    QLineEdit *Textfeld(const QString &name, int links, int oben, int breite, int maxLaenge);
    QPushButton *Knopf(const QString &name, const QString &text, int oben);

    Modul1 &m_m;
    Plattform &m_p;
    bool m_vorbereitet = false;
    QImage m_textur;

    QLineEdit *TextDatum;
    QLineEdit *TextRunde;
    std::array<QLineEdit *, 7> Text1{};
    QLineEdit *TextJoker;
    QPushButton *CommandSave;
    QPushButton *CommandExit;
    QPushButton *CommandHelp;
};
