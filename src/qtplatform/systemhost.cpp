#include "qtplatform/systemhost.h"

#include <QMessageBox>
#include <QRandomGenerator>

namespace platform {

SystemHost::SystemHost()
    : m_random(m_clock, QRandomGenerator::system()->generate64())
    , m_host{m_messageBox, m_programEnd, m_clock, m_random, programDirectory()}
{ }

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
