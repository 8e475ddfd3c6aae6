#ifndef TANGLEWICK_WIDGETS_ACCESSIBILITY_H
#define TANGLEWICK_WIDGETS_ACCESSIBILITY_H

#include <QObject>
#include <QStringList>

class QWidget;

// What the game tells a screen reader beyond the controls' own names and
// descriptions (which the layout table gives; a tile reads as its letter,
// with its place as its description: see controls::tile). Nothing a
// sighted player sees changes.
//
// Announcements: a screen reader speaks each once the event that called for
// it is done, after what it says of the event itself. Nothing is announced
// while the window is not shown, or while no screen reader listens.
//
// The word's letters are announced again whenever the focus comes to the
// guess box, so the first word is heard as the window opens. (A description
// of the guess box would not do: a screen reader may read back one it kept
// from before.)
//
// The boxes that hold the game's state below the client area (the word
// list, the answer, the scrambled word, the counters) are concealed: they
// keep their names and their places in the tab order, but give a screen
// reader neither their text nor their items, so that a blind player is told
// no more than a sighted one sees.
class ScreenReader : public QObject
{
public:
    // Tells Qt how the game's own objects read. Called before the window
    // makes its first control: Qt keeps the reading it first gives an
    // object, and with a screen reader listening, that comes as it is made.
    static void install();

    // Keeps a box's text and rows from a screen reader, its name and role
    // alone read.
    static void conceal(QWidget &box);

    ScreenReader(QWidget &window, QWidget &guessBox);

    // A word was drawn: its scrambled letters one by one, in tile order.
    void announceWord(const QString &scrambled);
    // The verdict as the window shows it, and after a right guess the new score.
    void announceVerdict(const QString &verdict, const QString &score = {});
    // The answer Show Word reveals.
    void announceAnswer(const QString &answer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void announce(const QString &message);

    QWidget &m_window;
    QString m_letters;
    // The announcements made that the screen reader has yet to be given.
    QStringList m_pending;
    // What carries an announcement to the screen reader: the window itself
    // where Qt has announcements of its own, else an unseen notification.
    QWidget *m_announcer;
};

#endif
