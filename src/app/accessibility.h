#ifndef TANGLEWICK_APP_ACCESSIBILITY_H
#define TANGLEWICK_APP_ACCESSIBILITY_H

#include <QString>

class Announcer;
class QWidget;

// What the game tells a screen reader beyond the controls' own names and
// descriptions (which the layout table gives; a tile reads as its letter,
// with its place as its description: see controls::tile). Nothing a
// sighted player sees changes.
//
// Announcements: a screen reader that presents notifications (Orca does)
// speaks each once the event that called for it is done, after what it says
// of the event itself. Nothing is announced while the window is not shown.
class ScreenReader
{
public:
    // Gives the window an unseen announcer.
    ScreenReader(QWidget &window, QWidget &guessBox);

    // A word was drawn: its scrambled letters one by one, in tile order. The
    // guess box keeps them as its description, read whenever the focus comes
    // to it, so the first word is heard as the window opens.
    void announceWord(const QString &scrambled);
    // The verdict as the window shows it, and after a right guess the new score.
    void announceVerdict(const QString &verdict, const QString &score = {});
    // The answer Show Word reveals.
    void announceAnswer(const QString &answer);

private:
    void announce(const QString &message);

    QWidget &m_window;
    QWidget &m_guessBox;
    Announcer *m_announcer;
};

#endif
