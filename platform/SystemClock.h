#pragma once

#include "Clock.h"

// The machine's own date and time.
class SystemClock : public Clock {
public:
    QDate Today() const override { return QDate::currentDate(); }
    QTime Now() const override { return QTime::currentTime(); }
};
