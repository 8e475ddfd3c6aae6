#ifndef TANGLEWICK_PLAY_SCRAMBLE_H
#define TANGLEWICK_PLAY_SCRAMBLE_H

#include <QString>

#include <cstdint>

namespace platform {
class RandomSource;
}

namespace play {

// The index to draw among count entries for a value 0 <= r < 1:
// floor(r * count + 1), so 1 to count. Kept in 32 bits so that every entry
// of a long word file can be drawn.
std::int32_t drawIndex(float r, std::int32_t count);

// Shuffles the letters of a word: reseeds from the timer, then swaps each
// position in turn with a position drawn from all but the last. The last
// letter therefore never stays last for two letters or more, and two
// letters always come out reversed. The arrangements are not equally
// likely.
QString scrambleLetters(const QString &word, platform::RandomSource &random);

} // namespace play

#endif
