#ifndef TANGLEWICK_PLATFORM_MESSAGEBOX_H
#define TANGLEWICK_PLATFORM_MESSAGEBOX_H

#include <QString>

namespace platform {

enum MessageStyle : int {
    CriticalOk = 16, // critical-stop icon and an OK button
    InformationOk = 64, // information icon and an OK button
};

// A modal message box: show() returns once the player has dismissed it.
// Tests record the messages instead of showing them.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &text, const QString &title, MessageStyle style) = 0;
};

} // namespace platform

#endif
