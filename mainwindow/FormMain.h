#pragma once

#include "Tipcheck.h"

#include <QMainWindow>
#include <array>
#include <functional>

class Modul1;
struct Plattform;
class PictureBox;
class QAction;
class QLabel;
class QPushButton;

// The main window: start-up, the display of the shown draw with the tip
// check, the menus, the toolbar, the keys and the stepping buttons.
class FormMain : public QMainWindow {
    Q_OBJECT

public:
    FormMain(Modul1 &m, Plattform &p, QWidget *parent = nullptr);
    ~FormMain() override;

    // The start-up in the folder the program lies in; false when the program
    // is to end without showing the window.
    bool Form_Load(const QString &programmOrdner);

    // The main window becomes the program's active window: first showing and
    // each return from one of the program's own modal windows.
    void Form_Activate();

    void Form_KeyDown(int key, Qt::KeyboardModifiers shift);
    void Toolbar1_ButtonClick(const QString &key);

    void CommandPrev_Click();
    void CommandNext_Click();
    void MenDEingabe_Click();
    void MenDEdit_Click();
    void MenDTips_Click();
    void MenDGoto_Click();
    void MenDStatistik_Click();
    void MenDBeenden_Click();
    void MenHHilfe_Click();
    void MenHInfo_Click();
    void MenHExport_Click();

    // How the quit command ends the program; tests put a recorder in place.
    void SetBeenden(std::function<void()> beenden) { m_beenden = std::move(beenden); }

    // The result columns as built, with their CR LF line ends.
    const std::array<QString, 3> &GewinnSpalten() const { return m_gewinnSpalten; }
    // The window's own width measure, in its own font.
    double TextWidth(const QString &text) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void ZeigeZiehung();
    void MenuesAnlegen();
    void Toolbar1Anlegen();
    void Picture1Anlegen();
    void FensterGroesse();

    Modul1 &m_m;
    Plattform &m_p;
    std::function<void()> m_beenden;
    bool m_beendet = false;
    bool m_gezeigt = false;
    std::array<QString, 3> m_gewinnSpalten;
    qint16 MerkZiehung = 0;

    // Made when the About box at start-up has closed; null until then.
    QAction *MenLinie5 = nullptr;
    QAction *MenHExport = nullptr;
    PictureBox *Picture1;
    QLabel *LabelStatus;
    QLabel *LabelNr;
    std::array<QLabel *, 3> LabelGewinn{};
    QPushButton *CommandPrev;
    QPushButton *CommandNext;
};
