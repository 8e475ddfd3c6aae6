// The game's window with all its controls but no word list: what a bare
// Qt Widgets program showing the same window costs.

#include "qtplatform/systemhost.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SystemHost system;
    Form1 window(system.host());
    window.show();
    return app.exec();
}
