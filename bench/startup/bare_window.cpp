// The yardstick of the start-up benchmark: a bare Qt Widgets window, a label
// with text at the size of the program's main window.

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel fenster(QStringLiteral("Ziehbuch"));
    fenster.resize(673, 373);
    fenster.show();
    return QApplication::exec();
}
