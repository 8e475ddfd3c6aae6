// The game played through its window, keys and clicks as a player gives
// them, with what the window shows and holds after them as one line; its
// start, its word files and word list, and its closing.

#include "closing/closing.h"
#include "datatable.h"
#include "game.h"
#include "qtplatform/windowgeometry.h"
#include "widgets/wordlistbox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The report of a word file missing or corrupted, naming it.
ShownMessage missingFileReport(const QString &file)
{
    return {"Can Not Find File " + file + " It's Missing or Corrupted", u"Error"_s, platform::CriticalOk};
}

class TestGame : public GameTest
{
    Q_OBJECT

private slots:
    void play_data()
    {
        const Table<QString, QString> row("script", "state");
        // clang-format off
        row("eight letters fill the box and wait", "triangle", "box=TRIANGLE you=TRIANGLE.... typed=8");
        row("right guess typed in lower case", "triangle Enter", "box=TRIANGLE(hidden) you=TRIANGLE.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("a letter after a full guess judges it and starts anew", "abcdefghq", "box=Q wrong=1 verdict=incorrect");
        row("Backspace after a full guess judges it", "trianglx Backspace", "wrong=1 verdict=incorrect");
        row("a digit is counted, not typed; arrows and Home move the caret uncounted", "tr5 Left Home i", "box=ITR you=TR.I........ typed=4");
        row("Enter on an empty box is wrong; a counted key hides the message", "Enter 5", "typed=1 wrong=1");
        row("seven letters and a digit complete the guess", "triangl5e", "box=E wrong=1 verdict=incorrect");
        row("Backspace takes back the last letter, if any", "Backspace tri Backspace", "box=TR you=TR.......... typed=2");
        row("another word of the list with the same letters is right", "integral Enter", "box=INTEGRAL(hidden) you=INTEGRAL.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("Escape, a sign past Z and Ctrl keys are counted, never obeyed", "tr Escape ~ Ctrl+V Ctrl+A Ctrl+Z", "box=TR you=TR.......... typed=7");
        row("Ctrl+H is Backspace, Ctrl+M Enter", "triangl Ctrl+H le Ctrl+M", "box=TRIANGLE(hidden) you=TRIANGLE.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("a count past the tiles starts again at the first", "Count=12 a", "box=A typed=1");
        row("a counter that is not a number ends the key silently", "Set:InCor=lots ab Enter", "wrong=lots verdict=incorrect");
        row("New Word after a right guess", "triangle Enter GetNewWord x", "box=X you=X........... typed=1 words=2 score=1");
        row("New Word after a wrong guess hides the message", "Enter GetNewWord", "words=2 wrong=1");
        row("Enter presses New Word when it has the focus", "triangle Enter Enter", "words=2 score=1");
        row("the score box takes no typing, nor do the hidden boxes", "Text2 9 PickWord x Cword 9", "focus=Cword");
        row("Show Word reveals the answer and no key reaches the hidden box", "xyz ShowWord ShowWord a Enter", "box=XYZ(hidden) you=TRIANGLE.... typed=3 focus=ShowWord");
        row("Show Word shows the first twelve letters of a longer answer", "Set:PickWord=INTERNATIONALISATION ShowWord", "box=(hidden) you=INTERNATIONA focus=ShowWord answer=INTERNATIONALISATION");
        row("a length choice keeps the counters and the focus", "tri Enter abc Option12", "wrong=1 focus=Option12 len=12 answer=ACCIDENTALLY");
        row("after a length choice typing starts at the first tile", "triangle Enter Option9 GuessWord b", "box=B you=B........... typed=1 score=1 verdict=correct len=9 answer=ABANDONED");
        row("a wrong guess clears all twelve tiles", "Option12 GuessWord abcdefghijk Enter", "wrong=1 verdict=incorrect len=12 answer=ACCIDENTALLY");
        row("a wrong guess leaves the congratulation as it was", "triangle Enter Option9 GuessWord Enter", "wrong=1 score=1 verdict=both len=9 answer=ABANDONED");
        row("after a length choice Shift+Tab thrice is back in the guess box, Tab seven times", "Option9 Shift+Tab Shift+Tab Shift+Tab a Option9 Tab Tab Tab Tab Tab Tab Tab b", "box=B you=AB.......... typed=2 len=9 answer=ABANDONED");
        row("while InCorrect is on show it is a Tab stop too: Tab eight times", "Enter Option9 Tab Tab Tab Tab Tab Tab Tab Tab b", "box=B you=B........... typed=1 wrong=1 len=9 answer=ABANDONED");
        row("arrow keys choose the length", "Option8 Down Down Up Down Down", "focus=Option11 len=11 answer=BATTLEFIELD");
        row("back to eight letters", "Option12 Option8", "focus=Option8");
        row("a word file gone in mid-play ends the game", "Remove:Words10.Txt Option10", "focus=Option10 len=10 end=2");
        row("New Word with a broken counter is an unhandled error", "Set:Cword=many GetNewWord", "words=many focus=GetNewWord end=3");
        row("the pointer resting on Show Word tells what it is for", "Hover:ShowWord", "tip=  Click To Show Word ");
        // clang-format on
    }

    void play()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        run(*m_game, script);
        QTRY_COMPARE(m_game->state(), state); // a tooltip comes once the pointer has rested a moment
    }

    // Letters reach the guess as keys alone, through the key handler: none dropped in, none composed by an
    // input method.
    void guessTakesKeysAlone()
    {
        QLineEdit *box = m_game->get(u"GuessWord"_s);
        QInputMethodQueryEvent query(Qt::ImEnabled); // as an input method asks of the box with the focus
        QInputMethodEvent composed; // and what one sends regardless
        composed.setCommitString(u"xyz"_s);
        QApplication::sendEvent(box, &query);
        QApplication::sendEvent(box, &composed);
        QVERIFY(!box->acceptDrops());
        QVERIFY(!query.value(Qt::ImEnabled).toBool());
        QCOMPARE(box->text(), QString());
    }

    // Until the window manager frames it, the window makes room for a frame of 3 pixels a side and a title of 22.
    void startUpCentresTheWindow()
    {
        Game game;
        game.form.load();
        QCOMPARE(
            QRect(game.form.pos(), game.form.size() + QSize(6, 25)).center(), game.form.screen()->geometry().center());
    }

    void startUpDrawsAScrambledEightLetterWord()
    {
        Game game;
        game.fake.clock.msecs = (9 * 3600 + 30 * 60 + 15) * 1000 + 400;
        // The second of three words; then a letter at a time, each swaps with one drawn from all but the last.
        game.fake.random.values = {0.4f, 0.99f};
        game.form.load();
        QCOMPARE(
            game.held(), "WordFile=" + game.path(u"Words8.Txt"_s) + " PickIndex=2 StartTime=09:30:15 EndTime=00:00:00");
        QCOMPARE(u"tiles=%1 you=%2 scrambled=%3 box=%4 answer=%5"_s.arg(game.tiles(1), game.tiles(2),
                     game.text("TextBox1"), game.text("GuessWord"), game.text("PickWord")),
            u"tiles=AINTEGLR.... you=............ scrambled=AINTEGLR box= answer=INTEGRAL"_s);
        // The draw reseeds with the time of day, the shuffle from the timer; one draw, then one a letter.
        QCOMPARE(std::tuple(game.fake.random.reseeds, game.fake.random.timerReseeds, game.fake.random.draws),
            std::tuple(QList<double>{platform::timeSerial(9, 30, 15)}, 1, 1 + 8));
    }

    void unusableWordFileEndsTheGame_data()
    {
        // Content "<none>": no file; "<dir>": a directory in its place. The file for eight letters is
        // reported at start-up; the one for twelve, on choosing that length.
        const Table<QByteArray, int> row("content", "length");
        for (const int length : {8, 12}) {
            const QByteArray when = length == 8 ? " at start-up" : " on choosing its length";
            row("missing" + when, "<none>", length);
            row("a directory" + when, "<dir>", length);
            row("empty" + when, "", length);
            row("only blank lines" + when, "\r\n\r\n\n", length);
            row("no playable word" + when, "caf\xC3\xA9\r\nwatermelonstalls\r\n", length);
        }
    }
    void unusableWordFileEndsTheGame()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, length);
        Game game;
        const QString name = u"Words%1.Txt"_s.arg(length), file = game.path(name);
        QFile::remove(file);
        if (!content.startsWith('<'))
            game.write(name, content);
        else if (content == "<dir>")
            QVERIFY(QDir().mkdir(file));
        game.form.load();
        run(game, length == 12 ? u"Option12"_s : QString());
        QCOMPARE(game.fake.messageBox.shown, QList{missingFileReport(file)});
        QCOMPARE(game.fake.programEnd.status, std::optional(platform::MissingWordFileExit));
    }

    void wordFileDraws_data()
    {
        // The words drawn at 0, 1/6, 1/2, 5/6 and the top of the draw: only playable entries, each as likely.
        const Table<QByteArray, QString> row("content", "drawn");
        // clang-format off
        row("NUL bytes and control characters", QByteArray("ap\0ple\r\nle\x07mon\r\nmango\r\n", 22), "MANGO MANGO MANGO MANGO MANGO");
        row("blank lines hand their draws to no word", "apple\r\n\r\n\r\n\r\nlemon\r\n\r\nmango\r\n", "APPLE APPLE LEMON MANGO MANGO");
        row("longer words passed over", "internationalisation\r\nlemon\r\nwatermelons\r\n", "LEMON LEMON LEMON LEMON LEMON");
        row("100,000 entries", "apple\r\n" + QByteArray("lemon\r\n").repeated(99998) + "mango\r\n", "APPLE LEMON LEMON LEMON MANGO");
        // clang-format on
    }
    void wordFileDraws()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, drawn);
        Game game;
        game.write(u"Words8.Txt"_s, content);
        game.form.load();
        QStringList words{game.text("PickWord")};
        for (const float draw : {1 / 6.0f, 0.5f, 5 / 6.0f, std::nextafter(1.0f, 0.0f)}) {
            game.fake.random.values = {draw};
            run(game, u"GetNewWord"_s);
            words << game.text("PickWord");
        }
        QCOMPARE(words.join(u' '), drawn);
    }

    // A word file gone once counted is reported as missing, before the word list is touched.
    void wordFileGoneBetweenCountAndLoad()
    {
        const QString file = m_game->path(u"Words8.Txt"_s);
        m_game->countThenLoad([&] { QFile::remove(file); });
        QCOMPARE(m_game->fake.messageBox.shown, QList{missingFileReport(file)});
        QCOMPARE(m_game->get<WordListBox>(u"WordList"_s)->entries().size(), 4); // TRIANGLE's file, as loaded at start
    }

    // The hidden word list hands out its rows a hundred at a time, from none again after each load, as the
    // list box fetches them, and tells of each batch as the rows it adds.
    void wordListHandsOutItsRowsInBatches()
    {
        auto *list = m_game->get<WordListBox>(u"WordList"_s);
        QStringList seen; // the row count read, each batch as announced ("+first-last"), each reset as "(" and ")"
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
            [&](const QModelIndex &, int first, int last) { seen << u"+%1-%2"_s.arg(first).arg(last); });
        QObject::connect(list->model(), &QAbstractItemModel::modelAboutToBeReset, list, [&] { seen << u"("_s; });
        QObject::connect(list->model(), &QAbstractItemModel::modelReset, list, [&] { seen << u")"_s; });
        for (const int size : {250, 3}) {
            words::EntryList entries;
            for (int i = 0; i < size; ++i)
                entries.append(QString::number(i));
            list->setEntries(std::move(entries));
            do {
                seen << QString::number(list->model()->rowCount());
                list->model()->fetchMore({});
            } while (list->model()->canFetchMore({}));
            seen << QString::number(list->model()->rowCount()) + u'.';
        }
        QCOMPARE(seen.join(u' '), u"( ) 0 +0-99 100 +100-199 200 +200-249 250. ( ) 0 +0-2 3."_s);
        QCOMPARE(list->model()->data({}), QVariant()); // no text for no row, as Ctrl+C with none current asks
    }

    // The boxes below the client area give a screen reader their names alone: no answer, no word, no count.
    void hiddenBoxesTellAScreenReaderNothing()
    {
        QStringList told;
        for (const char *name : {"WordList", "PickWord", "TextBox1", "Cword", "InCor", "Text2"}) {
            auto *box = QAccessible::queryAccessibleInterface(m_game->get<QWidget>(QLatin1String(name)));
            told << box->text(QAccessible::Name) + u':' + box->text(QAccessible::Value) + u'/'
                    + QString::number(box->childCount()) + (box->textInterface() ? "/text" : "");
        }
        QCOMPARE(told.join(u", "_s),
            u"Word list:/0, Answer:/0, Scrambled word:/0, Words played:/0, Incorrect guesses:/0, Score:0/0/text"_s);
    }

    // An animation out of time shows one pass: the window 4 pixels smaller each way, its frame apart.
    void closingOutOfTimeShowsOnePass()
    {
        const QSize before = m_game->form.size();
        QtWindowGeometry noTime(&m_game->form, 0ms);
        QCOMPARE(closing::animateAway(noTime), 1);
        QCOMPARE(m_game->form.size(), before - QSize(4, 4));
    }

    // A place past a million pixels, or none, is refused as an overflow.
    void windowPlaceOutOfRangeIsAnOverflow()
    {
        QtWindowGeometry geometry(&m_game->form, 0ms);
        QCOMPARE(errorOf([&] { geometry.setTop(15e6f); }), 0);
        QCOMPARE(errorOf([&] { geometry.setTop(15000015.0f); }), platform::Overflow);
        QCOMPARE(errorOf([&] { geometry.setLeft(NAN); }), platform::Overflow);
    }

    // The summary is shown once, however often the player closes while it is up.
    void closingShowsTheSummary()
    {
        run(*m_game, u"Set:Cword=3 Set:InCor=1 Set:Text2=2"_s);
        m_game->fake.clock.msecs += 125 * 1000 + 700;
        m_game->fake.messageBox.whileShown = [this] {
            m_game->fake.clock.msecs += 3600 * 1000; // an hour passes
            QCloseEvent again; // as the window manager sends it
            QApplication::sendEvent(&m_game->form, &again);
        };
        m_game->form.close();
        const QString summary = u"You Have Played Tanglewick For 00:02:05\r\nAnd Played 3 Tanglewick Words \r\n"
                                "And You Had 1 In Correct Guess \r\nTotal Scores Was 2\r\nHave A Nice Day GoodBye"_s;
        QCOMPARE(
            m_game->fake.messageBox.shown, QList<ShownMessage>({{summary, u"Tanglewick"_s, platform::InformationOk}}));
        QCOMPARE(m_game->held().section(u' ', -1), u"EndTime=12:02:05"_s);
    }

    // The window slides away until its top passes the screen's width, and the program is to end within half a
    // second, whatever holds it up; it ends so once the window has gone.
    void closingSlidesTheWindowAwayThenEnds()
    {
        m_game->form.close();
        QVERIFY(m_game->form.y() > m_game->form.screen()->geometry().width());
        QCOMPARE_LE(m_game->fake.programEnd.deadline.value_or(1h), 400ms);
        QCOMPARE(m_game->fake.programEnd.deadlineStatus, platform::NormalExit);
        QCOMPARE(m_game->fake.programEnd.status, platform::NormalExit);
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"