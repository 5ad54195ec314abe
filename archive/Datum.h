#pragma once

#include <QDate>
#include <QString>
#include <optional>

// German date notation and the draw calendar.
namespace Datum {

// D.M.YYYY or DD.MM.YYYY (one or two digits for day and month, four for the
// year), or D.M.YY (00..29 as 2000..2029, 30..99 as 1930..1999); the date
// must exist in the calendar.
std::optional<QDate> Lesen(const QString &text);

// DD.MM.YYYY
QString Text(const QDate &datum);

// The draw after a draw on `datum`: three days after a Sunday, else four.
QDate NaechsterZiehungstag(const QDate &datum);

} // namespace Datum
