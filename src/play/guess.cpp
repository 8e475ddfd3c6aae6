#include "guess.h"

#include <algorithm>

namespace play {

bool sameLetters(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    QString sortedA = a;
    QString sortedB = b;
    std::sort(sortedA.begin(), sortedA.end());
    std::sort(sortedB.begin(), sortedB.end());
    return sortedA == sortedB;
}

bool isRightGuess(const QString &guess, const QString &answer, const QStringList &wordList)
{
    if (guess == answer)
        return true;
    if (guess.isEmpty() || !sameLetters(guess, answer))
        return false;
    return std::any_of(wordList.cbegin(), wordList.cend(),
        [&guess](const QString &entry) { return entry.size() == guess.size() && entry.toUpper() == guess; });
}

} // namespace play
