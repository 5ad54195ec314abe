#include "Zeichnung.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// Draws the program's pictures into PNG files in the folder given, which the
// build then compiles into the program.
int main(int argc, char **argv)
{
    // No display is needed, also where the build has none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bildgenerator FOLDER\n");
        return 2;
    }
    const std::vector<Zeichnung::FehlendeSchrift> fehlend = Zeichnung::FehlendeSchriften();
    for (const auto &[familie, paket] : fehlend)
        std::fprintf(stderr, "bildgenerator: font \"%s\" not found (Debian package %s)\n",
                     qPrintable(familie), qPrintable(paket));
    if (!fehlend.empty())
        return 1;
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, zeichnen] : Zeichnung::Alle()) {
        const QString datei = ordner.filePath(name + QStringLiteral(".png"));
        if (!zeichnen().save(datei)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
