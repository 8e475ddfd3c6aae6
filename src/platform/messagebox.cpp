#include "messagebox.h"

#include <QMessageBox>

namespace platform {

void QtMessageBox::show(const QString &text, const QString &title, MessageStyle style)
{
    const QMessageBox::Icon icon = style == CriticalOk ? QMessageBox::Critical : QMessageBox::Information;
    // Lines are joined by CR LF; the box wants plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, QMessageBox::Ok);
    box.exec();
}

} // namespace platform
