#include "closing.h"
#include "fakehost.h"
#include "form1probe.h"
#include "runtimeerror.h"
#include "wordfixture.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// A platform's window: by default every move and size succeeds. It can
// stop shrinking at a minimum size, keep the window on the screen, or fail
// to read the top edge.
class FakeWindow final : public closing::WindowGeometry
{
public:
    float top() const override
    {
        if (failReadingTopAfter >= 0 && topReads++ >= failReadingTopAfter)
            platform::raise(platform::Overflow);
        return m_top;
    }
    float left() const override { return m_left; }
    float width() const override { return m_width; }
    float height() const override { return m_height; }
    void setTop(float twips) override { m_top = clampToScreen ? std::min(twips, screen - m_height) : twips; }
    void setLeft(float twips) override { m_left = clampToScreen ? std::min(twips, screen - m_width) : twips; }
    void setWidth(float twips) override
    {
        if (twips < minimumSize)
            platform::raise(platform::Overflow); // refused
        m_width = twips;
    }
    void setHeight(float twips) override { m_height = std::max(twips, minimumSize); } // adjusted
    float screenWidth() const override { return screen; }

    float m_top = 1000;
    float m_left = 2000;
    float m_width = 10560;
    float m_height = 4575;
    float screen = 15360;
    float minimumSize = 1500;
    bool clampToScreen = false;
    int failReadingTopAfter = -1;
    mutable int topReads = 0;
};
} // namespace

class TestClosing : public QObject
{
    Q_OBJECT

private slots:
    void summaryHasFiveLines()
    {
        const QString text = closing::summaryText(platform::timeSerial(0, 12, 5), u"3"_s, u"1"_s, u"2"_s);
        QCOMPARE(text,
            u"You Have Played Tanglewick For 00:12:05\r\n"
            "And Played 3 Tanglewick Words \r\n"
            "And You Had 1 In Correct Guess \r\n"
            "Total Scores Was 2\r\n"
            "Have A Nice Day GoodBye"_s);
    }

    void countersAppearExactlyAsTheirText()
    {
        const QString text = closing::summaryText(0, u"2.5"_s, u" 7"_s, u"10"_s);
        QVERIFY(text.contains(u"And Played 2.5 Tanglewick Words \r\n"_s));
        QVERIFY(text.contains(u"And You Had  7 In Correct Guess \r\n"_s));
        QVERIFY(text.contains(u"Total Scores Was 10\r\n"_s));
    }

    void timePlayed_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("shown");
        QTest::newRow("under one second")
            << platform::timeSerial(10, 0, 0) << platform::timeSerial(10, 0, 0) << u"00:00:00"_s;
        QTest::newRow("exactly one hour")
            << platform::timeSerial(9, 30, 0) << platform::timeSerial(10, 30, 0) << u"01:00:00"_s;
        QTest::newRow("across midnight") << platform::timeSerial(23, 58, 30) << platform::timeSerial(0, 1, 15)
                                         << u"00:02:45"_s;
        QTest::newRow("nearly a whole day")
            << platform::timeSerial(0, 0, 1) << platform::timeSerial(23, 59, 59) << u"23:59:58"_s;
    }

    void timePlayed()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QString, shown);
        const platform::Date played = closing::playTime(start, end);
        QVERIFY(played >= 0 && played < 1);
        QCOMPARE(platform::formatHms(played), shown);
    }

    void passesFollowTheStartingTop_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("screen");
        QTest::addColumn<int>("passes");
        QTest::newRow("top 1000 on a 15360-twip screen") << 1000.0f << 15360.0f << 479;
        QTest::newRow("top already beyond the screen's width") << 20000.0f << 15360.0f << 1;
        QTest::newRow("one step short of the edge") << 15330.0f << 15360.0f << 2;
        QTest::newRow("on the edge") << 15360.0f << 15360.0f << 1;
    }

    void passesFollowTheStartingTop()
    {
        QFETCH(float, top);
        QFETCH(float, screen);
        QFETCH(int, passes);
        QCOMPARE(closing::passesToLeave(top, screen), passes);
        FakeWindow window;
        window.m_top = top;
        window.screen = screen;
        window.minimumSize = 0;
        QCOMPARE(closing::animateAway(window), passes);
        QVERIFY(window.m_top > screen);
    }

    void windowShrinksAboutItsCentre()
    {
        FakeWindow window;
        window.minimumSize = 0;
        window.screen = 1000 + 30 * 10 - 1; // ten passes
        const float centreX = window.m_left + window.m_width / 2;
        const float centreY = window.m_top + window.m_height / 2;
        QCOMPARE(closing::animateAway(window), 10);
        QCOMPARE(window.m_left + window.m_width / 2, centreX);
        QCOMPARE(window.m_top + window.m_height / 2, centreY);
        QCOMPARE(window.m_width, 10560.0f - 600);
    }

    void windowThatStopsShrinkingStillMovesAway()
    {
        FakeWindow window;
        QCOMPARE(closing::animateAway(window), 479);
        QCOMPARE(window.m_height, window.minimumSize);
        QCOMPARE(window.m_width, 1500.0f); // the last width the platform took
        QCOMPARE(window.m_top, 1000.0f + 30 * 479);
    }

    void windowKeptOnTheScreenEndsTheAnimation()
    {
        FakeWindow window;
        window.clampToScreen = true;
        const int passes = closing::animateAway(window);
        QVERIFY(passes < 479);
        QVERIFY(passes > 1);
    }

    void failingToReadTheTopEndsTheAnimation()
    {
        FakeWindow window;
        window.failReadingTopAfter = 20;
        QVERIFY(closing::animateAway(window) < 20);
    }

    void closingTheWindowShowsTheSummaryAndEnds()
    {
        WordDirectory words;
        words.writeWords(8, {u"triangle"_s});
        FakeHost fake(words.path());
        fake.clock.msecs = (10 * 3600 + 15 * 60) * 1000;
        Form1 form(fake.host);
        Form1Probe ui(form);
        FakeWindow window;
        ui.setWindowGeometry(&window);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ui.Cword->setText(u"3"_s);
        ui.InCor->setText(u"1"_s);
        ui.Text2->setText(u"2"_s);

        fake.clock.msecs += 125 * 1000 + 700;
        // The time the box stays up is not part of the time played.
        fake.messageBox.whileShown = [&] { fake.clock.msecs += 3600 * 1000; };
        QVERIFY(form.close());

        QCOMPARE(fake.messageBox.shown.size(), 1);
        const ShownMessage &summary = fake.messageBox.shown.first();
        QCOMPARE(summary.title, u"Tanglewick"_s);
        QCOMPARE(summary.style, platform::InformationOk);
        QCOMPARE(summary.text, closing::summaryText(platform::timeSerial(0, 2, 5), u"3"_s, u"1"_s, u"2"_s));
        QCOMPARE(ui.EndTime, platform::timeSerial(10, 17, 5));
        QVERIFY(window.m_top > window.screen);
        QCOMPARE(fake.programEnd.status, std::optional(platform::NormalExit));
        QVERIFY(!form.isVisible());

        // The window is gone; a second close request shows nothing more.
        form.close();
        QCOMPARE(fake.messageBox.shown.size(), 1);
    }
};

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
