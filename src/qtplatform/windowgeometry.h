#ifndef TANGLEWICK_QTPLATFORM_WINDOWGEOMETRY_H
#define TANGLEWICK_QTPLATFORM_WINDOWGEOMETRY_H

#include "closing/closing.h"

#include <QDeadlineTimer>
#include <QMargins>
#include <QRect>

#include <memory>

class QWidget;
class WindowManagerReplies;

// A real top-level window's outer geometry in twips. A width or height
// below one pixel of client area is adjusted to that, not refused.
//
// The window manager carries out moves and resizes asynchronously, and its
// replies arrive late and out of step; so the geometry last set is kept
// here and read back, rather than the window's reported one. A pass goes to
// the window manager as one request for position and size together, shown
// at the end of the pass: handed a move and a resize apart, a window manager
// may carry out the one before the other, and the window would no longer
// shrink about its centre. Each pass then waits for the window manager's
// reply, so that no pass is left queued when the program ends.
//
// The animation has its time, counted from when this is made: a window
// manager that composites every resize of the window can take seconds over
// the passes.
class QtWindowGeometry final : public closing::WindowGeometry
{
public:
    explicit QtWindowGeometry(QWidget *window, std::chrono::milliseconds time = closing::AnimationTime);
    ~QtWindowGeometry() override;
    QtWindowGeometry(const QtWindowGeometry &) = delete;
    QtWindowGeometry &operator=(const QtWindowGeometry &) = delete;

    float top() const override;
    float left() const override;
    float width() const override;
    float height() const override;
    void setTop(float twips) override;
    void setLeft(float twips) override;
    void setWidth(float twips) override;
    void setHeight(float twips) override;
    float screenWidth() const override;
    bool showPass() override;

private:
    QWidget *m_window;
    QDeadlineTimer m_deadline;
    QRect m_outer; // pixels
    QMargins m_frame; // the frame around the client area, pixels
    std::unique_ptr<WindowManagerReplies> m_replies;
};

// Whether the window's frame as Qt has it (frameGeometry()) is the one the
// window manager has framed the window with. Under X11 that is so once the
// window manager has told the frame's extents (_NET_FRAME_EXTENTS) and Qt has
// taken them up; until then Qt measures the frame from the window tree, and
// a window manager may reparent the window into a frame that is not ready:
// mutter 48's frames, drawn by a client of their own, are first a 29x69
// window, then one with the frame's shadow in it. A window manager without
// frame extents leaves the window tree as the frame. Elsewhere the frame is
// known once the window is shown.
bool hasWindowManagersFrame(const QWidget *window);

#endif
