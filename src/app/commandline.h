#ifndef TANGLEWICK_APP_COMMANDLINE_H
#define TANGLEWICK_APP_COMMANDLINE_H

#include <QString>
#include <QStringList>

// The program's options, read before anything needs the window system, so
// that asking for the help or the version works without a display. The game
// itself takes none; Qt's standard options (-style, -platform …) pass on to
// QApplication.
namespace commandline {

// Exit status of a usage error, as sysexits.h has it.
inline constexpr int UsageError = 64;

struct Outcome
{
    bool play = true; // false: print the text and end with the status
    int status = 0;
    QString text;
    bool onStandardError = false;
};

// What the arguments, the program's name first, ask for.
Outcome read(const QStringList &arguments);

// Puts an outcome that does not play before the player, and gives the status
// to end with. The text goes to its stream. A Windows program without a
// console has no stream when nothing was redirected (started from Explorer or
// a shortcut, say): there the text goes to the console of the program that
// started it, if there is one, or else into a message box.
int answer(const Outcome &outcome);

} // namespace commandline

#endif
