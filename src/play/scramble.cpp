#include "play/scramble.h"

#include "platform/random.h"

#include <cmath>
#include <utility>

namespace play {

QString scrambleLetters(const QString &word, platform::RandomSource &random)
{
    QString letters = word;
    const qsizetype length = letters.size();
    random.reseedFromTimer();
    // Every position in turn swaps with one drawn from all but the last.
    for (qsizetype position = 0; position < length; ++position) {
        const double r = random.next();
        const auto partner = static_cast<qsizetype>(std::floor(r * static_cast<double>(length - 1)));
        std::swap(letters[position], letters[partner]);
    }
    return letters;
}

} // namespace play
