#ifndef TANGLEWICK_WINDOW_FORM1_H
#define TANGLEWICK_WINDOW_FORM1_H

// Form1, the game's one window (src/window), holds the game's state and runs it in its event handlers.
// Its widgets and the layout table they follow: src/widgets. Word files, play and closing arithmetic:
// src/words, src/play, src/closing. Host services come through platform::Host (src/platform), their Qt
// stand-ins and the window's geometry from src/qtplatform; src/commandline, src/app/main.cpp start it all.
//
// PascalCase names (Form_Load, GuessWord, TypedCount) are the window's own;
// camelCase names are ours.

#include "closing/closing.h"
#include "platform/clock.h"
#include "widgets/controlarray.h"
#include "widgets/guessbox.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QLabel;
class ScreenReader;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Line;
class Shape;
class WordListBox;

namespace controls {
struct Fonts;
}
namespace platform {
struct Host;
}

class Form1 : public QWidget, private GuessBox::KeyPressHandler
{
    Q_OBJECT
public:
    explicit Form1(platform::Host &host, QWidget *parent = nullptr);
    ~Form1() override;

    // Loads the game, so that the first word is on show: the program's entry
    // calls it once, before the window is first shown.
    void load();

protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Tests read and steer the window's state through their Game.
    friend struct Game;

    // Event handlers.
    void Form_Load();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void GuessWord_KeyPress(std::int16_t &KeyAscii);
    void GetNewWord_Click();
    void ShowWord_Click();
    void Form_Unload(std::int16_t &Cancel);

    // The game's procedures.
    void SelectWordLength(int length);
    void CountWords();
    void ReportUnusableWordFile();
    void LoadWordList();
    void PickNewWord();
    void ScrambleWord();
    void CheckGuess();
    void setTypedTile(const QString &text);
    static void clearTiles(const ControlArray<QLabel> &row);
    static void showLetters(const ControlArray<QLabel> &row, const QString &text);

    // Building the window.
    void createDecorations(const controls::Fonts &fonts);
    void createControls(const controls::Fonts &fonts);
    void createHiddenControls();
    void orderTabStops();
    void connectEvents();
    QPoint centredPosition() const;
    void centreOnScreen();

    // Each control's event reaches its handler through one of these, which
    // runs it guarded (platform::runEvent).
    template<void (Form1::*Handler)()> void onClick();
    template<void (Form1::*Handler)()> void onSelect(bool selected);
    void onKeyPress(std::int16_t &KeyAscii) override;

    // The controls, under the window's own names.
    ControlArray<QLabel> Label1;
    ControlArray<QLabel> Label2;
    ControlArray<Shape> Shape1;
    Line *Line1 = nullptr;
    Line *Line2 = nullptr;
    QRadioButton *Option8 = nullptr;
    QRadioButton *Option9 = nullptr;
    QRadioButton *Option10 = nullptr;
    QRadioButton *Option11 = nullptr;
    QRadioButton *Option12 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    GuessBox *GuessWord = nullptr;
    QPushButton *GetNewWord = nullptr;
    QPushButton *ShowWord = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    WordListBox *WordList = nullptr;
    QLineEdit *TextBox1 = nullptr;
    QLineEdit *PickWord = nullptr;
    QLineEdit *Cword = nullptr;
    QLineEdit *InCor = nullptr;

    // Window-level state.
    std::int16_t TypedCount = 0;
    QString WordFile;
    std::int32_t WordCount = 0;
    std::int32_t PickIndex = 0;
    platform::Date StartTime = 0;
    platform::Date EndTime = 0;
    platform::Date PlayTime = 0;

    // The indexes of WordList's entries that can be played at the current
    // length: the entries the draw picks from.
    std::vector<std::int32_t> m_playable;

    platform::Host &m_host;
    QList<QWidget *> m_tabOrder;
    std::unique_ptr<ScreenReader> m_screenReader;
    int m_centrings = 5; // left to make once the window is shown, until it stands centred
    bool m_closing = false;
    // The closing animation's time; tests on a slow platform give it more.
    std::chrono::milliseconds m_animationTime = closing::AnimationTime;
};

#endif
