#include "platform/programend.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace platform {

void ProcessExit::end(ExitStatus status)
{
    // The game keeps nothing on disk, so there is nothing to tidy: leave at
    // once, without running another event or any exit handler of Qt's.
    std::fflush(nullptr);
    std::_Exit(status);
}

// A watch of its own, since the game itself may be held up in a call that
// does not return in time (a window server busy with the window).
void ProcessExit::endWithin(std::chrono::milliseconds time, ExitStatus status)
{
    std::thread([this, time, status] {
        std::this_thread::sleep_for(time);
        end(status);
    }).detach();
}

} // namespace platform
