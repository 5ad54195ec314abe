#pragma once

#include <QDialog>

class Modul1;
struct Plattform;
class PictureBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The statistics window: the user picks one of eleven statistics, sets its
// options and computes it over the whole archive, as text or as a chart.
// Its state is its controls; every opening starts from the start values.
class Form_Statistik : public QDialog {
    Q_OBJECT

public:
    Form_Statistik(Modul1 &modul, Plattform &plattform, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Eintrag;
    static const QList<Eintrag> &Eintraege();
    static const Eintrag *Suchen(const QString &text);

    void Form_Load();
    void ListWahl_Click();
    void CommandRechnen_Click();
    void CommandHelp_Click();
    void CommandExit_Click();

    // The selected entry's text; empty with no entry selected.
    QString Auswahl() const;
    bool MitZZ() const;
    bool NachWert() const;

    // The text statistics: "bitte warten ..." shows while the text is computed.
    template <typename Rechnung> void TextAusgabe(Rechnung rechnung);
    void Zahlenstatistik();
    void Verteilung();
    void WerMitWemNachZahl();
    void WerMitWemNachWert();
    void Computertip();
    // The charts draw the whole frame themselves on the shown picture box.
    template <typename Grafik> void GrafikAusgabe(Grafik grafik);
    void AnzahlGezogenGrafik();
    void VerhDurchschnittGrafik();
    void ZuletztGezogenGrafik();
    void GeradeUngeradeGrafik();
    void JokerGrafik();
    void JokerGeradeUngeradeGrafik();

    Modul1 &m_m;
    Plattform &m_p;
    bool m_zentriert = false;

    QGroupBox *Frame1;
    QListWidget *ListWahl;
    QLabel *LabelZahl;
    QLineEdit *TextZahl;
    QCheckBox *CheckZZ;
    QRadioButton *OptionSortZ;
    QRadioButton *OptionSortW;
    QPushButton *CommandRechnen;
    QPushButton *CommandHelp;
    QPushButton *CommandExit;
    QPlainTextEdit *Text1;
    PictureBox *Picture1;
};
