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

bool isPlayable(const QString &entry, int length)
{
    const QString word = entry.toUpper();
    if (word.isEmpty() || word.size() > length)
        return false;
    return std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

qsizetype nextPlayable(const QStringList &wordList, qsizetype start, int length)
{
    const qsizetype count = wordList.size() - 1;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype index = (start - 1 + step) % count + 1;
        if (index >= 1 && isPlayable(wordList.at(index), length))
            return index;
    }
    return 0;
}

} // namespace play
