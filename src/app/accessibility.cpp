#include "accessibility.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

namespace {
std::function<void(QObject *)> announcementListener;

// Raises an alert for a message box of the window each time it is shown.
class Announcer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (announcementListener)
                announcementListener(watched);
        }
        return false;
    }
};
} // namespace

void setAnnouncementListener(std::function<void(QObject *)> listener)
{
    announcementListener = std::move(listener);
}

void describeForScreenReaders(QWidget &window)
{
    const auto control = [&window](const char *objectName) {
        QWidget *found = window.findChild<QWidget *>(QLatin1String(objectName), Qt::FindDirectChildrenOnly);
        Q_ASSERT(found);
        return found;
    };
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
        control(objectName)->setAccessibleName(QString::fromLatin1(spokenName));
    control("ShowWord")->setAccessibleDescription(QStringLiteral("Shows the answer in the second row of tiles"));

    auto *announcer = new Announcer(&window);
    control("Text1")->installEventFilter(announcer);
    control("Text3")->installEventFilter(announcer);
}
