#include "Schrift.h"

#include <QApplication>
#include <QFontDatabase>
#include <QToolTip>

QFont SansSerif(bool fett)
{
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPointSizeF(8.25);
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setBold(fett);
    return schrift;
}

void SchriftenEinrichten()
{
    // Arial's metric twin keeps texts within the fixed control sizes, which
    // the wider default sans font would overrun; the system's font is the fallback.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    // The program's windows take SansSerif; the system's boxes, menus and
    // tooltips keep the system's font.
    const QFont system = QApplication::font();
    QApplication::setFont(SansSerif());
    for (const char *klasse : {"QMessageBox", "QInputDialog", "QMenu"})
        QApplication::setFont(system, klasse);
    QToolTip::setFont(system);
}
