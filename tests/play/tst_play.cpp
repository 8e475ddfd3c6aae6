// The logic of play without a window: the draw, the shuffle, judging a
// guess, which entries can be played, and the counters' text.

#include "datatable.h"
#include "fakehost.h"
#include "play/countertext.h"
#include "play/draw.h"
#include "play/guess.h"
#include "play/scramble.h"

#include <QTest>

#include <limits>

namespace {
// A word list of the given entries; the first is the separator, entry 0.
words::EntryList listOf(std::initializer_list<const char16_t *> entries)
{
    words::EntryList list;
    for (const char16_t *entry : entries)
        list.append(QStringView(entry));
    return list;
}
} // namespace

class TestPlay : public QObject
{
    Q_OBJECT
private slots:
    void drawIndex_data()
    {
        // floor(r * count + 1): 1 to count, or an overflow past 32 bits.
        const Table<float, std::int32_t, std::int32_t, int> row("r", "count", "index", "error");
        row("the least r draws the first", 0.0f, 5, 1, 0);
        row("the greatest r draws the last", 0.99999994f, 5, 5, 0);
        row("r between picks by its share", 0.5f, 4, 3, 0);
        row("just below a step stays below it", 0.74f, 4, 3, 0);
        row("the last of the longest list", 0.99999994f, std::numeric_limits<std::int32_t>::max(), 2147483520, 0);
        row("one past the longest list overflows", 1.0f, std::numeric_limits<std::int32_t>::max(), 0,
            platform::Overflow);
    }
    void drawIndex()
    {
        QFETCH(float, r);
        QFETCH(std::int32_t, count);
        QFETCH(std::int32_t, index);
        QFETCH(int, error);
        std::int32_t drawn = 0;
        QCOMPARE(errorOf([&] { drawn = play::drawIndex(r, count); }), error);
        QCOMPARE(drawn, index);
    }

    void typedCapital_data()
    {
        // The capital a typed character stands for, and whether that is a letter the guess box takes.
        const Table<char16_t, char16_t, bool> row("typed", "capital", "letter");
        row("a small letter", u'a', u'A', true);
        row("a capital", u'Q', u'Q', true);
        row("z, the last", u'z', u'Z', true);
        row("@, before A", u'@', u'@', false);
        row("[, after Z", u'[', u'[', false);
        row("the Turkish dotted capital I", u'\u0130', u'I', true);
        row("the Turkish dotless small i", u'\u0131', u'I', true);
        row("a letter beyond A to Z keeps its capital", u'\u00e9', u'\u00c9', false);
        row("a digit", u'5', u'5', false);
    }
    void typedCapital()
    {
        QFETCH(char16_t, typed);
        QFETCH(char16_t, capital);
        QFETCH(bool, letter);
        QCOMPARE(play::typedCapital(typed), capital);
        QCOMPARE(play::isCapitalLetter(capital), letter);
    }

    void isRightGuess_data()
    {
        // The word list the guesses are judged against: its separator, entry 0,
        // is itself an anagram of TRIANGLE, and is no word.
        const Table<QString, QString, bool> row("guess", "answer", "right");
        row("the answer", "TRIANGLE", "TRIANGLE", true);
        row("the answer, though not in the list", "ZYZZYVAS", "ZYZZYVAS", true);
        row("another word of the list, in any case", "INTEGRAL", "TRIANGLE", true);
        row("the answer's letters, not a word of the list", "RELATING", "TRIANGLE", false);
        row("the separator's letters are no word", "ALTERING", "TRIANGLE", false);
        row("a word of the list of other letters", "ABHORRED", "TRIANGLE", false);
        row("a word of the list with a letter more", "TRIANGLES", "TRIANGLE", false);
        row("nothing typed", "", "TRIANGLE", false);
    }
    void isRightGuess()
    {
        QFETCH(QString, guess);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        const words::EntryList list = listOf({u"ALTERING", u"integral", u"abhorred", u"triangles"});
        QCOMPARE(play::isRightGuess(guess, answer, list), right);
    }

    void isPlayable_data()
    {
        const Table<QString, int, bool> row("entry", "length", "playable");
        row("capitals that fill the tiles", "ABCDEFGH", 8, true);
        row("small letters", "abc", 8, true);
        row("one letter", "z", 8, true);
        row("one letter more than the tiles", "ABCDEFGHI", 8, false);
        row("empty", "", 8, false);
        row("a hyphen", "AB-C", 8, false);
        row("a sign just before a", "`", 8, false);
        row("a sign just after z", "{", 8, false);
        row("a letter beyond A to Z", "caf\u00e9", 8, false);
        row("the long s upper-cases to S", "\u017Fun", 3, true);
        row("sharp s upper-cases to SS, if that fits", "stra\u00DFe", 7, true);
        row("sharp s upper-cases to SS, past the tiles", "stra\u00DFe", 6, false);
    }
    void isPlayable()
    {
        QFETCH(QString, entry);
        QFETCH(int, length);
        QFETCH(bool, playable);
        QCOMPARE(play::isPlayable(entry, length), playable);
    }

    void playableEntries()
    {
        // The separator, entry 0, is never played, whatever it holds.
        const words::EntryList list = listOf({u"ABC", u"abc", u"toolong", u"a-b", u"XYZ", u""});
        QCOMPARE(play::playableEntries(list, 3), (std::vector<std::int32_t>{1, 4}));
        QCOMPARE(play::playableEntries(list, 7), (std::vector<std::int32_t>{1, 2, 4}));
    }

    void scrambleLetters_data()
    {
        // Each position in turn swaps with floor(r * (length - 1)).
        const Table<QString, float, QString> row("word", "r", "scrambled");
        row("r 0 each time", "ABCD", 0.0f, "DABC");
        row("r near 1 each time", "ABCD", 0.999f, "CADB");
        row("two letters come out reversed", "AB", 0.999f, "BA");
        row("one letter stays", "A", 0.5f, "A");
        row("nothing to shuffle", "", 0.5f, "");
    }
    void scrambleLetters()
    {
        QFETCH(QString, word);
        QFETCH(float, r);
        QFETCH(QString, scrambled);
        FakeHost fake;
        fake.random.last = r;
        QCOMPARE(play::scrambleLetters(word, fake.random), scrambled);
        // Reseeded once from the timer first, then a draw a letter.
        QCOMPARE(fake.random.timerReseeds, 1);
        QCOMPARE(fake.random.draws, word.size());
    }

    void incrementCounterText_data()
    {
        // The text raised by one, or a run-time error: any text but a finite number is a type mismatch.
        const Table<QString, QString, int> row("text", "raised", "error");
        row("a count", "9", "10", 0);
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
