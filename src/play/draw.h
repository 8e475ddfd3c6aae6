#ifndef TANGLEWICK_PLAY_DRAW_H
#define TANGLEWICK_PLAY_DRAW_H

#include <cstdint>

namespace play {

// The index to draw among count entries for a value 0 <= r < 1:
// floor(r * count + 1), so 1 to count. Kept in 32 bits so that every entry
// of a long word file can be drawn.
std::int32_t drawIndex(float r, std::int32_t count);

} // namespace play

#endif
