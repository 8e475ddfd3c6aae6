#include "form1.h"
#include "host.h"

#include <QApplication>

int main(int argc, char *argv[])
{
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
