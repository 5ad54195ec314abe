#include "Uebersetzung.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

bool DeutscheUebersetzungLaden(QCoreApplication &app)
{
    auto *uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

void FontZuordnung()
{
    // Arial's metric twin keeps texts within the fixed control sizes, which
    // the wider default sans font would overrun; the system's font is the fallback.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
}
