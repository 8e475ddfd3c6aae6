#ifndef TANGLEWICK_PLATFORM_RUNTIMEERROR_H
#define TANGLEWICK_PLATFORM_RUNTIMEERROR_H

#include <QString>

#include <concepts>
#include <stdexcept>
#include <utility>

namespace platform {

// Numeric codes of the run-time errors the game can meet. A failing step
// throws a RuntimeError; it ends the procedure and passes to the caller
// until a handler that knows the code takes it, or the event guard
// reports it as unhandled.
enum ErrorCode : int {
    Overflow = 6,
    OutOfMemory = 7,
    TypeMismatch = 13,
    FileNotFound = 53,
    DeviceIOError = 57,
    PathFileAccessError = 75,
    ControlArrayElementMissing = 340,
};

QString errorDescription(ErrorCode code);

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorCode code);
    ErrorCode code() const { return m_code; }

private:
    ErrorCode m_code;
};

[[noreturn]] void raise(ErrorCode code);

// A whole number kept in a narrower type, as the game keeps its 16- and
// 32-bit counts: a value out of the type's range is an overflow.
template<std::integral Narrow> Narrow checkedNarrow(long long value)
{
    if (!std::in_range<Narrow>(value))
        raise(Overflow);
    return static_cast<Narrow>(value);
}

} // namespace platform

#endif
