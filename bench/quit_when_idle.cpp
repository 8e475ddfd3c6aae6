// Linked into a program, ends it the first time its event loop is about to
// wait after a top-level window has been painted: the moment the program
// has started and has nothing left to do. It ends at once, without tearing
// anything down, so that counting the instructions of a run under callgrind
// counts the start-up alone.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace {
class QuitWhenIdle : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            // The paint that follows the window's first exposure; what is left
            // of it (the children, the flush) runs before the loop waits again.
            qApp->removeEventFilter(this);
            connect(
                QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [] { std::_Exit(0); });
        }
        return false;
    }
};

void quitWhenIdle()
{
    qApp->installEventFilter(new QuitWhenIdle(qApp));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitWhenIdle)
