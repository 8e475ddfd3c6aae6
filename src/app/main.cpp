#include "commandline/commandline.h"
#include "qtplatform/systemhost.h"
#include "window/form1.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace {
// The arguments, the program's name first. Windows hands argv over in the
// ANSI code page, which may lose letters of a name such as Zoë; its own
// command line is whole.
QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
} // namespace

int main(int argc, char *argv[])
{
    const commandline::Outcome options = commandline::read(programArguments(argc, argv));
    if (!options.play)
        return commandline::answer(options);
    commandline::note(options);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(TANGLEWICK_PRODUCT_NAME));
    QApplication::setDesktopFileName(QStringLiteral("org.tanglewick.Tanglewick"));
    platform::SystemHost system;
    Form1 window(system.host());
    window.load();
    window.show();
    return app.exec();
}
