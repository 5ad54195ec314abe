#include "Einstellungsdatei.h"

#include "Windows1252.h"

namespace Einstellungsdatei {

QStringList ZeilenLesen(const QByteArray &bytes)
{
    const QString text = Windows1252::Decode(bytes);
    QStringList zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.append(text.mid(anfang));
    return zeilen;
}

std::optional<QByteArray> ZeilenSchreiben(const QStringList &zeilen, int *abgelehnt)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto zeile = Windows1252::Encode(zeilen.at(i));
        if (!zeile) {
            if (abgelehnt)
                *abgelehnt = int(i);
            return std::nullopt;
        }
        bytes += *zeile;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace Einstellungsdatei
