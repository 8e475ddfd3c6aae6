#ifndef TANGLEWICK_PLAY_SCRAMBLE_H
#define TANGLEWICK_PLAY_SCRAMBLE_H

#include <QString>

namespace platform {
class RandomSource;
}

namespace play {

// Shuffles the letters of a word: reseeds from the timer, then swaps each
// position in turn with a position drawn from all but the last. The last
// letter therefore never stays last for two letters or more, and two
// letters always come out reversed. The arrangements are not equally
// likely.
QString scrambleLetters(const QString &word, platform::RandomSource &random);

} // namespace play

#endif
