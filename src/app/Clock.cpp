#include "app/Clock.h"

namespace {
const Clock *installedClock = nullptr;
} // namespace

QDateTime Clock::now() const { return QDateTime::currentDateTime(); }

const Clock &Clock::current()
{
    static const Clock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void Clock::install(const Clock *clock) { installedClock = clock; }
