#pragma once

#include <QDate>
#include <QTime>

// Today's date and the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate Today() const = 0;
    virtual QTime Now() const = 0;
};
