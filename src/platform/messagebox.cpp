#include "messagebox.h"

#include <QMessageBox>

namespace platform {

void QtMessageBox::show(const QString &text, const QString &title, int style)
{
    const QMessageBox::Icon icon = style == CriticalOk ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.exec();
}

} // namespace platform
