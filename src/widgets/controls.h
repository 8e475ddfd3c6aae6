#ifndef TANGLEWICK_WIDGETS_CONTROLS_H
#define TANGLEWICK_WIDGETS_CONTROLS_H

// How the window's controls look: the window's colours and fonts, and small
// factories that make each kind of control and place it at its spot of the
// layout table.

#include "widgets/layout.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace controls {

inline const QColor LightGrey(0xC0, 0xC0, 0xC0);
inline const QColor FrameBlue(0x00, 0x00, 0xC0);
inline const QColor VerdictRed(0xFF, 0x00, 0x00);

// Every font of the window, each built once: bold, in the window's two
// faces, sized in points at 96 dots per inch so that the layout in twips and
// the text agree whatever the display reports.
struct Fonts
{
    Fonts();
    QFont tile; // the letter tiles
    QFont legend; // the word lengths beside the round buttons
    QFont guess; // the guess box
    QFont caption; // the captions and the verdicts
    QFont large; // New Word and the score
};

QIcon windowIcon();

// The window's own colours, whatever the desktop's colour scheme: the
// style's standard light palette with the game's grey window and buttons
// and black text, every role set in every state, so that nothing of the
// desktop's palette shows through. The window sets it once; every control
// inherits it, and keeps only the colours that differ from it.
QPalette gamePalette(const QPalette &standard);

void describe(QWidget *control, const layout::Control &row);
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
// An opaque background in the given colour.
void paintBackground(QWidget *widget, const QColor &colour);

template<typename Control> Control *place(Control *control, const QString &name, const layout::TwipRect &rect)
{
    control->setObjectName(name);
    control->setGeometry(layout::toPixels(rect));
    return control;
}

// Names and places a control as its row of the layout table says, and
// tells a screen reader what that row says of it.
template<typename Control> Control *place(Control *control, const char *name)
{
    const layout::Control &row = layout::Controls.at(layout::indexOf(name));
    place(control, QString::fromLatin1(name), row.rect);
    describe(control, row);
    return control;
}

QLabel *tile(
    QWidget *parent, const QString &name, const QString &spokenPlace, const layout::TwipRect &rect, const QFont &font);
QLabel *caption(QWidget *parent, const char *name, const QString &text, const QFont &font);
// A text box that shows a message or a count: read-only, centred, bold.
QLineEdit *readOnlyBox(QWidget *parent, const char *name, const QString &text, const QFont &font);
QPushButton *greyButton(QWidget *parent, const char *name, const QString &text);

} // namespace controls

#endif
