#include "window/form1.h"

#include "closing/closing.h"
#include "platform/host.h"
#include "qtplatform/windowgeometry.h"
#include "widgets/accessibility.h"
#include "widgets/controls.h"
#include "widgets/guessbox.h"
#include "widgets/layout.h"
#include "widgets/legendlabel.h"
#include "widgets/shapes.h"
#include "widgets/wordlistbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <map>

using namespace controls;

Form1::Form1(platform::Host &host, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    ScreenReader::install();
    setWindowTitle(QString(83, QLatin1Char(' ')) + QStringLiteral("Tanglewick"));
    setWindowIcon(controls::windowIcon());
    setFixedSize(layout::toPixels(layout::ClientArea).size());
    setPalette(gamePalette(style()->standardPalette()));
    setAutoFillBackground(true);
    const controls::Fonts fonts;
    createDecorations(fonts);
    createControls(fonts);
    createHiddenControls();
    orderTabStops();
    connectEvents();
    m_screenReader = std::make_unique<ScreenReader>(*this, *GuessWord);
    GuessWord->setFocus();
    centreOnScreen();
}

Form1::~Form1() = default;

void Form1::load()
{
    platform::runEvent(m_host, *this, &Form1::Form_Load);
}

// Frames, rules and captions come first: every box and button created after
// them is drawn above them.
void Form1::createDecorations(const Fonts &fonts)
{
    for (int i = 1; i <= layout::TileCount; ++i) {
        for (const int index : {i, i + 14})
            Shape1.add(index,
                place(new Shape(FrameBlue, this), QStringLiteral("Shape1_%1").arg(index), layout::shape1Rect(index)));
    }
    for (int i = 1; i <= layout::TileCount; ++i) {
        Label1.add(i,
            tile(this, QStringLiteral("Label1_%1").arg(i), QStringLiteral("Scrambled letter %1").arg(i),
                layout::label1Rect(i), fonts.tile));
        Label2.add(i,
            tile(this, QStringLiteral("Label2_%1").arg(i), QStringLiteral("Your letter %1").arg(i),
                layout::label2Rect(i), fonts.tile));
    }
    Line1 = place(new Line(Qt::black, this), "Line1");
    Line2 = place(new Line(Qt::black, this), "Line2");

    Label5 = place(new LegendLabel(QStringLiteral("08 Word 09 Word 10 Word 11 Word 12 Word"),
                       layout::toPixels(layout::OptionStep), this),
        "Label5");
    Label5->setFont(fonts.legend);
    Label3 = caption(this, "Label3", QStringLiteral("Enter Your Guess Word :"), fonts.caption);
    Label4 = caption(this, "Label4", QStringLiteral("Total Scores :"), fonts.caption);
    Label6 = place(new QLabel(this), "Label6");
    Label6->setToolTip(QStringLiteral("Tanglewick \u00A9 2026 The Tanglewick developers. All rights reserved."));
}

void Form1::createControls(const Fonts &fonts)
{
    Option8 = place(new QRadioButton(QStringLiteral("Option1"), this), "Option8");
    Option9 = place(new QRadioButton(QStringLiteral("Option2"), this), "Option9");
    Option10 = place(new QRadioButton(QStringLiteral("Option3"), this), "Option10");
    Option11 = place(new QRadioButton(QStringLiteral("Option4"), this), "Option11");
    Option12 = place(new QRadioButton(QStringLiteral("Option5"), this), "Option12");
    Option8->setChecked(true);

    GuessWord = place(new GuessBox(this), "GuessWord");
    GuessWord->setFont(fonts.guess);
    GetNewWord = greyButton(this, "GetNewWord", QStringLiteral("New Word"));
    GetNewWord->setFont(fonts.large);
    ShowWord = greyButton(this, "ShowWord", QString());
    ShowWord->setToolTip(QStringLiteral("  Click To Show Word "));

    // Text1 lies above Text3 on the same spot: with both shown, the
    // incorrect-guess message is the one seen.
    Text3 = readOnlyBox(this, "Text3", QStringLiteral("Congratulations !!! Your Word Is Correct."), fonts.caption);
    setColour(Text3, QPalette::Text, VerdictRed);
    Text1 = readOnlyBox(this, "Text1", QStringLiteral("InCorrect !!!"), fonts.caption);
    Text1->hide();
    Text3->hide();
    Text2 = readOnlyBox(this, "Text2", QStringLiteral("0"), fonts.large);
}

// The state-holding controls lie below the client area: real controls that
// take the focus by Tab like the others, but never seen.
void Form1::createHiddenControls()
{
    WordList = place(new WordListBox(this), "WordList");
    TextBox1 = place(new QLineEdit(this), "TextBox1");
    PickWord = place(new QLineEdit(this), "PickWord");
    Cword = place(new QLineEdit(QStringLiteral("1"), this), "Cword");
    InCor = place(new QLineEdit(QStringLiteral("0"), this), "InCor");
    // Keys typed blind into them must not change the answer or a count.
    for (QLineEdit *box : {TextBox1, PickWord, Cword, InCor})
        box->setReadOnly(true);
    // Out of sight, and so out of a screen reader's hearing.
    for (QWidget *box : std::initializer_list<QWidget *>{WordList, TextBox1, PickWord, Cword, InCor})
        ScreenReader::conceal(*box);
}

// Tab visits the controls that take the focus in the order of the layout
// table.
void Form1::orderTabStops()
{
    std::map<std::size_t, QWidget *> byRow;
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->focusPolicy() & Qt::TabFocus)
            byRow[layout::indexOf(control->objectName().toStdString())] = control;
    }
    for (const auto &[row, control] : byRow)
        m_tabOrder.append(control);
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void Form1::connectEvents()
{
    connect(Option8, &QRadioButton::toggled, this, &Form1::onSelect<&Form1::Option8_Click>);
    connect(Option9, &QRadioButton::toggled, this, &Form1::onSelect<&Form1::Option9_Click>);
    connect(Option10, &QRadioButton::toggled, this, &Form1::onSelect<&Form1::Option10_Click>);
    connect(Option11, &QRadioButton::toggled, this, &Form1::onSelect<&Form1::Option11_Click>);
    connect(Option12, &QRadioButton::toggled, this, &Form1::onSelect<&Form1::Option12_Click>);
    connect(GetNewWord, &QPushButton::clicked, this, &Form1::onClick<&Form1::GetNewWord_Click>);
    connect(ShowWord, &QPushButton::clicked, this, &Form1::onClick<&Form1::ShowWord_Click>);
    GuessWord->setKeyPressHandler(this);
}

template<void (Form1::*Handler)()> void Form1::onClick()
{
    platform::runEvent(m_host, *this, Handler);
}

// A round button's Click comes when it is selected, not when it is cleared.
template<void (Form1::*Handler)()> void Form1::onSelect(bool selected)
{
    if (selected)
        platform::runEvent(m_host, *this, Handler);
}

void Form1::onKeyPress(std::int16_t &KeyAscii)
{
    platform::runEvent(m_host, *this, &Form1::GuessWord_KeyPress, KeyAscii);
}

// Where the whole window, frame included, stands centred on the screen. A
// top-level window's position is that of its frame. The frame is the window
// manager's, and unknown until the window is first shown: until then the
// window's own frame measures stand in for it.
QPoint Form1::centredPosition() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return pos();
    QSize outer = frameGeometry().size();
    if (outer == size()) {
        const int side = layout::toPixels(layout::FrameSide);
        outer += QSize(2 * side, layout::toPixels(layout::FrameTop) + side);
    }
    const QRect area = screen->geometry();
    return {area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2};
}

void Form1::centreOnScreen()
{
    move(centredPosition());
}

void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Once shown, the window manager frames the window and places it, and
    // may do either more than once, late, and in any order. Until the window
    // is seen centred with the window manager's frame, it is centred again
    // with the frame as it is then; a few times at most, should a window
    // manager insist on a place of its own. A frame the window manager has
    // not yet told is no measure: centred on it, the window would be left
    // off centre.
    if (m_centrings > 0 && !m_closing && isVisible() && hasWindowManagersFrame(this)) {
        if (pos() == centredPosition()) {
            m_centrings = 0;
        } else {
            --m_centrings;
            centreOnScreen();
        }
    }
}

// Tab and Shift+Tab follow the tab order, skipping hidden controls; the
// option buttons are one group with a single stop at the selected one.
bool Form1::focusNextPrevChild(bool next)
{
    const qsizetype count = m_tabOrder.size();
    qsizetype at = m_tabOrder.indexOf(focusWidget());
    for (qsizetype step = 0; step < count; ++step) {
        at = next ? (at + 1) % count : (at - 1 + count) % count;
        QWidget *candidate = m_tabOrder[at];
        const auto *option = qobject_cast<QRadioButton *>(candidate);
        if (candidate->isVisibleTo(this) && candidate->isEnabled() && (!option || option->isChecked())) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}
