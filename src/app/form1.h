#ifndef TANGLEWICK_APP_FORM1_H
#define TANGLEWICK_APP_FORM1_H

// Form1 is the game's one window. It owns every control and the game's
// state; its event handlers run the game step by step. Word files are read
// by src/words; the draw, the shuffle, the verdict and the counters are
// worked out by src/play; the closing summary and animation by src/closing;
// each control's name, place, tab stop and spoken name come from one row of
// layout.h, and the announcements to a screen reader from accessibility.h;
// the host services (message box, end of the program,
// clock, random generator) come from src/platform through platform::Host.
//
// PascalCase names (Form_Load, GuessWord, TypedCount) are the window's own;
// camelCase names are ours.

#include "app/controlarray.h"
#include "closing/closing.h"
#include "platform/clock.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class ScreenReader;
class QLineEdit;
class QPushButton;
class QRadioButton;
class GuessBox;
class Line;
class Shape;
class WordListBox;

namespace controls {
struct Fonts;
}
namespace platform {
struct Host;
}

class Form1 : public QWidget
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
    void onEvent(const std::function<void()> &handler);

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
