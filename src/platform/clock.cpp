#include "platform/clock.h"

#include <QTime>

#include <cmath>

namespace platform {

namespace {
constexpr int SecondsPerDay = 86400;

// Whole seconds of the time-of-day part of a date; negative dates take the
// time of day of their absolute value.
int secondsOfDay(Date date)
{
    const double fraction = std::fabs(date) - std::floor(std::fabs(date));
    return static_cast<int>(std::llround(fraction * SecondsPerDay)) % SecondsPerDay;
}
} // namespace

std::int64_t SystemClock::msecsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

Date timeOfDay(const Clock &clock)
{
    return static_cast<double>(clock.msecsSinceMidnight() / 1000) / SecondsPerDay;
}

double timerSeconds(const Clock &clock)
{
    return static_cast<double>(clock.msecsSinceMidnight()) / 1000.0;
}

Date timeSerial(int hour, int minute, int second)
{
    return static_cast<double>(hour * 3600 + minute * 60 + second) / SecondsPerDay;
}

int hourOf(Date date)
{
    return secondsOfDay(date) / 3600;
}

int minuteOf(Date date)
{
    return secondsOfDay(date) / 60 % 60;
}

int secondOf(Date date)
{
    return secondsOfDay(date) % 60;
}

QString formatHms(Date date)
{
    return QStringLiteral("%1:%2:%3")
        .arg(hourOf(date), 2, 10, QLatin1Char('0'))
        .arg(minuteOf(date), 2, 10, QLatin1Char('0'))
        .arg(secondOf(date), 2, 10, QLatin1Char('0'));
}

} // namespace platform
