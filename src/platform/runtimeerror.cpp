#include "runtimeerror.h"

#include <limits>

namespace platform {

QString errorDescription(int code)
{
    switch (code) {
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case FloatingPointError:
        return QStringLiteral("Floating-point error");
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

RuntimeError::RuntimeError(int code)
    : std::runtime_error(errorDescription(code).toStdString())
    , m_code(code)
{ }

void raise(int code)
{
    throw RuntimeError(code);
}

std::int16_t toInt16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        raise(Overflow);
    return static_cast<std::int16_t>(value);
}

std::int32_t toInt32(long long value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        raise(Overflow);
    return static_cast<std::int32_t>(value);
}

} // namespace platform
