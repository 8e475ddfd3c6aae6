#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <utility>

namespace {
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

// Announced once the event that called for it is done, so that the screen
// reader first presents what the event did itself (the focus moving to the
// round button chosen, or away from the guess box). The words the game adds
// to its messages hold no punctuation but commas and full stops, which a
// screen reader does not speak by name (Orca says "colon" for a colon).
void announce(QWidget &window, const QString &message)
{
    auto *announcer = window.findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer || !window.isVisible())
        return;
    QMetaObject::invokeMethod(
        announcer,
        [announcer, message] {
            announcer->message = message;
            QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        },
        Qt::QueuedConnection);
}

QWidget *control(QWidget &window, const char *objectName)
{
    QWidget *found = window.findChild<QWidget *>(QLatin1String(objectName), Qt::FindDirectChildrenOnly);
    Q_ASSERT(found);
    return found;
}
} // namespace

void describeForScreenReaders(QWidget &window)
{
    const std::pair<const char *, const char *> names[]{
        {"GuessWord", "Guess"},
        {"GetNewWord", "New Word"},
        {"ShowWord", "Show word"},
        {"Text2", "Score"},
        {"Text1", "Verdict"},
        {"Text3", "Verdict"},
        {"Option8", "8 letters"},
        {"Option9", "9 letters"},
        {"Option10", "10 letters"},
        {"Option11", "11 letters"},
        {"Option12", "12 letters"},
        {"Label5", "Word lengths"},
        {"Label6", "Copyright"},
        {"WordList", "Word list"},
        {"TextBox1", "Scrambled word"},
        {"PickWord", "Answer"},
        {"Cword", "Words played"},
        {"InCor", "Incorrect guesses"},
    };
    for (const auto &[objectName, spokenName] : names)
        control(window, objectName)->setAccessibleName(QString::fromLatin1(spokenName));
    control(window, "ShowWord")
        ->setAccessibleDescription(QStringLiteral("Shows the answer in the second row of tiles"));

    static const bool factoryInstalled = (QAccessible::installFactory(announcerFactory), true);
    Q_UNUSED(factoryInstalled);
    new Announcer(&window);
}

// The guess box's description is read whenever the focus comes to it; a
// change of it is not (Orca 43 fails on the event Qt 6.4 sends for it), so
// the word is announced as well.
void announceWord(QWidget &window, const QString &scrambled)
{
    const QString letters = QStringLiteral("Scrambled letters, ") + spelt(scrambled);
    control(window, "GuessWord")->setAccessibleDescription(letters);
    announce(window, letters);
}

void announceVerdict(QWidget &window, const QString &verdict, const QString &score)
{
    announce(window, score.isEmpty() ? verdict : verdict + QStringLiteral(" Score ") + score);
}

void announceAnswer(QWidget &window, const QString &answer)
{
    announce(window, QStringLiteral("The word is ") + answer + QStringLiteral(", spelt ") + spelt(answer));
}

#include "accessibility.moc"
