#ifndef TANGLEWICK_PLAY_GUESS_H
#define TANGLEWICK_PLAY_GUESS_H

#include "words/entrylist.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace play {

// Whether a character is one of the capital letters A to Z, the only ones
// the guess box takes.
constexpr bool isCapitalLetter(char16_t c)
{
    return c >= u'A' && c <= u'Z';
}

// The capital letter a typed character stands for: its upper case, where
// the Turkish dotted capital I counts as I, as the dotless small i already
// upper-cases to it. Other characters keep their upper case.
char16_t typedCapital(char16_t typed);

// A guess is right when it is the answer exactly, or when it uses exactly
// the answer's letters in another order and is itself an entry of the word
// list (compared in upper case): TRIANGLE's letters also spell INTEGRAL,
// and a player who finds that word has found a real word.
bool isRightGuess(const QString &guess, const QString &answer, const words::EntryList &wordList);

// Whether an entry of the word list can be played at a guess length: once
// upper-cased, 1 to length letters A to Z, so that it fits the tiles and the
// guess box and every letter of it can be typed.
bool isPlayable(QStringView entry, int length);

// The indexes of the entries that can be played at a guess length, in list
// order; entry 0, the separator, is never among them.
std::vector<std::int32_t> playableEntries(const words::EntryList &wordList, int length);

} // namespace play

#endif
