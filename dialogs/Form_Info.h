#pragma once

#include <QDialog>
#include <QImage>

class Modul1;
struct Plattform;
class QLabel;
class QPushButton;

// The About box's text block: version, the first and the last entry of the
// archive and the number of entries, five lines joined by CR LF.
QString InfoText(const Modul1 &m);

// The About box, shown modally at start-up and by the "I&nfo" command. It is
// built afresh for each showing and plays its sound as it loads.
class Form_Info : public QDialog {
    Q_OBJECT

public:
    Form_Info(const Modul1 &m, Plattform &p, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void CommandExit_Click();

    const Modul1 &m_m;
    Plattform &m_p;
    QImage m_bild;

    QLabel *Label1;
    QPushButton *CommandExit;
};
