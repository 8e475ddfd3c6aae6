#ifndef TANGLEWICK_PLAY_SCRAMBLE_H
#define TANGLEWICK_PLAY_SCRAMBLE_H

#include <QString>

#include <cstdint>

namespace platform {
class RandomSource;
}

namespace play {

// The index of the word to draw for a value 0 <= r < 1: floor(r * WordCount
// + 1), so 1 to WordCount, never the separator at 0. Kept in 32 bits so that
// every entry of a long word file can be drawn.
std::int32_t drawIndex(float r, std::int32_t WordCount);

// Shuffles the letters of a word: reseeds from the timer, then for each
// position J from 1 to L swaps J with a position drawn from 1 to L - 1.
// The last letter therefore never stays last for L >= 2, and two letters
// always come out reversed. The arrangements are not equally likely.
QString ScrambleWord(const QString &word, platform::RandomSource &random);

} // namespace play

#endif
