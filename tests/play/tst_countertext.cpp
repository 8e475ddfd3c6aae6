#include "countertext.h"
#include "guess.h"
#include "runtimeerror.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCounterText : public QObject
{
    Q_OBJECT

private slots:
    void addsOneAndWritesTheShortestText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("raised");
        QTest::newRow("zero") << u"0"_s << u"1"_s;
        QTest::newRow("carries into a new digit") << u"9"_s << u"10"_s;
        QTest::newRow("keeps a fraction") << u"2.5"_s << u"3.5"_s;
        QTest::newRow("negative") << u"-1"_s << u"0"_s;
        QTest::newRow("blanks around the number") << u" 7 "_s << u"8"_s;
        QTest::newRow("exponent") << u"1e3"_s << u"1001"_s;
        QTest::newRow("large whole number") << u"99999999"_s << u"100000000"_s;
    }

    void addsOneAndWritesTheShortestText()
    {
        QFETCH(QString, text);
        QFETCH(QString, raised);
        QCOMPARE(play::incrementCounterText(text), raised);
    }

    void textThatIsNotANumberIsATypeMismatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << u"abc"_s;
        QTest::newRow("number then letters") << u"3x"_s;
        QTest::newRow("infinity") << u"inf"_s;
        QTest::newRow("not a number") << u"nan"_s;
    }

    void textThatIsNotANumberIsATypeMismatch()
    {
        QFETCH(QString, text);
        try {
            play::incrementCounterText(text);
            QFAIL("no error");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.code(), platform::TypeMismatch);
        }
    }

    void guessIsJudged_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<bool>("right");
        QTest::newRow("the answer") << u"TRIANGLE"_s << true;
        QTest::newRow("another word of the list with the same letters") << u"INTEGRAL"_s << true;
        QTest::newRow("same letters, not in the list") << u"RELATING"_s << false;
        QTest::newRow("in the list, other letters") << u"ABHORRED"_s << false;
        QTest::newRow("a prefix of the answer") << u"TRIANGL"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("answer in lower case is not the typed text") << u"triangle"_s << false;
    }

    void guessIsJudged()
    {
        QFETCH(QString, guess);
        QFETCH(bool, right);
        words::EntryList list;
        for (const QString &entry : {u"------------"_s, u"triangle"_s, u"integral"_s, u"abhorred"_s})
            list.append(entry);
        QCOMPARE(play::isRightGuess(guess, u"TRIANGLE"_s, list), right);
    }
};

QTEST_GUILESS_MAIN(TestCounterText)
#include "tst_countertext.moc"
