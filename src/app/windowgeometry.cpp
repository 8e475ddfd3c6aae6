#include "app/windowgeometry.h"

#include "app/layout.h"
#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
float toTwips(int pixels)
{
    return static_cast<float>(pixels * layout::TwipsPerPixel);
}

int toPixels(float twips)
{
    const double pixels = std::round(static_cast<double>(twips) / layout::TwipsPerPixel);
    if (!std::isfinite(pixels) || std::fabs(pixels) > 1e6)
        platform::raise(platform::Overflow);
    return static_cast<int>(pixels);
}
} // namespace

QtWindowGeometry::QtWindowGeometry(QWidget *window, std::chrono::milliseconds time)
    : m_window(window)
    , m_deadline(time)
    , m_outer(window->frameGeometry())
{
    const QRect client = window->geometry();
    m_frame = QMargins(client.left() - m_outer.left(), client.top() - m_outer.top(), m_outer.right() - client.right(),
        m_outer.bottom() - client.bottom());
}

float QtWindowGeometry::top() const
{
    return toTwips(m_outer.top());
}

float QtWindowGeometry::left() const
{
    return toTwips(m_outer.left());
}

float QtWindowGeometry::width() const
{
    return toTwips(m_outer.width());
}

float QtWindowGeometry::height() const
{
    return toTwips(m_outer.height());
}

void QtWindowGeometry::setTop(float twips)
{
    m_outer.moveTop(toPixels(twips));
    m_window->move(m_outer.topLeft());
}

void QtWindowGeometry::setLeft(float twips)
{
    m_outer.moveLeft(toPixels(twips));
    m_window->move(m_outer.topLeft());
}

void QtWindowGeometry::setWidth(float twips)
{
    const int client = std::max(1, toPixels(twips) - m_frame.left() - m_frame.right());
    m_outer.setWidth(client + m_frame.left() + m_frame.right());
    m_window->setFixedWidth(client);
}

void QtWindowGeometry::setHeight(float twips)
{
    const int client = std::max(1, toPixels(twips) - m_frame.top() - m_frame.bottom());
    m_outer.setHeight(client + m_frame.top() + m_frame.bottom());
    m_window->setFixedHeight(client);
}

float QtWindowGeometry::screenWidth() const
{
    const QScreen *screen = m_window->screen();
    if (!screen)
        platform::raise(platform::Overflow);
    return toTwips(screen->geometry().width());
}

// Shows the pass on screen. Paints and window-system replies are taken;
// the player's keys and clicks are not.
bool QtWindowGeometry::showPass()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::sync();
    return !m_deadline.hasExpired();
}
