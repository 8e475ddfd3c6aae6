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

} // namespace commandline

#endif
