#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// A box kept out of sight below the client area: its name and role, and
// nothing of its text or its rows, not even in the events its changes send
// (Qt passes on a change of text only for an object that has text).
class ConcealedAccessible : public QAccessibleWidget
{
public:
    explicit ConcealedAccessible(QWidget *box)
        : QAccessibleWidget(box, qobject_cast<QAbstractItemView *>(box) ? QAccessible::List : QAccessible::EditableText)
    { }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

const char *const Concealed = "concealedFromScreenReaders";

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there is no announcement as such: a screen reader that
// presents notifications (Orca 43 does) hears this one appear, never shown
// and never focused, with the announcement as its name. It is a child of
// the window so that the screen reader finds it among the game's objects.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window)
        : QWidget(window)
    {
        hide();
    }

    QString message;
};

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }

    // The name changes unannounced: the notification itself is the event.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<Announcer *>(widget())->message;
        return QAccessibleWidget::text(kind);
    }
};

void present(QWidget *announcer, const QString &message)
{
    static_cast<Announcer *>(announcer)->message = message;
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
#else
// From the control with the focus, where there is one: Orca 48 passes over
// a second announcement from a game within a tenth of a second of the
// first, as a flood, unless it comes from what has the focus.
void present(QWidget *window, const QString &message)
{
    QWidget *focus = window->focusWidget();
    QAccessibleAnnouncementEvent announcement(focus ? focus : window, message);
    QAccessible::updateAccessibility(&announcement);
}
#endif

QAccessibleInterface *gameFactory(const QString &className, QObject *object)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (className == QLatin1String("Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
#else
    Q_UNUSED(className);
#endif
    if (object->property(Concealed).toBool())
        return new ConcealedAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// Letters spoken one by one: "R T A I N G L E".
QString spelt(const QString &word)
{
    QStringList letters;
    for (const QChar letter : word)
        letters.append(letter);
    return letters.join(QLatin1Char(' '));
}

} // namespace

void ScreenReader::install()
{
    static const bool installed = (QAccessible::installFactory(gameFactory), true);
    Q_UNUSED(installed);
}

void ScreenReader::conceal(QWidget &box)
{
    box.setProperty(Concealed, true);
    // A reading Qt made of it before now (Qt makes them as the box is built,
    // screen reader or none) was the default one: it goes, and the next is
    // made anew.
    if (QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(&box))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(reading));
}

ScreenReader::ScreenReader(QWidget &window, QWidget &guessBox)
    : m_window(window)
{
    guessBox.installEventFilter(this);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    m_announcer = new Announcer(&window);
#else
    m_announcer = &window;
#endif
}

// Announced once the event that called for it is done, so that the screen
// reader first presents what the event did itself (the focus moving to the
// round button chosen, or to the guess box). The words the game adds to its
// messages hold no punctuation but commas and full stops, which a screen
// reader does not speak by name (Orca says "colon" for a colon).
void ScreenReader::announce(const QString &message)
{
    // Nobody to tell while no screen reader listens (nor work at start-up).
    if (!m_window.isVisible() || !QAccessible::isActive())
        return;
    m_pending.append(message);
    QMetaObject::invokeMethod(
        m_announcer,
        [this, message] {
            m_pending.removeOne(message);
            present(m_announcer, message);
        },
        Qt::QueuedConnection);
}

// The focus coming to the guess box: the letters again, unless they are on
// their way already (New Word draws and hands the focus back at once).
bool ScreenReader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && !m_letters.isEmpty() && !m_pending.contains(m_letters))
        announce(m_letters);
    return QObject::eventFilter(watched, event);
}

void ScreenReader::announceWord(const QString &scrambled)
{
    m_letters = QStringLiteral("Scrambled letters, ") + spelt(scrambled);
    announce(m_letters);
}

void ScreenReader::announceVerdict(const QString &verdict, const QString &score)
{
    announce(score.isEmpty() ? verdict : verdict + QStringLiteral(" Score ") + score);
}

void ScreenReader::announceAnswer(const QString &answer)
{
    announce(QStringLiteral("The word is ") + answer + QStringLiteral(", spelt ") + spelt(answer));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "accessibility.moc"
#endif
