#include "Datum.h"

#include <QRegularExpression>

namespace Datum {

std::optional<QDate> Lesen(const QString &text)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4}|[0-9]{2})")));
    const auto treffer = form.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    const int tag = treffer.captured(1).toInt();
    const int monat = treffer.captured(2).toInt();
    int jahr = treffer.captured(3).toInt();
    if (treffer.capturedLength(3) == 2)
        jahr += jahr < 30 ? 2000 : 1900;
    const QDate datum(jahr, monat, tag);
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

QString Text(const QDate &datum)
{
    return datum.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate NaechsterZiehungstag(const QDate &datum)
{
    return datum.addDays(datum.dayOfWeek() == Qt::Sunday ? 3 : 4);
}

} // namespace Datum
