#ifndef TANGLEWICK_CLOSING_CLOSING_H
#define TANGLEWICK_CLOSING_CLOSING_H

// What happens when the window closes, free of widgets: the time played,
// the summary's text, and the closing animation over a window-geometry seam.

#include "platform/clock.h"

#include <QString>

#include <chrono>

namespace closing {

// Closing ends within half a second of the summary: the animation stops
// once it has run its time, and the program ends at the latest a little
// after, even if the window server holds the game up in mid-pass.
inline constexpr std::chrono::milliseconds AnimationTime{350};
inline constexpr std::chrono::milliseconds ClosingTime{400};

// The time played from the start and end times of day. A game that ran
// across midnight counts on past it instead of going negative.
platform::Date playTime(platform::Date start, platform::Date end);

// The five lines of the closing summary, joined by CR LF.
QString summaryText(platform::Date played, const QString &wordsPlayed, const QString &incorrect, const QString &score);

// The window's outer position and size and the screen's width, in twips.
// A platform may adjust or refuse a value; a refusal or a failed read is a
// run-time error.
class WindowGeometry
{
public:
    virtual ~WindowGeometry() = default;
    virtual float top() const = 0;
    virtual float left() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setTop(float twips) = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setWidth(float twips) = 0;
    virtual void setHeight(float twips) = 0;
    virtual float screenWidth() const = 0;
    // Called after each pass, so the platform can show it. False when the
    // animation should go no further: its time is up.
    virtual bool showPass() { return true; }
};

// The passes the animation makes when every move succeeds: the smallest
// k >= 1 for which top + 30 k passes the screen's width.
int passesToLeave(float top, float screenWidth);

// Shrinks the window about its centre and slides it towards the lower
// right, 30 twips a pass, until its top edge passes the screen's width.
// Every failing step is skipped. It also stops when a pass no longer moves
// the window (a platform that keeps windows on screen), when the platform
// calls time on it, and after the passes its starting top calls for, so it
// always ends. Gives the passes made.
int animateAway(WindowGeometry &window);

} // namespace closing

#endif
