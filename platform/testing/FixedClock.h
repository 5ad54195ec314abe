#pragma once

#include "Clock.h"

// A clock that stands still where the test sets it.
class FixedClock : public Clock {
public:
    QDate heute{2026, 12, 6};
    QTime jetzt{12, 0, 0};

    QDate Today() const override { return heute; }
    QTime Now() const override { return jetzt; }
};
