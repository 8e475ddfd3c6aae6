#ifndef TANGLEWICK_TESTS_FAKEHOST_H
#define TANGLEWICK_TESTS_FAKEHOST_H

// Stand-ins for the host services, so that tests can steer the clock and the
// random generator and see the message boxes and the end of the program.

#include "host.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

struct ShownMessage
{
    QString text;
    QString title;
    platform::MessageStyle style;
};

class RecordingMessageBox final : public platform::MessageBox
{
public:
    void show(const QString &text, const QString &title, platform::MessageStyle style) override
    {
        shown.append({text, title, style});
        if (whileShown)
            whileShown();
    }
    QList<ShownMessage> shown;
    // Runs while the box is up, as if time passed before the player
    // dismissed it.
    std::function<void()> whileShown;
};

// Records the end and unwinds, as the real end of the program would stop
// every further step.
class ObservedEnd final : public platform::ProgramEnd
{
public:
    void end(platform::ExitStatus status) override
    {
        this->status = status;
        throw platform::ProgramEnded{status};
    }
    std::optional<platform::ExitStatus> status;
};

class FixedClock final : public platform::Clock
{
public:
    std::int64_t msecsSinceMidnight() const override { return msecs; }
    std::int64_t msecs = 12 * 3600 * 1000;
};

// Hands out queued values, then repeats the last one; logs every reseed.
class ScriptedRandom final : public platform::RandomSource
{
public:
    float next() override
    {
        ++draws;
        if (values.empty())
            return last;
        last = values.front();
        values.pop_front();
        return last;
    }
    void reseed(double seed) override { reseeds.append(seed); }
    void reseedFromTimer() override { ++timerReseeds; }

    std::deque<float> values;
    float last = 0.0f;
    int draws = 0;
    int timerReseeds = 0;
    QList<double> reseeds;
};

struct FakeHost
{
    explicit FakeHost(const QString &directory = QString())
        : host{messageBox, programEnd, clock, random, directory}
    { }
    RecordingMessageBox messageBox;
    ObservedEnd programEnd;
    FixedClock clock;
    ScriptedRandom random;
    platform::Host host;
};

#endif
