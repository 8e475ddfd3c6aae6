#include "scramble.h"

#include "random.h"
#include "runtimeerror.h"

#include <cmath>
#include <utility>

namespace play {

std::int32_t drawIndex(float r, std::int32_t count)
{
    return platform::checkedNarrow<std::int32_t>(
        static_cast<long long>(std::floor(static_cast<double>(r) * static_cast<double>(count) + 1.0)));
}

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
