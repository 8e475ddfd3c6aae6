#ifndef TANGLEWICK_TESTS_ERRORS_H
#define TANGLEWICK_TESTS_ERRORS_H

#include "platform/runtimeerror.h"

#include <functional>

// The code of the run-time error a step raises, 0 for none.
inline int errorOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const platform::RuntimeError &error) {
        return error.code();
    }
    return 0;
}

#endif
