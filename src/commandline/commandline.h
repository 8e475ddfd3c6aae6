#ifndef TANGLEWICK_COMMANDLINE_COMMANDLINE_H
#define TANGLEWICK_COMMANDLINE_COMMANDLINE_H

#include <QString>
#include <QStringList>

// The program's options, read before anything needs the window system, so
// that asking for the help or the version works without a display. The game
// itself takes no other: any other argument (a file dropped on the program,
// a shortcut's argument, a mistyped option) is passed over with a note, and
// the game starts as if it had none. Qt's standard options (-style,
// -platform …) pass on to QApplication.
namespace commandline {

struct Outcome
{
    bool play = true; // false: print the text and end with status 0
    QString text; // when playing, the note on what was passed over
};

// What the arguments, the program's name first, ask for.
Outcome read(const QStringList &arguments);

// Puts the help or the version before the player, and gives the status to
// end with. The text goes to standard output. A Windows program without a
// console has no stream when nothing was redirected (started from Explorer or
// a shortcut, say): there the text goes to the console of the program that
// started it, if there is one, or else into a message box.
int answer(const Outcome &outcome);

// Writes the note of an outcome that plays on standard error, if the program
// has one; a Windows program started from Explorer has none, and the game
// then starts without a word.
void note(const Outcome &outcome);

} // namespace commandline

#endif
