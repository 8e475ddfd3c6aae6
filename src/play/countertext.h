#ifndef TANGLEWICK_PLAY_COUNTERTEXT_H
#define TANGLEWICK_PLAY_COUNTERTEXT_H

#include <QString>

namespace play {

// The game keeps its counters (words played, incorrect guesses, score) as
// decimal text. This reads the text as a number, adds 1 and gives back the
// shortest decimal text of the sum: "0" becomes "1", "9" "10", "2.5" "3.5".
// Text that is not a number is a type mismatch (13); a sum that is not a
// finite number is a floating-point error.
QString incrementCounterText(const QString &text);

} // namespace play

#endif
