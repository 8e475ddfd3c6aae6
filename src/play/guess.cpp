#include "play/guess.h"

#include <algorithm>

namespace play {

char16_t typedCapital(char16_t typed)
{
    if (typed == u'\u0130') // a Turkish keyboard's I with Caps Lock
        return u'I';
    return QChar(typed).toUpper().unicode();
}

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
    // Upper-casing never shortens a word.
    if (entry.isEmpty() || entry.size() > length)
        return false;
    const auto isCapital = [](QChar c) { return isCapitalLetter(c.unicode()); };
    const auto isPlainLetter = [&](QChar c) { return isCapital(c) || (c >= u'a' && c <= u'z'); };
    if (std::all_of(entry.begin(), entry.end(), isPlainLetter))
        return true;
    // Other letters may still upper-case to A to Z (the long s to S), and may
    // lengthen the word (sharp s to SS).
    const QString word = entry.toString().toUpper();
    return word.size() <= length && std::all_of(word.cbegin(), word.cend(), isCapital);
}

std::vector<std::int32_t> playableEntries(const words::EntryList &wordList, int length)
{
    std::vector<std::int32_t> playable;
    for (qsizetype index = 1; index < wordList.size(); ++index) {
        if (isPlayable(wordList.at(index), length))
            playable.push_back(static_cast<std::int32_t>(index));
    }
    return playable;
}

} // namespace play
