// The real game window and host services, for a compositor with no keyboard
// or pointer: once on screen the window is asked to close, and the summary
// box dismisses itself a moment after it shows. The time of that, in
// milliseconds since the epoch, goes to standard output, for the caller to
// time the end of the program from. Usage: wayland_close (beside the word files)

#include "qtplatform/systemhost.h"
#include "window/form1.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SystemHost system;
    Form1 window(system.host());
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 10000))
        return 1;
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer player; // dismisses the summary a moment after it shows
    QObject::connect(&player, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("dismissed %lld\n", QDateTime::currentMSecsSinceEpoch());
            std::fflush(stdout);
            box->accept();
        }
    });
    player.start(300);
    return app.exec();
}
