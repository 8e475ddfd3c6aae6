#ifndef TANGLEWICK_PLATFORM_HOST_H
#define TANGLEWICK_PLATFORM_HOST_H

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/programend.h"
#include "platform/random.h"

#include <QString>

#include <functional>

namespace platform {

// The host services the game leans on, gathered so that the window can be
// handed the real ones or a test's stand-ins.
struct Host
{
    MessageBox &messageBox;
    ProgramEnd &programEnd;
    const Clock &clock;
    RandomSource &random;
    QString programDirectory;
};

// The directory holding the running executable, symbolic links resolved.
QString programDirectory();

// Runs one event handler. A run-time error that no procedure on the way
// handled is reported with its code and description, and the program ends.
void runEvent(Host &host, const std::function<void()> &handler);

} // namespace platform

#endif
