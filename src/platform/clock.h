#ifndef TANGLEWICK_PLATFORM_CLOCK_H
#define TANGLEWICK_PLATFORM_CLOCK_H

#include <QString>

#include <cstdint>

namespace platform {

// A Date is a count of days; its fraction is the time of day.
using Date = double;

// The local clock. Tests put a fixed clock in its place.
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds since local midnight, 0 to 86,399,999.
    virtual std::int64_t msecsSinceMidnight() const = 0;
};

class SystemClock final : public Clock
{
public:
    std::int64_t msecsSinceMidnight() const override;
};

// The time of day in whole seconds, with a zero date part (the fraction of
// the current second is dropped).
Date timeOfDay(const Clock &clock);
// Seconds since midnight, with their fraction: what the random generator
// is reseeded from.
double timerSeconds(const Clock &clock);

Date timeSerial(int hour, int minute, int second);
// Hour, minute and second of the time-of-day part of a Date, to the
// nearest second.
int hourOf(Date date);
int minuteOf(Date date);
int secondOf(Date date);
// "hh:mm:ss", 24-hour, two digits each.
QString formatHms(Date date);

} // namespace platform

#endif
