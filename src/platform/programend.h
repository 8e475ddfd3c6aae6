#ifndef TANGLEWICK_PLATFORM_PROGRAMEND_H
#define TANGLEWICK_PLATFORM_PROGRAMEND_H

#include <chrono>

namespace platform {

enum ExitStatus : int {
    NormalExit = 0,
    MissingWordFileExit = 2,
    UnhandledErrorExit = 3,
};

// Thrown by an end of the program that cannot stop the process (a test's
// stand-in) so that no further step of the game runs; the event guard
// catches it.
struct ProgramEnded
{
    ExitStatus status;
};

// The immediate end of the program: every window goes, no further event
// handler runs. end() never returns normally.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void end(ExitStatus status) = 0;
    // Ends the program with the status once the time has passed, whatever
    // the game is doing or waiting on then, unless it has ended before.
    virtual void endWithin(std::chrono::milliseconds time, ExitStatus status) = 0;
};

class ProcessExit final : public ProgramEnd
{
public:
    void end(ExitStatus status) override;
    void endWithin(std::chrono::milliseconds time, ExitStatus status) override;
};

} // namespace platform

#endif
