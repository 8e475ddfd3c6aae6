#ifndef TANGLEWICK_PLATFORM_HOST_H
#define TANGLEWICK_PLATFORM_HOST_H

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/programend.h"
#include "platform/random.h"
#include "platform/runtimeerror.h"

#include <QString>

#include <new>
#include <utility>

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

// Reports a run-time error no procedure handled, with its code and
// description, and ends the program.
void reportUnhandledError(Host &host, ErrorCode code);

// Runs one event handler, object's member function handler with the event's
// arguments: every event reaches the game through here. A run-time error that
// no procedure on the way handled is reported, and the program ends.
template<typename Object, typename... Parameters, typename... Arguments>
void runEvent(Host &host, Object &object, void (Object::*handler)(Parameters...), Arguments &&...arguments)
{
    try {
        try {
            (object.*handler)(std::forward<Arguments>(arguments)...);
        } catch (const RuntimeError &error) {
            reportUnhandledError(host, error.code());
        } catch (const std::bad_alloc &) {
            reportUnhandledError(host, OutOfMemory);
        }
    } catch (const ProgramEnded &) {
        // Only a stand-in for the end of the program returns here; the
        // real one never comes back.
    }
}

} // namespace platform

#endif
