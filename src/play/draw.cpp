#include "play/draw.h"

#include "platform/runtimeerror.h"

#include <cmath>

namespace play {

std::int32_t drawIndex(float r, std::int32_t count)
{
    return platform::checkedNarrow<std::int32_t>(
        static_cast<long long>(std::floor(static_cast<double>(r) * static_cast<double>(count) + 1.0)));
}

} // namespace play
