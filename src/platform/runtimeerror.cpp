#include "platform/runtimeerror.h"

namespace platform {

QString errorDescription(ErrorCode code)
{
    switch (code) {
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case DeviceIOError:
        return QStringLiteral("Device I/O error");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ControlArrayElementMissing:
        return QStringLiteral("Control array element does not exist");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(ErrorCode code)
    : std::runtime_error(errorDescription(code).toStdString())
    , m_code(code)
{ }

void raise(ErrorCode code)
{
    throw RuntimeError(code);
}

} // namespace platform
