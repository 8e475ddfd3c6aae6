#include "scramble.h"

#include "random.h"
#include "runtimeerror.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace play {

std::int32_t drawIndex(float r, std::int32_t WordCount)
{
    const double index = std::floor(static_cast<double>(r) * static_cast<double>(WordCount) + 1.0);
    // r is below 1, so the index is at most WordCount; the bound only
    // guards against a generator that breaks that promise.
    return std::clamp(
        platform::toInt32(static_cast<long long>(index)), std::int32_t{1}, std::max(WordCount, std::int32_t{1}));
}

QString ScrambleWord(const QString &word, platform::RandomSource &random)
{
    const qsizetype L = word.size();
    // Letters(0) is never used: positions count from 1.
    QList<QChar> Letters(L + 1);
    for (qsizetype J = 1; J <= L; ++J)
        Letters[J] = word.at(J - 1);

    random.reseedFromTimer();
    for (qsizetype J = 1; J <= L; ++J) {
        const double r = random.next();
        const auto SwapPos = static_cast<qsizetype>(std::floor(r * static_cast<double>(L - 1))) + 1;
        const QChar SwapLetter = Letters.at(SwapPos);
        Letters[SwapPos] = Letters.at(J);
        Letters[J] = SwapLetter;
    }

    QString scrambled;
    scrambled.reserve(L);
    for (qsizetype J = 1; J <= L; ++J)
        scrambled.append(Letters.at(J));
    return scrambled;
}

} // namespace play
