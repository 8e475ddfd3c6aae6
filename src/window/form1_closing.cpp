// Closing the window: the summary of the game, then the window shrinks
// and slides away, and the program ends.

#include "window/form1.h"

#include "closing/closing.h"
#include "platform/host.h"
#include "qtplatform/windowgeometry.h"

#include <QCloseEvent>
#include <QLineEdit>

// Closing cannot be cancelled: Cancel is neither read nor set.
void Form1::Form_Unload(std::int16_t &Cancel)
{
    Q_UNUSED(Cancel);
    EndTime = platform::timeOfDay(m_host.clock);
    PlayTime = closing::playTime(StartTime, EndTime);
    m_host.messageBox.show(closing::summaryText(PlayTime, Cword->text(), InCor->text(), Text2->text()),
        QStringLiteral("Tanglewick"), platform::InformationOk);
    m_host.programEnd.endWithin(closing::ClosingTime, platform::NormalExit);
    QtWindowGeometry geometry(this, m_animationTime);
    closing::animateAway(geometry);
    m_host.programEnd.end(platform::NormalExit);
}

void Form1::closeEvent(QCloseEvent *)
{
    // A second close request while the summary or the animation is on
    // screen changes nothing.
    if (!m_closing) {
        m_closing = true;
        std::int16_t Cancel = 0;
        platform::runEvent(m_host, *this, &Form1::Form_Unload, Cancel);
    }
}
