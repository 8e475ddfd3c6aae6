#include "app/commandline.h"
#include "app/form1.h"
#include "app/systemhost.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const commandline::Outcome options = commandline::read(arguments);
    if (!options.play) {
        std::fputs(options.text.toLocal8Bit().constData(), options.onStandardError ? stderr : stdout);
        return options.status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(TANGLEWICK_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TANGLEWICK_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("org.tanglewick.Tanglewick"));
    platform::SystemHost system;
    Form1 window(system.host());
    window.load();
    window.show();
    return app.exec();
}
