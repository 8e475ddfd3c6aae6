#include "fakehost.h"
#include "guess.h"
#include "scramble.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestScramble : public QObject
{
    Q_OBJECT

private slots:
    void scrambleKeepsTheLettersAndNeverLeavesTheLastLetterLast_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<float>>("draws");

        const QList<float> low(12, 0.0f);
        const QList<float> high(12, 0.999999f);
        QTest::newRow("eight letters, all draws low") << u"TRIANGLE"_s << low;
        QTest::newRow("eight letters, all draws high") << u"TRIANGLE"_s << high;
        QTest::newRow("twelve letters, mixed draws")
            << u"ABCDEFGHIJKL"_s
            << QList<float>{0.1f, 0.9f, 0.5f, 0.3f, 0.7f, 0.2f, 0.8f, 0.4f, 0.6f, 0.0f, 0.95f, 0.05f};
        QTest::newRow("three letters") << u"CAT"_s << QList<float>{0.6f, 0.2f, 0.7f};
    }

    void scrambleKeepsTheLettersAndNeverLeavesTheLastLetterLast()
    {
        QFETCH(QString, word);
        QFETCH(QList<float>, draws);
        ScriptedRandom random;
        random.values.assign(draws.begin(), draws.end());

        const QString scrambled = play::scrambleLetters(word, random);

        QVERIFY2(play::sameLetters(scrambled, word), qPrintable(scrambled));
        QVERIFY2(scrambled.back() != word.back(), qPrintable(scrambled));
        QCOMPARE(random.timerReseeds, 1);
        QCOMPARE(random.draws, word.size());
    }

    void scrambleFollowsTheSwapRule()
    {
        // J=1 swaps with floor(0.5*3)+1 = 2: BACD; J=2 with 1: ABCD;
        // J=3 with floor(0.9*3)+1 = 3: ABCD; J=4 with 1: DBCA.
        ScriptedRandom random;
        random.values = {0.5f, 0.0f, 0.9f, 0.0f};
        QCOMPARE(play::scrambleLetters(u"ABCD"_s, random), u"DBCA"_s);
    }

    void shortWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("two letters are reversed") << u"AB"_s << u"BA"_s;
        QTest::newRow("one letter is unchanged") << u"A"_s << u"A"_s;
        QTest::newRow("empty word stays empty") << QString() << QString();
    }

    void shortWords()
    {
        QFETCH(QString, word);
        QFETCH(QString, scrambled);
        for (const float r : {0.0f, 0.5f, 0.999999f}) {
            ScriptedRandom random;
            random.last = r;
            QCOMPARE(play::scrambleLetters(word, random), scrambled);
            QCOMPARE(random.draws, word.size());
        }
    }

    void drawIndexStaysWithinTheList_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("WordCount");
        QTest::addColumn<int>("index");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        QTest::newRow("r = 0 draws the first word") << 0.0f << 6673 << 1;
        QTest::newRow("r just below 1 draws the last word") << belowOne << 6673 << 6673;
        QTest::newRow("one word is always drawn") << belowOne << 1 << 1;
        QTest::newRow("middle") << 0.5f << 10 << 6;
        QTest::newRow("past 32,767 entries, the last") << belowOne << 100000 << 100000;
        QTest::newRow("past 32,767 entries, beyond 16 bits") << 0.5f << 100000 << 50001;
    }

    void drawIndexStaysWithinTheList()
    {
        QFETCH(float, r);
        QFETCH(int, WordCount);
        QFETCH(int, index);
        QCOMPARE(play::drawIndex(r, WordCount), index);
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
