#ifndef TANGLEWICK_QTPLATFORM_SYSTEMHOST_H
#define TANGLEWICK_QTPLATFORM_SYSTEMHOST_H

// The real host services, for the game itself: the message box is Qt's own,
// a widget, so they live with the window.

#include "platform/host.h"

namespace platform {

class QtMessageBox final : public MessageBox
{
public:
    void show(const QString &text, const QString &title, MessageStyle style) override;
};

class SystemHost
{
public:
    SystemHost();
    Host &host() { return m_host; }

private:
    QtMessageBox m_messageBox;
    ProcessExit m_programEnd;
    SystemClock m_clock;
    MixingRandom m_random;
    Host m_host;
};

} // namespace platform

#endif
