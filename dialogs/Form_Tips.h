#pragma once

#include <QDialog>
#include <QImage>

class Modul1;
struct Plattform;
class QListWidget;
class QPushButton;

// The tips window: lists the stored tips, adds numbers and Joker tips,
// deletes the selected tip. Every change is written to the settings file at once.
class Form_Tips : public QDialog {
    Q_OBJECT
public:
    Form_Tips(Modul1 &m, Plattform &p, QWidget *parent = nullptr);

    // Runs once per opening, when the window is first shown.
    void Form_Activate();
    // 0 adds a numbers tip, any other index a Joker tip.
    void CommandNeu_Click(qint16 index);
    void CommandDel_Click();
    void CommandHelp_Click();
    void CommandExit_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void TipAnhaengen(const QString &reihe, const QString &zeile);
    void ReiheLoeschen(int reihe);
    void Schreibfehler(const QString &grund);

    Modul1 &m_m;
    Plattform &m_p;
    bool m_aktiviert = false;
    QImage m_textur;

    QListWidget *List1;
    QPushButton *CommandNeu[2];
    QPushButton *CommandDel;
    QPushButton *CommandExit;
    QPushButton *CommandHelp;
};

// The command of the menu item "&Tipverwaltung": opens the tips window
// modally and returns when it has closed.
bool TipverwaltungOeffnen(Modul1 &m, Plattform &p, QWidget *parent);
