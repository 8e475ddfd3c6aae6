#include "qtplatform/windowgeometry.h"

#include "platform/runtimeerror.h"
#include "widgets/layout.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define TANGLEWICK_HAS_XCB 1
#if QT_CONFIG(xcb) && __has_include(<dlfcn.h>)
#include <QtGui/qguiapplication_platform.h>
#include <dlfcn.h>
#define TANGLEWICK_READS_X11_PROPERTIES 1
#endif
#endif

// Under X11 the window manager answers each configure request of a window
// with a ConfigureNotify, real or sent, even one it refuses or changes
// (ICCCM 4.1.5). Waiting for that answer before the next pass keeps the
// game from running ahead of the window manager, which would otherwise go
// on carrying out queued passes on an empty frame after the game has ended.
// Elsewhere a request is carried out at once (Windows) or not at all
// (Wayland, whose compositor places windows), and there is none to wait for.
class WindowManagerReplies final : public QAbstractNativeEventFilter
{
public:
    explicit WindowManagerReplies(WId window)
        : m_window(window)
    {
        m_timeout.setSingleShot(true);
        QObject::connect(&m_timeout, &QTimer::timeout, &m_loop, &QEventLoop::quit);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~WindowManagerReplies() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    WindowManagerReplies(const WindowManagerReplies &) = delete;
    WindowManagerReplies &operator=(const WindowManagerReplies &) = delete;

    // Waits for the answer to the request just made, until the deadline at
    // the latest. Paints and window-system events are taken meanwhile; the
    // player's keys and clicks are not.
    void await(QDeadlineTimer deadline)
    {
        m_timeout.start(std::chrono::ceil<std::chrono::milliseconds>(deadline.remainingTimeAsDuration()));
        m_loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_timeout.stop();
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
#ifdef TANGLEWICK_HAS_XCB
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) == XCB_CONFIGURE_NOTIFY
            && reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window == m_window) {
            if (m_loop.isRunning())
                m_loop.quit();
        }
#else
        Q_UNUSED(eventType);
        Q_UNUSED(message);
#endif
        return false;
    }

private:
    WId m_window;
    QEventLoop m_loop;
    QTimer m_timeout;
};

namespace {
// How long a pass waits for the window manager's answer at most: one that
// does not answer at all still sees the animation go on, if slowly. A busy
// window manager takes up to 15 ms over a pass.
constexpr std::chrono::milliseconds AnswerTime{50};

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

#ifdef TANGLEWICK_READS_X11_PROPERTIES
namespace {
// libxcb comes loaded with Qt's X11 platform, and its few calls here are
// looked up in it rather than linked: a program linked with it loads it
// ahead of Qt's libraries, and the dynamic linker then searches it first
// for each of the start-up's many symbols (0.7 % of the start-up).
template<typename Function> Function *fromXcb(const char *name)
{
    static void *const library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    return reinterpret_cast<Function *>(library ? dlsym(library, name) : nullptr);
}
#define FROM_XCB(name) (*fromXcb<decltype(name)>(#name))

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie
        = FROM_XCB(xcb_intern_atom)(connection, true, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        FROM_XCB(xcb_intern_atom_reply)(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The 32-bit values of the property of the window, none when it has none.
std::vector<std::uint32_t> cardinals(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie
        = FROM_XCB(xcb_get_property)(connection, false, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        FROM_XCB(xcb_get_property_reply)(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(FROM_XCB(xcb_get_property_value)(reply.get()));
    return {values, values + FROM_XCB(xcb_get_property_value_length)(reply.get()) / 4};
}
} // namespace
#endif

bool hasWindowManagersFrame(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect client = window->geometry();
#ifdef TANGLEWICK_READS_X11_PROPERTIES
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) {
        xcb_connection_t *connection = x11->connection();
        const xcb_atom_t frameExtents = atom(connection, "_NET_FRAME_EXTENTS");
        const xcb_window_t root = FROM_XCB(xcb_setup_roots_iterator)(FROM_XCB(xcb_get_setup)(connection)).data->root;
        const auto supported = cardinals(connection, root, atom(connection, "_NET_SUPPORTED"));
        if (frameExtents != XCB_ATOM_NONE && std::ranges::find(supported, frameExtents) != supported.end()) {
            // left, right, top, bottom
            const auto told = cardinals(connection, static_cast<xcb_window_t>(window->winId()), frameExtents);
            return told.size() == 4 && static_cast<int>(told[0]) == client.left() - outer.left()
                && static_cast<int>(told[1]) == outer.right() - client.right()
                && static_cast<int>(told[2]) == client.top() - outer.top()
                && static_cast<int>(told[3]) == outer.bottom() - client.bottom();
        }
    }
#endif
    return outer.size() != client.size();
}

QtWindowGeometry::QtWindowGeometry(QWidget *window, std::chrono::milliseconds time)
    : m_window(window)
    , m_deadline(time)
    , m_outer(window->frameGeometry())
{
    const QRect client = window->geometry();
    m_frame = QMargins(client.left() - m_outer.left(), client.top() - m_outer.top(), m_outer.right() - client.right(),
        m_outer.bottom() - client.bottom());
    // The window only shrinks from here on: down to a pixel, never past the
    // size it has, so it still cannot be enlarged or maximized.
    m_window->setMinimumSize(1, 1);
#ifdef TANGLEWICK_HAS_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_replies = std::make_unique<WindowManagerReplies>(window->winId());
#endif
}

QtWindowGeometry::~QtWindowGeometry() = default;

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
}

void QtWindowGeometry::setLeft(float twips)
{
    m_outer.moveLeft(toPixels(twips));
}

void QtWindowGeometry::setWidth(float twips)
{
    const int client = std::max(1, toPixels(twips) - m_frame.left() - m_frame.right());
    m_outer.setWidth(client + m_frame.left() + m_frame.right());
}

void QtWindowGeometry::setHeight(float twips)
{
    const int client = std::max(1, toPixels(twips) - m_frame.top() - m_frame.bottom());
    m_outer.setHeight(client + m_frame.top() + m_frame.bottom());
}

float QtWindowGeometry::screenWidth() const
{
    const QScreen *screen = m_window->screen();
    if (!screen)
        platform::raise(platform::Overflow);
    return toTwips(screen->geometry().width());
}

// Hands the pass to the window system in one request and shows it.
bool QtWindowGeometry::showPass()
{
    m_window->setGeometry(m_outer - m_frame);
    if (m_replies) {
        m_replies->await(std::min(m_deadline, QDeadlineTimer(AnswerTime)));
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QGuiApplication::sync();
    }
    return !m_deadline.hasExpired();
}
