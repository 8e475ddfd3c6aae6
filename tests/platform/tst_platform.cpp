// The host services without a window: the clock, the random generator, the
// report of an unhandled error, and the program's watch.

#include "datatable.h"
#include "fakehost.h"
#include "platform/programend.h"
#include "platform/runtimeerror.h"

#include <QProcess>
#include <QTest>

#include <new>
#include <thread>

using namespace Qt::StringLiterals;
using namespace platform;

class TestPlatform : public QObject
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

    void unhandledErrorIsReportedAndEnds_data()
    {
        const Table<int, QString> row("raised", "report");
        row("type mismatch", TypeMismatch, "Run-time error '13':\n\nType mismatch");
        row("memory running out, a std::bad_alloc", OutOfMemory, "Run-time error '7':\n\nOut of memory");
    }
    void unhandledErrorIsReportedAndEnds()
    {
        QFETCH(int, raised);
        QFETCH(QString, report);
        FakeHost fake;
        struct Handler
        {
            int raised;
            void run() { raised == OutOfMemory ? throw std::bad_alloc() : raise(ErrorCode(raised)); }
        } handler{raised};
        runEvent(fake.host, handler, &Handler::run);
        QCOMPARE(fake.messageBox.shown, (QList<ShownMessage>{{report, "Tanglewick", CriticalOk}}));
        QCOMPARE(fake.programEnd.status, std::optional(UnhandledErrorExit));
    }

    // The program's watch ends it, with the status it was given, while it is held up.
    void endWithinEndsAHeldUpProgram()
    {
        // This program, as main() below runs it: held up for 10 s, past its watch's 20 ms.
        QCOMPARE(
            QProcess::execute(QCoreApplication::applicationFilePath(), {u"--held-up"_s}), int(MissingWordFileExit));
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
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
