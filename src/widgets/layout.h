#ifndef TANGLEWICK_WIDGETS_LAYOUT_H
#define TANGLEWICK_WIDGETS_LAYOUT_H

#include <QRect>
#include <QString>

#include <array>
#include <string_view>

// Where every control of the main window stands, in twips (1/1440 inch)
// from the top-left corner of the client area.
namespace layout {

inline constexpr int TwipsPerPixel = 15;

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

inline constexpr TwipRect ClientArea{0, 0, 10470, 4200};
// Each row of letter tiles has the members 1 to 12.
inline constexpr int TileCount = 12;
// The window's frame: its sides and bottom, and its top with the title bar.
inline constexpr int FrameSide = 45;
inline constexpr int FrameTop = 330;
// The option buttons stand this far apart; the legend's lines follow them.
inline constexpr int OptionStep = 240;

// Every control but the tiles and their frames, each described once: its
// name, its place, and what a screen reader is told of it (its name and
// description). Those that take the focus stand in the order Tab visits
// them.
struct Control
{
    std::string_view name;
    TwipRect rect;
    std::string_view spokenName = {};
    std::string_view description = {};
};

inline constexpr std::array<Control, 22> Controls{{
    // The rules, as their bounding boxes one pixel high, and the captions.
    {"Line1", {0, 1200, 10200, 15}},
    {"Line2", {0, 2520, 10200, 15}},
    {"Label5", {480, 2750, 855, 1215}, "Word lengths"},
    {"Label3", {1680, 2800, 2895, 375}},
    {"Label4", {7440, 3480, 1575, 375}},
    {"Label6", {0, 3960, 10455, 135}, "Copyright"},
    // In the order Tab visits them.
    {"GuessWord", {4560, 2760, 2415, 375}, "Guess"},
    {"GetNewWord", {7440, 2760, 2415, 375}, "New Word"},
    {"Text2", {9000, 3480, 855, 375}, "Score"},
    {"Text3", {2160, 3480, 4815, 375}, "Verdict"},
    {"Option8", {120, 2760, 200, 200}, "8 letters"},
    {"Option9", {120, 3000, 200, 200}, "9 letters"},
    {"Option10", {120, 3240, 200, 200}, "10 letters"},
    {"Option11", {120, 3480, 200, 200}, "11 letters"},
    {"Option12", {120, 3720, 200, 200}, "12 letters"},
    // Below the client area: state-holding controls, never seen.
    {"WordList", {3600, 4320, 2895, 2400}, "Word list"},
    {"PickWord", {6840, 4920, 2655, 375}, "Answer"},
    {"TextBox1", {6840, 4440, 2655, 375}, "Scrambled word"},
    // On the same spot as Text3.
    {"Text1", {2160, 3480, 4815, 375}, "Verdict"},
    {"ShowWord", {9960, 2760, 135, 135}, "Show word", "Shows the answer in the second row of tiles"},
    {"Cword", {6840, 5400, 1335, 285}, "Words played"},
    {"InCor", {8280, 5400, 1215, 285}, "Incorrect guesses"},
}};

// The tile rows and their frames, for i = 1..12.
constexpr TwipRect label1Rect(int i)
{
    return {840 + 720 * (i - 1), 360, 495, 495};
}
constexpr TwipRect label2Rect(int i)
{
    return {840 + 720 * (i - 1), 1560, 495, 495};
}
// Shape1 has the members 1..12 (around Label1) and 15..26 (around Label2).
constexpr TwipRect shape1Rect(int index)
{
    const bool upper = index <= 12;
    const int i = upper ? index : index - 14;
    return {720 + 720 * (i - 1), upper ? 240 : 1440, 735, 735};
}

// The row of the control of that name.
std::size_t indexOf(std::string_view name);
QRect toPixels(const TwipRect &rect);
int toPixels(int twips);

} // namespace layout

#endif
