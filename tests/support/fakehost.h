#ifndef TANGLEWICK_TESTS_FAKEHOST_H
#define TANGLEWICK_TESTS_FAKEHOST_H

// Stand-ins for the host services, so that tests can steer the clock and the
// random generator and see the message boxes, the run-time errors raised and
// the end of the program.

#include "platform/host.h"
#include "platform/runtimeerror.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <tuple>

// The code of the run-time error a step raises, 0 for none.
inline int errorOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const platform::RuntimeError &error) {
        return error.code();
    }
    return 0;
}

using ShownMessage = std::tuple<QString, QString, platform::MessageStyle>; // text, title, style

struct RecordingMessageBox final : platform::MessageBox
{
    void show(const QString &text, const QString &title, platform::MessageStyle style) override
    {
        shown.append({text, title, style});
        if (whileShown)
            whileShown(); // as if time passed before the player dismissed the box
    }
    QList<ShownMessage> shown;
    std::function<void()> whileShown;
};

// Records the end and unwinds, as the real end of the program stops every further step.
struct ObservedEnd final : platform::ProgramEnd
{
    void end(platform::ExitStatus status) override
    {
        this->status = status;
        throw platform::ProgramEnded{status};
    }
    void endWithin(std::chrono::milliseconds time, platform::ExitStatus status) override
    {
        deadline = time;
        deadlineStatus = status;
    }
    std::optional<platform::ExitStatus> status, deadlineStatus;
    std::optional<std::chrono::milliseconds> deadline;
};

struct FixedClock final : platform::Clock
{
    std::int64_t msecsSinceMidnight() const override { return msecs; }
    std::int64_t msecs = 12 * 3600 * 1000; // noon
};

// Hands out the queued values, then repeats the last one; counts the draws and logs every reseed.
struct ScriptedRandom final : platform::RandomSource
{
    float next() override
    {
        ++draws;
        if (!values.empty()) {
            last = values.front();
            values.pop_front();
        }
        return last;
    }
    void reseed(double seed) override { reseeds.append(seed); }
    void reseedFromTimer() override { ++timerReseeds; }
    std::deque<float> values;
    float last = 0.0f;
    int draws = 0, timerReseeds = 0;
    QList<double> reseeds;
};

struct FakeHost
{
    RecordingMessageBox messageBox;
    ObservedEnd programEnd;
    FixedClock clock;
    ScriptedRandom random;
    platform::Host host{messageBox, programEnd, clock, random, {}}; // no program directory unless a test gives one
};

#endif
