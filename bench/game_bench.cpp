// In-process figures: reading word files, drawing a word, switching the word
// length, and one key from its event to its tile.

#include "platform/host.h"
#include "widgets/guessbox.h"
#include "window/form1.h"
#include "words/wordfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
class SilentMessageBox final : public platform::MessageBox
{
public:
    void show(const QString &, const QString &, platform::MessageStyle) override { }
};

class ThrowingEnd final : public platform::ProgramEnd
{
public:
    void end(platform::ExitStatus status) override { throw platform::ProgramEnded{status}; }
    void endWithin(std::chrono::milliseconds, platform::ExitStatus) override { } // no closing is measured
};

// A word file of the given number of distinct words of the given length.
void writeWords(const QString &path, int count, int length)
{
    QByteArray content;
    for (int i = 0; i < count; ++i) {
        QByteArray word(length, 'a');
        for (int at = length - 1, n = i; at >= 0 && n > 0; --at, n /= 26)
            word[at] = static_cast<char>('a' + n % 26);
        content += word + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}

struct Game
{
    explicit Game(int wordsPerFile)
        : random(clock, 1)
        , host{messageBox, programEnd, clock, random, dir.path()}
    {
        for (int length = 8; length <= 12; ++length)
            writeWords(dir.filePath(words::wordFileName(length)), wordsPerFile, length);
        form = std::make_unique<Form1>(host);
        form->load();
        form->show();
    }
    QTemporaryDir dir;
    SilentMessageBox messageBox;
    ThrowingEnd programEnd;
    platform::SystemClock clock;
    platform::MixingRandom random;
    platform::Host host;
    std::unique_ptr<Form1> form;

    // The window's controls are reached as a player reaches them.
    template<typename Control> Control *control(const char *name) const
    {
        return form->findChild<Control *>(QLatin1String(name));
    }
};

void BM_CountAndLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Words8.Txt"));
    writeWords(path, static_cast<int>(state.range(0)), 8);
    for (auto _ : state) {
        std::int32_t count = 0;
        words::countEntries(path, count);
        words::EntryList entries;
        words::loadEntries(path, entries);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_CountAndLoad)->Arg(1000)->Arg(6700)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_NewWord(benchmark::State &state)
{
    Game game(6700);
    QPushButton *newWord = game.control<QPushButton>("GetNewWord");
    for (auto _ : state)
        newWord->click();
}
BENCHMARK(BM_NewWord)->Unit(benchmark::kMicrosecond);

void BM_LengthSwitch(benchmark::State &state)
{
    Game game(static_cast<int>(state.range(0)));
    QRadioButton *twelve = game.control<QRadioButton>("Option12");
    QRadioButton *eight = game.control<QRadioButton>("Option8");
    bool longWords = false;
    for (auto _ : state) {
        longWords = !longWords;
        (longWords ? twelve : eight)->click();
    }
}
BENCHMARK(BM_LengthSwitch)->Arg(6700)->Arg(32767)->Unit(benchmark::kMillisecond);

// A letter and a Backspace through the guess box's real key path, so the
// guess never fills up; each iteration is two keys.
void BM_KeyToTile(benchmark::State &state)
{
    Game game(6700);
    GuessBox *guess = game.control<GuessBox>("GuessWord");
    guess->setFocus();
    for (auto _ : state) {
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QApplication::sendEvent(guess, &letter);
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QApplication::sendEvent(guess, &backspace);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeyToTile)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
