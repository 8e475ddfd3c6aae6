#ifndef TANGLEWICK_APP_ACCESSIBILITY_H
#define TANGLEWICK_APP_ACCESSIBILITY_H

#include <QString>

class QWidget;

// Names every control of the game's window (found by their object names) as
// a screen reader should speak it, and gives the window its unseen
// announcer. (A tile reads as its letter, and its place is its description:
// see controls::tile.) Nothing a sighted player sees changes.
void describeForScreenReaders(QWidget &window);

// Announcements: a screen reader that presents notifications (Orca does)
// speaks each once the event that called for it is done, after what it says
// of the event itself. Nothing is announced while the window is not shown.

// A word was drawn: its scrambled letters one by one, in tile order. The
// guess box keeps them as its description, read whenever the focus comes to
// it, so the first word is heard as the window opens.
void announceWord(QWidget &window, const QString &scrambled);
// The verdict as the window shows it, and after a right guess the new score.
void announceVerdict(QWidget &window, const QString &verdict, const QString &score = {});
// The answer Show Word reveals.
void announceAnswer(QWidget &window, const QString &answer);

#endif
