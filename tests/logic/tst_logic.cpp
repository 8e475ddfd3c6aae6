// The game's logic without a window: the clock, the random generator, the
// report of an unhandled error and the program's watch; the word files; the
// counters; and the time played and the animation of the closing window.

#include "closing/closing.h"
#include "datatable.h"
#include "fakehost.h"
#include "oddfiles.h"
#include "platform/programend.h"
#include "platform/runtimeerror.h"
#include "play/countertext.h"
#include "words/sequentialfile.h"
#include "words/wordfiles.h"

#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <deque>
#include <new>
#include <thread>

using namespace Qt::StringLiterals;
using namespace platform;

// The code of the run-time error a step raises, 0 for none.
int errorOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        return error.code();
    }
    return 0;
}

// The window of an animateAway() row: a 4000-twip square 2000 twips from the
// left, its top at y. Its platform refuses widths below a minimum and raises
// heights to it, may keep the window on the screen, and fails to read the top
// edge from a given position on; its time is up after a given number of passes.
struct Platform
{
    float y, screen, minimum, failsFrom;
    bool onScreen;
    int timeUpAfter;
};
struct FakeWindow final : closing::WindowGeometry, Platform
{
    explicit FakeWindow(const Platform &platform)
        : Platform(platform)
    { }
    float top() const override { return r.top() < failsFrom ? r.top() : (raise(DeviceIOError), 0); }
    float left() const override { return r.left(); }
    float width() const override { return r.width(); }
    float height() const override { return r.height(); }
    void setTop(float y) override { r.moveTop(onScreen ? std::min<qreal>(y, screen - r.height()) : y); }
    void setLeft(float x) override { r.moveLeft(onScreen ? std::min<qreal>(x, screen - r.width()) : x); }
    void setWidth(float w) override { r.setWidth(w < minimum ? (raise(Overflow), 0) : w); }
    void setHeight(float h) override { r.setHeight(std::max(h, minimum)); }
    float screenWidth() const override { return screen; }
    bool showPass() override { return ++shown < timeUpAfter; }
    QRectF r{2000, y, 4000, 4000};
    int shown = 0; // passes shown
};

class TestLogic : public QObject
{
    Q_OBJECT
private slots:
    void clockAndRandom()
    {
        FixedClock clock;
        clock.msecs = 47109999; // 13:05:09.999
        QCOMPARE(timeOfDay(clock), timeSerial(13, 5, 9)); // the fraction dropped, not rounded
        // splitmix64 from state 0 first gives 0xE220A8397B1DCDAF, from this one 2^64 - 1; a draw is the top 24
        // bits over 2^24, so always below 1.
        QCOMPARE(double(MixingRandom(clock, 0).next()), 0xE220A8 / 0x1p24);
        QCOMPARE(double(MixingRandom(clock, 0x31628AF67B2131AB).next()), 1 - 0x1p-24);
        // Reseeding from the timer is reseeding with its seconds, the fraction kept.
        MixingRandom random(clock, 42), twin(clock, 42);
        random.reseedFromTimer();
        twin.reseed(47109.999);
        const float first = random.next();
        QCOMPARE(twin.next(), first);
        random.reseedFromTimer(); // a second New Word within the same second
        QVERIFY(random.next() != first);
    }

    void unhandledErrorIsReportedAndEnds()
    {
        for (const auto &[raised, text] : {std::pair{TypeMismatch, "Run-time error '13':\n\nType mismatch"},
                 {OutOfMemory, "Run-time error '7':\n\nOut of memory"}}) { // memory running out: a std::bad_alloc
            FakeHost fake;
            runEvent(fake.host, [&] { raised == OutOfMemory ? throw std::bad_alloc() : raise(raised); });
            QCOMPARE(fake.messageBox.shown, (QList<ShownMessage>{{text, "Tanglewick", CriticalOk}}));
            QCOMPARE(fake.programEnd.status, std::optional(UnhandledErrorExit));
        }
    }

    // The program's watch ends it, with the status it was given, while it is held up.
    void endWithinEndsAHeldUpProgram()
    {
        // This program, as main() below runs it: held up for 10 s, past its watch's 20 ms.
        QCOMPARE(
            QProcess::execute(QCoreApplication::applicationFilePath(), {u"--held-up"_s}), int(MissingWordFileExit));
    }

    void wordFilePasses_data()
    {
        // A word file written with the content, or else the file at the path.
        const Table<QByteArray, QStringList, QString, int> row("content", "entries", "path", "error");
        const auto file = [&](const char *name, const char *bytes, QStringList read) { row(name, bytes, read, {}, 0); };
        file("crlf, lf or cr; the last needs none", "a\r\nb\nc\rd", {"a", "b", "c", "d"});
        file("blank line is an empty entry, a final line end adds none", "a\r\n\r\nb\r\n", {"a", "", "b"});
        file("comma splits; a final one adds none", "a,b,", {"a", "b"});
        file("quoted comma kept, text after the quote dropped", " \"a,b\" c,d", {"a,b", "d"});
        file("open quote ends at its line", "\"ab\r\n\"c", {"ab", "c"});
        file("BOM skipped", "\xEF\xBB\xBFz", {"z"});
        file("blanks around a field dropped; only blanks is empty", "  a b \t,  ,\tc", {"a b", "", "c"});
        file("utf-8 letters; a stray byte is U+FFFD", "caf\xC3\xA9,a\x80,x", {u"caf\u00E9"_s, u"a\uFFFD"_s, "x"});
        row("missing file", {}, {}, "absent/x.Txt", FileNotFound);
        row("directory", {}, {}, ".", PathFileAccessError);
        // Neither waiting for a pipe's writer nor reading on for ever.
        for (const char *odd : {"<fifo>", "<zero>", "<urandom>"})
            row(odd, {}, {}, odd, PathFileAccessError);
        row("failing read (Linux)", {}, {}, "/proc/self/mem", DeviceIOError);
    }
    // Counting and loading agree; a failing pass leaves the count at 0 and no entry.
    void wordFilePasses()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        QFETCH(QString, path);
        QFETCH(int, error);
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(content) >= 0 && file.flush());
        QString read = path.isEmpty() ? file.fileName() : path;
        QTemporaryDir dir;
        if (path.startsWith(u'<') && !makeOddFile(path, read = dir.filePath(u"Words8.Txt"_s)))
            QSKIP("not to be made on this system");
        std::int32_t count = -1;
        words::EntryList loaded;
        QCOMPARE(errorOf([&] { words::countEntries(read, count); }), error);
        QCOMPARE(errorOf([&] { words::loadEntries(read, loaded); }), error);
        QStringList texts;
        for (qsizetype i = 0; i < loaded.size(); ++i)
            texts.append(loaded.at(i).toString());
        QCOMPARE(texts, entries);
        QCOMPARE(count, texts.size());
    }

    // Each pass takes the lowest free file number, of 511, and gives it back.
    void wordFilePassesGiveTheirFileNumberBack()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        std::deque<words::SequentialFile> held; // as if files 1 to 510 were open
        while (held.size() < 510)
            held.emplace_back(words::SequentialFile::freeFile(), file.fileName());
        std::int32_t count = -1;
        words::countEntries(file.fileName(), count); // it takes number 511, the last there is
        QCOMPARE(words::SequentialFile::freeFile(), 511);
        held.emplace_back(511, file.fileName());
        QCOMPARE(errorOf([] { words::SequentialFile::freeFile(); }), PathFileAccessError);
    }

    // A counter's text raised by one, in full; any text but a finite number is a type mismatch.
    void incrementCounterText()
    {
        for (const auto &[text, raised, error] :
            {std::tuple{"2.5", "3.5", 0}, {" 7 ", "8", 0}, {"99999999999999", "100000000000000", 0},
                {"", "", int(TypeMismatch)}, {"3x", "", int(TypeMismatch)}, {"inf", "", int(TypeMismatch)}}) {
            QString result;
            QCOMPARE(errorOf([&] { result = play::incrementCounterText(QString::fromLatin1(text)); }), error);
            QCOMPARE(result, QString::fromLatin1(raised));
        }
    }

    // The time played, from the times of day the game started and ended at, wraps at midnight and drops the
    // part of a second.
    void timePlayed()
    {
        QStringList shown;
        for (const auto &[start, end] :
            {std::pair{0.0, 1.0}, {timeSerial(10, 0, 0), timeSerial(10, 0, 0) + 0.4 / 86400},
                {timeSerial(23, 58, 30), timeSerial(0, 1, 15)}, {timeSerial(0, 0, 1), timeSerial(23, 59, 59)}}) {
            const Date played = closing::playTime(start, end);
            QVERIFY(played >= 0 && played < 1);
            shown << formatHms(played);
        }
        QCOMPARE(shown, QStringList({"00:00:00", "00:00:00", "00:02:45", "23:59:58"}));
    }

    void animateAway_data()
    {
        // Each pass moves the window 30 twips right and down and takes 60 off its width and height, until its
        // top passes the screen's width: passesToLeave() gives how many passes that takes.
        // The platform: top, screen width, minimum width, top failing from, kept on screen, time up after.
        const Table<Platform, int, int, QRectF> row("platform", "passesToLeave", "passes", "end");
        const float never = INFINITY;
        const int ample = 1000;
        // clang-format off
        row("stops shrinking, still moves away", {1000, 15360, 1500, never, 0, ample}, 479, 479, {16370, 15370, 1540, 1500});
        row("shrinks about its centre", {1000, 1299, 0, never, 0, ample}, 10, 10, {2300, 1300, 3400, 3400});
        row("on the edge", {15360, 15360, 0, never, 0, ample}, 1, 1, {2030, 15390, 3940, 3940});
        row("no screen width known: one pass", {1000, never, 0, never, 0, ample}, 1, 1, {2030, 1030, 3940, 3940});
        row("kept on screen: ends when it stops", {1000, 15360, 4000, never, 1, ample}, 479, 347, {11360, 11360, 4000, 4000});
        row("top kept on screen: ends on time", {11000, 15360, 4000, never, 1, ample}, 146, 146, {6380, 11360, 4000, 4000});
        row("a failing read of the top ends it", {1000, 15360, 0, 1300, 0, ample}, 479, 10, {2300, 1300, 3400, 3400});
        row("ends when its time is up", {1000, 15360, 0, never, 0, 3}, 479, 3, {2090, 1090, 3820, 3820});
        // clang-format on
    }
    void animateAway()
    {
        QFETCH(Platform, platform);
        QFETCH(int, passesToLeave);
        QFETCH(int, passes);
        QFETCH(QRectF, end);
        QCOMPARE(closing::passesToLeave(platform.y, platform.screen), passesToLeave);
        FakeWindow window(platform);
        QCOMPARE(closing::animateAway(window), passes);
        QCOMPARE(window.shown, passes); // each pass shown
        QCOMPARE(window.r, end);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--held-up") == 0) {
        ProcessExit exit; // its watch calls on it, so it outlives the watch, as the game's does
        exit.endWithin(std::chrono::milliseconds(20), MissingWordFileExit);
        std::this_thread::sleep_for(std::chrono::seconds(10));
        return 99;
    }
    QCoreApplication app(argc, argv);
    TestLogic test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_logic.moc"
