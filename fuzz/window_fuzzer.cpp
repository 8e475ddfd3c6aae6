// libFuzzer target for the game's window: each input is a game played from
// the start by a player's keys and clicks, offscreen, with the test
// stand-ins for the host (tests/support/game.h). The window is built once;
// each input starts a new game in it. The first byte is the random
// generator's value for every draw; each further byte is one move: a letter
// or digit is typed as itself, any other byte is, by its value mod 16, a key
// or a click on a control that is on show (see moves below).
//
// After every move the window must keep what a player relies on: the score
// and the incorrect count never fall, the typed count stays within 0 and 12,
// the guess box holds no more letters than the chosen length, the scrambled
// tiles hold the answer's letters, no message box is shown and the program
// does not end (a game that is never closed has no summary to show), and
// after Show Word the answer is on the second row of tiles. Any broken rule
// aborts with a message, and libFuzzer keeps the input.

#include "game.h"

#include <QRadioButton>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

struct Move
{
    Qt::Key key;
    const char *control;
};
// By the byte's value mod 16: ' ' Space, ! to % the lengths 8 to 12, & New Word, ' Show Word, \b Backspace, \t Tab,
// \n Enter, \v Shift+Tab, the arrows , Up - Down . Left, / a click in the guess box.
constexpr Move moves[16] = {{Qt::Key_Space, nullptr}, {{}, "Option8"}, {{}, "Option9"}, {{}, "Option10"},
    {{}, "Option11"}, {{}, "Option12"}, {{}, "GetNewWord"}, {{}, "ShowWord"}, {Qt::Key_Backspace, nullptr},
    {Qt::Key_Tab, nullptr}, {Qt::Key_Return, nullptr}, {Qt::Key_Backtab, nullptr}, {Qt::Key_Up, nullptr},
    {Qt::Key_Down, nullptr}, {Qt::Key_Left, nullptr}, {{}, "GuessWord"}};

void check(bool kept, const QString &rule, std::size_t move)
{
    if (kept)
        return;
    std::fprintf(stderr, "window_fuzzer: %s (after move %zu)\n", qPrintable(rule), move);
    std::abort();
}

std::int64_t counter(Game &game, const char *name, std::size_t move)
{
    bool ok = false;
    const std::int64_t value = game.text(name).toLongLong(&ok);
    check(ok, QStringLiteral("%1 is no count: %2").arg(name, game.text(name)), move);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "window_fuzzer", *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Game &game = []() -> Game & {
        static Game game;
        game.write(QStringLiteral("Words8.Txt"), "triangle\r\nintegral\r\nabhorred\r\ncat\r\n");
        game.form.load();
        game.form.show();
        check(QTest::qWaitForWindowActive(&game.form), QStringLiteral("the window never became active"), 0);
        return game;
    }();
    // A new game: the counters back to their start, eight letters, a new word.
    game.fake.random.last = size > 0 ? data[0] / 256.0f : 0.0f;
    for (const char *name : {"Text2", "InCor", "Cword"})
        game.get(QLatin1String(name))->setText(name[0] == 'C' ? QStringLiteral("1") : QStringLiteral("0"));
    game.get(QStringLiteral("Text1"))->hide();
    game.get(QStringLiteral("Text3"))->hide();
    game.get<QRadioButton>(QStringLiteral("Option8"))->setChecked(true);
    game.form.load();
    game.get(QStringLiteral("GuessWord"))->setFocus();
    std::int64_t score = 0, wrong = 0;
    for (std::size_t at = 1; at < size; ++at) {
        const bool typed = std::isalnum(data[at]);
        const Move &move = moves[data[at] % 16];
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &game.form,
                *control = move.control ? game.get<QWidget>(QLatin1String(move.control)) : nullptr;
        if (typed)
            QTest::keyClick(focus, static_cast<char>(data[at]));
        else if (control && control->isVisible())
            QTest::mouseClick(control, Qt::LeftButton);
        else if (!control)
            QTest::keyClick(focus, move.key);

        const auto &shown = game.fake.messageBox.shown;
        check(shown.isEmpty() && !game.fake.programEnd.status,
            QStringLiteral("the game showed a message or ended: ")
                + (shown.isEmpty() ? QString() : std::get<0>(shown.last())),
            at);
        const std::int64_t newScore = counter(game, "Text2", at), newWrong = counter(game, "InCor", at);
        check(newScore >= score && newWrong >= wrong,
            QStringLiteral("the score or the incorrect count fell, to %1 and %2").arg(newScore).arg(newWrong), at);
        score = newScore;
        wrong = newWrong;
        check(game.TypedCount() >= 0 && game.TypedCount() <= 12, QStringLiteral("the typed count left 0 to 12"), at);
        int length = 8;
        while (length < 12 && !game.get<QRadioButton>(QStringLiteral("Option%1").arg(length))->isChecked())
            ++length;
        check(game.text("GuessWord").size() <= length, QStringLiteral("the guess box is longer than the word"), at);
        const QString answer = game.text("PickWord"), scrambled = game.tiles(1).remove(u'.');
        check(std::is_permutation(answer.begin(), answer.end(), scrambled.begin(), scrambled.end()),
            QStringLiteral("the tiles %1 do not hold the letters of %2").arg(scrambled, answer), at);
        if (!typed && control == game.get<QWidget>(QStringLiteral("ShowWord")))
            check(game.tiles(2) == answer.leftJustified(12, u'.'),
                QStringLiteral("Show Word shows %1 for %2").arg(game.tiles(2), answer), at);
    }
    return 0;
}
