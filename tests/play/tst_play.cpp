// The logic of play without a window: the counters' text.

#include "datatable.h"
#include "errors.h"
#include "play/countertext.h"

#include <QTest>

class TestPlay : public QObject
{
    Q_OBJECT
private slots:
    void incrementCounterText_data()
    {
        // The text raised by one, or a run-time error: any text but a finite number is a type mismatch.
        const Table<QString, QString, int> row("text", "raised", "error");
        row("a fraction", "2.5", "3.5", 0);
        row("blanks around", " 7 ", "8", 0);
        row("a long count in full", "99999999999999", "100000000000000", 0);
        row("the last count in full", "999999999999998", "999999999999999", 0);
        row("past it, in short", "999999999999999", "1e+15", 0);
        row("empty", "", "", platform::TypeMismatch);
        row("not a number", "3x", "", platform::TypeMismatch);
        row("infinite", "inf", "", platform::TypeMismatch);
    }
    void incrementCounterText()
    {
        QFETCH(QString, text);
        QFETCH(QString, raised);
        QFETCH(int, error);
        QString result;
        QCOMPARE(errorOf([&] { result = play::incrementCounterText(text); }), error);
        QCOMPARE(result, raised);
    }
};

QTEST_GUILESS_MAIN(TestPlay)
#include "tst_play.moc"
