#include "platform/host.h"

#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <new>

namespace platform {

namespace {
void reportUnhandledError(Host &host, ErrorCode code)
{
    host.messageBox.show(QStringLiteral("Run-time error '%1':\n\n%2").arg(code).arg(errorDescription(code)),
        QStringLiteral("Tanglewick"), CriticalOk);
    host.programEnd.end(UnhandledErrorExit);
}

} // namespace

QString programDirectory()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QString resolved = executable.canonicalFilePath();
    return QDir::toNativeSeparators(QFileInfo(resolved.isEmpty() ? executable.filePath() : resolved).path());
}

void runEvent(Host &host, const std::function<void()> &handler)
{
    try {
        try {
            handler();
        } catch (const RuntimeError &error) {
            reportUnhandledError(host, error.code());
        } catch (const std::bad_alloc &) {
            reportUnhandledError(host, OutOfMemory);
        }
    } catch (const ProgramEnded &) {
        // Only a stand-in for the end of the program returns here; the
        // real one never comes back.
    }
}

} // namespace platform
