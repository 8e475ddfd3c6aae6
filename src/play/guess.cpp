#include "guess.h"

#include <algorithm>

namespace play {

bool sameLetters(QStringView a, QStringView b)
{
    return std::is_permutation(a.begin(), a.end(), b.begin(), b.end());
}

bool isRightGuess(const QString &guess, const QString &answer, const words::EntryList &wordList)
{
    if (guess == answer)
        return true;
    if (guess.isEmpty() || !sameLetters(guess, answer))
        return false;
    for (qsizetype index = 1; index < wordList.size(); ++index) {
        const QStringView entry = wordList.at(index);
        if (entry.size() == guess.size() && entry.toString().toUpper() == guess)
            return true;
    }
    return false;
}

bool isPlayable(QStringView entry, int length)
{
    // Upper-casing can lengthen a word (ß becomes SS); a word far longer than
    // the tiles is not worth upper-casing.
    if (entry.isEmpty() || entry.size() > 2 * length)
        return false;
    const QString word = entry.toString().toUpper();
    if (word.isEmpty() || word.size() > length)
        return false;
    return std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

qsizetype nextPlayable(const words::EntryList &wordList, qsizetype start, int length)
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
