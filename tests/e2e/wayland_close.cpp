// The real game window and host services, for a compositor with no keyboard
// or pointer: once on screen the window is asked to close, and the summary
// box dismisses itself a moment after it shows. The time of that, in
// milliseconds since the epoch, goes to standard output, for the caller to
// time the end of the program from. Usage: wayland_close (beside the word files)

#include "app/form1.h"
#include "app/systemhost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
class DismissedSoon final : public platform::MessageBox
{
public:
    void show(const QString &text, const QString &title, platform::MessageStyle style) override
    {
        QTimer::singleShot(300, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_real.show(text, title, style);
        std::printf("dismissed %lld\n", QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
    }

private:
    platform::QtMessageBox m_real;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DismissedSoon summary;
    platform::ProcessExit programEnd;
    platform::SystemClock clock;
    platform::MixingRandom random(clock, 1);
    platform::Host host{summary, programEnd, clock, random, platform::programDirectory()};
    Form1 window(host);
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 10000)) {
        std::fputs("the window was not shown\n", stderr);
        return 1;
    }
    QTimer::singleShot(0, &window, &QWidget::close);
    return app.exec();
}
