#include "clock.h"
#include "fakehost.h"
#include "host.h"
#include "random.h"
#include "runtimeerror.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void randomValuesLieBelowOne()
    {
        FixedClock clock;
        platform::MixingRandom random(clock, 0);
        for (int i = 0; i < 200000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
        }
    }

    void reseedWithTheSameTimeDoesNotRepeatTheDraw()
    {
        // Two New Words within one second reseed with the same time of day.
        FixedClock clock;
        platform::MixingRandom random(clock, 42);
        random.reseed(0.5);
        const float first = random.next();
        random.reseed(0.5);
        const float second = random.next();
        QVERIFY(first != second);
    }

    void timeOfDayDropsTheFractionOfASecond()
    {
        FixedClock clock;
        clock.msecs = (13 * 3600 + 5 * 60 + 9) * 1000 + 999;
        const platform::Date now = platform::timeOfDay(clock);
        QCOMPARE(platform::hourOf(now), 13);
        QCOMPARE(platform::minuteOf(now), 5);
        QCOMPARE(platform::secondOf(now), 9);
        QCOMPARE(now, platform::timeSerial(13, 5, 9));
        QCOMPARE(platform::timerSeconds(clock), 47109.999);
    }

    void formatsTimeAsHoursMinutesSeconds_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << 0.0 << u"00:00:00"_s;
        QTest::newRow("one hour") << platform::timeSerial(1, 0, 0) << u"01:00:00"_s;
        QTest::newRow("last second of the day") << platform::timeSerial(23, 59, 59) << u"23:59:59"_s;
        QTest::newRow("a whole day wraps") << 1.0 << u"00:00:00"_s;
        QTest::newRow("difference of two times")
            << platform::timeSerial(14, 0, 5) - platform::timeSerial(13, 58, 0) << u"00:02:05"_s;
    }

    void formatsTimeAsHoursMinutesSeconds()
    {
        QFETCH(double, date);
        QFETCH(QString, text);
        QCOMPARE(platform::formatHms(date), text);
    }

    void wholeNumbersOverflowPastTheirRange()
    {
        QCOMPARE(platform::checkedNarrow<std::int16_t>(-32768), std::int16_t{-32768});
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::checkedNarrow<std::int16_t>(32768));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, platform::checkedNarrow<std::int32_t>(2147483648LL));
    }

    void unhandledErrorIsReportedAndEndsTheProgram()
    {
        FakeHost fake;
        bool afterTheError = false;
        platform::runEvent(fake.host, [&] {
            platform::raise(platform::TypeMismatch);
            afterTheError = true;
        });
        QVERIFY(!afterTheError);
        QCOMPARE(fake.messageBox.shown.size(), 1);
        QCOMPARE(fake.messageBox.shown[0].title, u"Tanglewick"_s);
        QCOMPARE(fake.messageBox.shown[0].style, platform::CriticalOk);
        QVERIFY(fake.messageBox.shown[0].text.contains(u"13"_s));
        QVERIFY(fake.messageBox.shown[0].text.contains(u"Type mismatch"_s));
        QCOMPARE(fake.programEnd.status, std::optional(platform::UnhandledErrorExit));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
