#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

// Never shown and never focused: a screen reader hears it as a notification
// that appears each time the game announces something, with the
// announcement as its name. It is a child of the window so that the screen
// reader finds it among the game's objects.
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

namespace {
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

QAccessibleInterface *announcerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
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

ScreenReader::ScreenReader(QWidget &window, QWidget &guessBox)
    : m_window(window)
    , m_guessBox(guessBox)
{
    static const bool factoryInstalled = (QAccessible::installFactory(announcerFactory), true);
    Q_UNUSED(factoryInstalled);
    m_announcer = new Announcer(&window);
}

// Announced once the event that called for it is done, so that the screen
// reader first presents what the event did itself (the focus moving to the
// round button chosen, or away from the guess box). The words the game adds
// to its messages hold no punctuation but commas and full stops, which a
// screen reader does not speak by name (Orca says "colon" for a colon).
void ScreenReader::announce(const QString &message)
{
    if (!m_window.isVisible())
        return;
    QMetaObject::invokeMethod(
        m_announcer,
        [announcer = m_announcer, message] {
            announcer->message = message;
            QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        },
        Qt::QueuedConnection);
}

// The guess box's description is read whenever the focus comes to it; a
// change of it is not (Orca 43 fails on the event Qt 6.4 sends for it), so
// the word is announced as well.
void ScreenReader::announceWord(const QString &scrambled)
{
    const QString letters = QStringLiteral("Scrambled letters, ") + spelt(scrambled);
    m_guessBox.setAccessibleDescription(letters);
    announce(letters);
}

void ScreenReader::announceVerdict(const QString &verdict, const QString &score)
{
    announce(score.isEmpty() ? verdict : verdict + QStringLiteral(" Score ") + score);
}

void ScreenReader::announceAnswer(const QString &answer)
{
    announce(QStringLiteral("The word is ") + answer + QStringLiteral(", spelt ") + spelt(answer));
}

#include "accessibility.moc"
