#ifndef TANGLEWICK_PLATFORM_RUNTIMEERROR_H
#define TANGLEWICK_PLATFORM_RUNTIMEERROR_H

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace platform {

// Numeric codes of the run-time errors the game can meet. A failing step
// throws a RuntimeError; it ends the procedure and passes to the caller
// until a handler that knows the code takes it, or the event guard
// reports it as unhandled.
enum ErrorCode : int {
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    FloatingPointError = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    DeviceIOError = 57,
    PathFileAccessError = 75,
    ControlArrayElementMissing = 340,
};

QString errorDescription(int code);

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(int code);
    int code() const { return m_code; }

private:
    int m_code;
};

[[noreturn]] void raise(int code);

// 16- and 32-bit whole numbers as the game keeps its counts; a value out of
// range is an overflow.
std::int16_t toInt16(long long value);
std::int32_t toInt32(long long value);

} // namespace platform

#endif
