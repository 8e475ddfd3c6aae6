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
    // Upper-cased, as the tiles show it: other letters may become A to Z (the
    // long s S) and lengthen the word (sharp s SS).
    const QString word = entry.toString().toUpper();
    return !word.isEmpty() && word.size() <= length
        && std::all_of(word.cbegin(), word.cend(), [](QChar c) { return isCapitalLetter(c.unicode()); });
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
