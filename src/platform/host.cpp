#include "platform/host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

void reportUnhandledError(Host &host, ErrorCode code)
{
    host.messageBox.show(QStringLiteral("Run-time error '%1':\n\n%2").arg(code).arg(errorDescription(code)),
        QStringLiteral("Tanglewick"), CriticalOk);
    host.programEnd.end(UnhandledErrorExit);
}

QString programDirectory()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QString resolved = executable.canonicalFilePath();
    return QDir::toNativeSeparators(QFileInfo(resolved.isEmpty() ? executable.filePath() : resolved).path());
}

} // namespace platform
