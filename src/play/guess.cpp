#include "play/guess.h"

#include <algorithm>

namespace play {

char16_t typedCapital(char16_t typed)
{
    if (typed == u'\u0130') // a Turkish keyboard's I with Caps Lock
        return u'I';
    return QChar(typed).toUpper().unicode();
}

bool isRightGuess(const QString &guess, const QString &answer, const words::EntryList &wordList)
{
    if (guess == answer)
        return true;
    if (guess.isEmpty() || !std::is_permutation(guess.begin(), guess.end(), answer.begin(), answer.end()))
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
    // Most entries are plain letters, told at a glance: upper-casing every
    // entry makes a length switch several times slower, and the start-up 7 %.
    const auto isCapital = [](QChar c) { return isCapitalLetter(c.unicode()); };
    if (std::all_of(entry.begin(), entry.end(), [&](QChar c) { return isCapital(c) || (c >= u'a' && c <= u'z'); }))
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
