#ifndef TANGLEWICK_PLAY_GUESS_H
#define TANGLEWICK_PLAY_GUESS_H

#include <QString>
#include <QStringList>

namespace play {

// Whether two texts are made of the same letters, in any order.
bool sameLetters(const QString &a, const QString &b);

// A guess is right when it is the answer exactly, or when it uses exactly
// the answer's letters in another order and is itself an entry of the word
// list (compared in upper case): TRIANGLE's letters also spell INTEGRAL,
// and a player who finds that word has found a real word.
bool isRightGuess(const QString &guess, const QString &answer, const QStringList &wordList);

} // namespace play

#endif
