#ifndef TANGLEWICK_PLAY_GUESS_H
#define TANGLEWICK_PLAY_GUESS_H

#include "entrylist.h"
#include <QString>
#include <QStringView>

namespace play {

// Whether two texts are made of the same letters, in any order.
bool sameLetters(QStringView a, QStringView b);

// A guess is right when it is the answer exactly, or when it uses exactly
// the answer's letters in another order and is itself an entry of the word
// list (compared in upper case): TRIANGLE's letters also spell INTEGRAL,
// and a player who finds that word has found a real word.
bool isRightGuess(const QString &guess, const QString &answer, const words::EntryList &wordList);

// Whether an entry of the word list can be played at a guess length: once
// upper-cased, 1 to length letters A to Z, so that it fits the tiles and the
// guess box and every letter of it can be typed.
bool isPlayable(QStringView entry, int length);

// The index of the first playable entry from start on, going round past the
// end to entry 1 (entry 0 is the separator); 0 when there is none.
qsizetype nextPlayable(const words::EntryList &wordList, qsizetype start, int length);

} // namespace play

#endif
