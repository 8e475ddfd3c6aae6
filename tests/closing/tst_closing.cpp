// The closing without a window: the time played, and the animation of the
// closing window over a window of the test's own.

#include "closing/closing.h"
#include "datatable.h"
#include "platform/runtimeerror.h"

#include <QRectF>
#include <QTest>

using namespace platform;

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

class TestClosing : public QObject
{
    Q_OBJECT
private slots:
    void timePlayed_data()
    {
        const Table<Date, Date, QString> row("start", "end", "played");
        row("a whole day is none", 0.0, 1.0, "00:00:00");
        row("part of a second dropped", timeSerial(10, 0, 0), timeSerial(10, 0, 0) + 0.4 / 86400, "00:00:00");
        row("across midnight, counted on", timeSerial(23, 58, 30), timeSerial(0, 1, 15), "00:02:45");
        row("all but two seconds of a day", timeSerial(0, 0, 1), timeSerial(23, 59, 59), "23:59:58");
    }
    void timePlayed()
    {
        QFETCH(Date, start);
        QFETCH(Date, end);
        QFETCH(QString, played);
        const Date time = closing::playTime(start, end);
        QVERIFY(time >= 0 && time < 1);
        QCOMPARE(formatHms(time), played);
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
        row("a pass from the edge", {15330, 15360, 0, never, 0, ample}, 2, 2, {2060, 15390, 3880, 3880});
        row("already past the edge: one pass", {15380, 15360, 0, never, 0, ample}, 1, 1, {2030, 15410, 3940, 3940});
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

QTEST_GUILESS_MAIN(TestClosing)
#include "tst_closing.moc"
