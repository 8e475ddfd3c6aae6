// The game played through its window, keys and clicks as a player gives
// them, with what the window shows and holds after them as one line; its
// start, its word files, its closing, the seams it speaks through, what the
// window's geometry table cannot say by itself, and a storm of play.

#include "app/closing.h"
#include "app/systemhost.h"
#include "app/windowgeometry.h"
#include "datatable.h"
#include "game.h"
#include "play/guess.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QBitmap>
#include <QClipboard>
#include <QFontDatabase>
#include <QMessageBox>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <random>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {
// Plays a script of words: a control's name clicks it (GetNewWord, Option12,
// GuessWord …); Count=<n> sets the typed count, Set:<box>=<text> a box's
// text, Remove:<file> deletes a word file; another capitalised word is a key
// by its name (Enter, Backspace, Ctrl+V …); any other is typed letter by letter.
void run(Game &game, const QString &script)
{
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *focus = QApplication::focusWidget();
        if (word.startsWith(u"Count="))
            game.ui.TypedCount() = word.section(u'=', 1).toShort();
        else if (word.startsWith(u"Set:"))
            game.get(word.mid(4).section(u'=', 0, 0))->setText(word.section(u'=', 1));
        else if (word.startsWith(u"Remove:"))
            QFile::remove(game.path(word.mid(7)));
        else if (QWidget *control = game.get<QWidget>(word))
            QTest::mouseClick(control, Qt::LeftButton);
        else if (word.front().isUpper())
            QTest::keyClick(focus, QKeySequence(word)[0].key(), QKeySequence(word)[0].keyboardModifiers());
        else
            for (const QChar c : word) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(focus, c.toLatin1());
                else // a key of another keyboard, known by its text alone
                    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
    }
}
} // namespace

class TestGame : public QObject
{
    Q_OBJECT

    std::unique_ptr<Game> m_game;

private slots:
    void init()
    {
        m_game = std::make_unique<Game>();
        QApplication::clipboard()->setText(u"TRIANGLE"_s);
        m_game->form.load(); // the generator stays at 0: the first word, TRIANGLE
        m_game->form.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_game->form));
    }

    void cleanup() { m_game.reset(); }

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
        row("a Turkish capital \u0130 and dotless \u0131 are I; other letters are counted, not typed", "tr\u0130\u0131\u00e9", "box=TRII you=TRII........ typed=5");
        row("Escape, a sign past Z and Ctrl keys are counted, never obeyed", "tr Escape ~ Ctrl+V Ctrl+A Ctrl+Z", "box=TR you=TR.......... typed=7");
        row("Ctrl+H is Backspace, Ctrl+M Enter", "triangl Ctrl+H le Ctrl+M", "box=TRIANGLE(hidden) you=TRIANGLE.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("a count past the tiles starts again at the first", "Count=12 a", "box=A typed=1");
        row("a counter that is not a number ends the key silently", "Set:InCor=lots ab Enter", "wrong=lots verdict=incorrect");
        row("New Word after a right guess", "triangle Enter GetNewWord x", "box=X you=X........... typed=1 words=2 score=1");
        row("New Word after a wrong guess hides the message", "Enter GetNewWord", "words=2 wrong=1");
        row("Enter presses New Word when it has the focus", "triangle Enter Enter", "words=2 score=1");
        row("the score box takes no typing", "Text2 9", "focus=Text2");
        row("Show Word reveals the answer and no key reaches the hidden box", "xyz ShowWord ShowWord a Enter", "box=XYZ(hidden) you=TRIANGLE.... typed=3 focus=ShowWord");
        row("Show Word shows the first twelve letters of a longer answer", "Set:PickWord=INTERNATIONALISATION ShowWord", "box=(hidden) you=INTERNATIONA focus=ShowWord answer=INTERNATIONALISATION");
        row("a length choice keeps the counters and the focus", "tri Enter abc Option12", "wrong=1 focus=Option12 len=12 answer=ACCIDENTALLY");
        row("after a length choice typing starts at the first tile", "triangle Enter Option9 GuessWord b", "box=B you=B........... typed=1 score=1 verdict=correct len=9 answer=ABANDONED");
        row("a wrong guess clears all twelve tiles", "Option12 GuessWord abcdefghijk Enter", "wrong=1 verdict=incorrect len=12 answer=ACCIDENTALLY");
        row("a wrong guess leaves the congratulation as it was", "triangle Enter Option9 GuessWord Enter", "wrong=1 score=1 verdict=both len=9 answer=ABANDONED");
        row("arrow keys choose the length", "Option8 Down Down Up Down Down", "focus=Option11 len=11 answer=BATTLEFIELD");
        row("a word file gone in mid-play ends the game", "Remove:Words10.Txt Option10", "focus=Option10 len=10 end=2");
        row("New Word with a broken counter is an unhandled error", "Set:Cword=many GetNewWord", "words=many focus=GetNewWord end=3");
        // clang-format on
    }

    void play()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        run(*m_game, script);
        QCOMPARE(m_game->state(), state);
    }

    void startUpDrawsAScrambledEightLetterWord()
    {
        Game game;
        game.fake.clock.msecs = (9 * 3600 + 30 * 60 + 15) * 1000 + 400;
        game.fake.random.values = {0.4f}; // the second of three words, and each letter's draw in the shuffle
        game.form.load();
        QCOMPARE(game.ui.held(),
            "WordFile=" + game.path(u"Words8.Txt"_s) + " WordCount=3 PickIndex=2 StartTime=09:30:15 EndTime=00:00:00");
        QAbstractItemModelTester model(game.get<QAbstractItemView>(u"WordList"_s)->model());
        game.form.show(); // the list box asks for the rows it shows
        QAbstractItemModel *list = game.get<QAbstractItemView>(u"WordList"_s)->model();
        QTRY_COMPARE(u"rows=%1 first=%2 last=%3 nothing=%4"_s.arg(list->rowCount())
                         .arg(list->index(0, 0).data().toString(), list->index(3, 0).data().toString(),
                             list->data({}).toString()), // and no text for no row
            u"rows=4 first=------------ last=abhorred nothing="_s);
        QCOMPARE(u"tiles=%1 you=%2 scrambled=%3 box=%4 answer=%5"_s.arg(game.tiles(1), game.tiles(2),
                     game.text("TextBox1"), game.text("GuessWord"), game.text("PickWord")),
            u"tiles=TILNEGRA.... you=............ scrambled=TILNEGRA box= answer=INTEGRAL"_s);
        // The draw reseeds with the time of day, the shuffle from the timer; one draw, then one a letter.
        QCOMPARE(game.fake.random.reseeds, QList<double>{platform::timeSerial(9, 30, 15)});
        QCOMPARE(game.fake.random.timerReseeds, 1);
        QCOMPARE(game.fake.random.draws, 1 + 8);
    }

    void everyPlayableWordIsEquallyLikely()
    {
        // Blank lines before a word must not hand it their draws.
        m_game->write(u"Words8.Txt"_s, "apple\r\n\r\n\r\n\r\nlemon\r\n\r\nmango\r\n");
        run(*m_game, u"Option9 Option8"_s);
        QMap<QString, int> drawn;
        for (int i = 0; i < 300; ++i) {
            m_game->fake.random.values = {(static_cast<float>(i) + 0.5f) / 300};
            run(*m_game, u"GetNewWord"_s);
            ++drawn[m_game->text("PickWord")];
        }
        QCOMPARE(drawn, (QMap<QString, int>{{u"APPLE"_s, 100}, {u"LEMON"_s, 100}, {u"MANGO"_s, 100}}));
    }

    void badWordFiles_data()
    {
        // Content "<none>": no file, "<dir>": a directory in its place. Drawn: the words drawn at the bottom
        // and the top of the draw (bottom=... top=...), or "-": the file is reported and the game ends.
        const Table<QByteArray, QString> row("content", "drawn");
        // clang-format off
        row("missing", "<none>", "-");
        row("a directory", "<dir>", "-");
        row("empty", "", "-");
        row("only blank lines", "\r\n\r\n\n", "-");
        row("NUL bytes and control characters", QByteArray("ap\0ple\r\nle\x07mon\r\nmango\r\n", 22), "bottom=MANGO top=MANGO");
        row("no playable word", "caf\xC3\xA9\r\n\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE\r\nwatermelons\r\n", "-");
        row("shorter words", "cat\r\nox\r\n", "bottom=CAT top=OX");
        row("longer words passed over", "internationalisation\r\nlemon\r\nwatermelons\r\n", "bottom=LEMON top=LEMON");
        row("100,000 entries", "apple\r\n" + QByteArray("lemon\r\n").repeated(99998) + "mango\r\n", "bottom=APPLE top=MANGO");
        // clang-format on
    }

    void badWordFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, drawn);
        Game game;
        const QString file = game.path(u"Words8.Txt"_s);
        QFile::remove(file);
        QVERIFY(content != "<dir>" || QDir().mkdir(file));
        if (!content.startsWith('<'))
            game.write(u"Words8.Txt"_s, content);
        game.form.load();
        if (drawn == u"-") {
            const ShownMessage report{
                "Can Not Find File " + file + " It's Missing or Corrupted", u"Error"_s, platform::CriticalOk};
            QCOMPARE(game.fake.messageBox.shown, QList{report});
            QCOMPARE(game.fake.programEnd.status, std::optional(platform::MissingWordFileExit));
            return;
        }
        const QString first = game.text("PickWord");
        game.fake.random.values = {std::nextafter(1.0f, 0.0f)};
        run(game, u"GetNewWord"_s);
        QCOMPARE(u"bottom=%1 top=%2"_s.arg(first, game.text("PickWord")), drawn);
        QVERIFY(game.fake.messageBox.shown.isEmpty());
    }

    void closingShowsTheSummaryThenTheWindowGoes()
    {
        run(*m_game, u"Set:Cword=3 Set:InCor=1 Set:Text2=2"_s);
        m_game->fake.clock.msecs += 125 * 1000 + 700;
        // While the summary is up, an hour passes and the player closes again.
        m_game->fake.messageBox.whileShown = [this] {
            m_game->fake.clock.msecs += 3600 * 1000;
            QCloseEvent again; // as the window manager sends it
            QApplication::sendEvent(&m_game->form, &again);
        };
        m_game->form.close();
        const QString summary = closing::summaryText(platform::timeSerial(0, 2, 5), u"3"_s, u"1"_s, u"2"_s);
        QCOMPARE(
            m_game->fake.messageBox.shown, QList<ShownMessage>({{summary, u"Tanglewick"_s, platform::InformationOk}}));
        QCOMPARE(m_game->ui.held().section(u' ', -1), u"EndTime=12:02:05"_s);
        // The window slid away until its top passed the screen's width, and
        // the program was to end within half a second, whatever held it up.
        QVERIFY(m_game->form.y() > m_game->form.screen()->geometry().width());
        QCOMPARE_LE(m_game->fake.programEnd.deadline.value_or(1h), 400ms);
        QCOMPARE(m_game->fake.programEnd.deadlineStatus, platform::NormalExit);
        QCOMPARE(m_game->fake.programEnd.status, platform::NormalExit); // and it ended so, once it had gone
    }

    void closingAnimationHasItsTime()
    {
        QtWindowGeometry noTime(&m_game->form, 0ms);
        QCOMPARE(closing::animateAway(noTime), 1);
    }

    void messageBoxShowsItsIcon()
    {
        QString seen;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            seen = u"title=%1 text=%2 icon=%3"_s.arg(box->windowTitle(), box->text()).arg(box->icon());
            box->accept();
        });
        platform::QtMessageBox().show(u"one\r\ntwo"_s, u"Title"_s, platform::CriticalOk);
        QCOMPARE(seen, u"title=Title text=one\ntwo icon=%1"_s.arg(QMessageBox::Critical));
    }

    // What the window's geometry table cannot say by itself (run at scales 1
    // and 2 too): the order Tab visits the controls in, ...
    void tabVisitsTheControlsInTheirOrder()
    {
        const auto visits = [](Qt::Key key) {
            QStringList seen{QApplication::focusWidget()->objectName()};
            do {
                QTest::keyClick(QApplication::focusWidget(), key);
                seen << QApplication::focusWidget()->objectName();
            } while (seen.back() != seen.front() && seen.size() < 20);
            return seen.join(u' ');
        };
        // Shown verdicts take their stops; the round buttons one, at the selected one.
        for (const char *verdict : {"Text1", "Text3"})
            m_game->get(QLatin1String(verdict))->show();
        run(*m_game, u"Option11 GuessWord"_s);
        QCOMPARE(visits(Qt::Key_Tab),
            u"GuessWord GetNewWord Text2 Text3 Option11 WordList PickWord TextBox1 Text1 ShowWord Cword InCor GuessWord"_s);
        QCOMPARE(visits(Qt::Key_Backtab),
            u"GuessWord InCor Cword ShowWord Text1 TextBox1 PickWord WordList Option11 Text3 Text2 GetNewWord GuessWord"_s);
    }

    // ... what is drawn above what, in which colours and bold faces, ...
    void drawnInItsColoursAndFaces()
    {
        for (const QString &verdict : {u"Text1"_s, u"Text3"_s})
            m_game->get(verdict)->show();
        for (const QString &name : {u"Text1"_s, u"GuessWord"_s, u"Text2"_s, u"GetNewWord"_s})
            QCOMPARE(
                m_game->form.childAt(m_game->get<QWidget>(name)->pos() + QPoint(2, 2)), m_game->get<QWidget>(name));
        m_game->get(u"Text1"_s)->hide();
        const QImage image = m_game->form.grab().toImage();
        image.save(qEnvironmentVariable("TANGLEWICK_TEST_OUTPUT", u"."_s)
            + u"/window-scale-%1.png"_s.arg(image.devicePixelRatio()));
        const auto at = [&](const char *name, int x, int y) {
            const QPoint spot = m_game->get<QWidget>(QLatin1String(name))->pos() + QPoint(x, y);
            return image.pixelColor(spot * image.devicePixelRatio()).name();
        };
        // White tiles, blue frames with the window's grey inside, black rules, the grey window.
        QCOMPARE(
            u"tile=%1 frame=%2 inside=%3 rules=%4,%5 window=%6"_s.arg(at("Label2_12", 16, 16), at("Shape1_26", 24, 48),
                at("Shape1_15", 3, 24), at("Line1", 670, 0), at("Line2", 9, 0), at("Label6", 690, 0)),
            u"tile=#ffffff frame=#0000c0 inside=#c0c0c0 rules=#000000,#000000 window=#c0c0c0"_s);
        // The captions' ink is centred across their labels and set at the top.
        for (const char *name : {"Label3", "Label4"}) {
            const QImage caption = m_game->get<QWidget>(QLatin1String(name))->grab().toImage();
            const QRect ink = QRegion(QBitmap::fromImage(caption.createHeuristicMask())).boundingRect();
            QCOMPARE_LE(qAbs(ink.left() + ink.right() + 1 - caption.width()), 2 * caption.devicePixelRatio());
            QCOMPARE_LE(ink.top(), 3 * caption.devicePixelRatio());
        }
        // The congratulation is written in red.
        const QImage verdict
            = m_game->get<QWidget>(u"Text3"_s)->grab().toImage().convertToFormat(QImage::Format_Indexed8);
        QVERIFY(verdict.colorTable().contains(qRgb(255, 0, 0)));
        // Courier New and MS Sans Serif where they are installed, else their metric-compatible stand-ins.
        const auto firstInstalled = [](const QStringList &faces) {
            for (const QString &face : faces)
                if (QFontDatabase::families().contains(face, Qt::CaseInsensitive))
                    return face;
            return QString();
        };
        const QString fixed = firstInstalled({u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s}),
                      sans = firstInstalled({u"MS Sans Serif"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s});
        QString faces;
        for (const char *name : {"Label2_12", "Label5", "GuessWord", "Label4", "Text3", "GetNewWord", "Text2"}) {
            const QFontInfo font(m_game->get<QWidget>(QLatin1String(name))->font());
            faces += u"%1 %2 %3, "_s.arg(font.family()).arg(font.pixelSize()).arg(font.bold() ? "bold" : "light");
        }
        QCOMPARE(faces,
            u"%1 27 bold, %1 13 bold, %1 16 bold, %2 13 bold, %2 13 bold, %2 16 bold, %2 16 bold, "_s.arg(fixed, sans));
    }

    // ... the game's own icon on the window, ...
    void carriesTheGameIcon()
    {
        const QImage icon = m_game->form.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
            QImage(u":/icons/tanglewick-32.png"_s).convertToFormat(QImage::Format_ARGB32));
    }

    // ... its own colours under a dark desktop colour scheme, in every state, ...
    void keepsItsColoursUnderADarkScheme()
    {
        const auto renders = [](Game &game) {
            QList<QImage> shots;
            for (const QString &script : {u""_s, u"tri"_s, u"Enter"_s, u"triangle Enter"_s, u"ShowWord"_s}) {
                run(game, script);
                shots << game.form.grab().toImage();
            }
            return shots;
        };
        QApplication::setCursorFlashTime(0); // a caret that does not blink
        const QList<QImage> standard = renders(*m_game);
        const QPalette light = QApplication::palette();
        QPalette dark(Qt::white, QColor(49, 54, 59), Qt::gray, Qt::black, Qt::darkGray, Qt::white, Qt::white,
            QColor(27, 30, 32), QColor(42, 46, 50));
        dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
        QApplication::setPalette(dark);
        Game game;
        game.form.load();
        game.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&game.form));
        const QList<QImage> shots = renders(game);
        QApplication::setPalette(light);
        shots.back().save(qEnvironmentVariable("TANGLEWICK_TEST_OUTPUT", u"."_s) + u"/window-dark-scheme.png"_s);
        for (qsizetype state = 0; state < shots.size(); ++state)
            QVERIFY2(shots[state] == standard[state], qPrintable(u"state %1"_s.arg(state)));
    }

    // ... and the legend: five lines, each beside its round button.
    void legendBreaksIntoFiveLinesBesideTheButtons()
    {
        QWidget *legend = m_game->get<QWidget>(u"Label5"_s);
        const QImage image = legend->grab().toImage();
        QList<qreal> lines; // the middle of each run of rows with ink, in the window
        for (int y = 0, top = -1; y <= image.height(); ++y) {
            bool ink = false;
            for (int x = 0; y < image.height() && x < image.width(); ++x)
                ink = ink || qGray(image.pixel(x, y)) < 96;
            if (ink && top < 0)
                top = y;
            if (!ink && top >= 0)
                lines << legend->y() + (top + y) / 2.0 / image.devicePixelRatio() - 0.5;
            top = ink ? top : -1;
        }
        QCOMPARE(lines.size(), 5);
        for (int n = 8; n <= 12; ++n)
            QCOMPARE_LE(qAbs(lines[n - 8] - m_game->get<QWidget>(u"Option%1"_s.arg(n))->geometry().center().y()), 3);
    }

    // A storm of play, with the game's promises checked after every step.
    // The seed is fixed, so every run plays the same storm;
    // TANGLEWICK_SOAK_SEED plays another.
    void stormOfPlay()
    {
        Game &game = *m_game;
        QTest::failOnWarning(QRegularExpression(u"."_s)); // nor a word of complaint from Qt
        const quint64 seed = qEnvironmentVariable("TANGLEWICK_SOAK_SEED", u"20261206"_s).toULongLong();
        std::mt19937_64 dice(seed);
        // A step that picks one of the words of a list.
        const auto among = [&dice](const QString &words) {
            return [&dice, list = words.split(u' ')] { return list.at(int(dice() % list.size())); };
        };
        // What a player does, weighted out of 100: mostly letters, often the answer's next one, now and then the
        // whole answer, and every other kind of key and click.
        const std::vector<std::pair<int, std::function<QString()>>> steps{
            {35, [&] { return game.text("PickWord").mid(game.text("GuessWord").size(), 1).toLower(); }},
            {25, among(u"a b c d e f g h i j k l m n o p q r s t u v w x y z"_s)},
            {14, among(u"0 1 2 3 4 5 6 7 8 9 . , ; ' ! ? - / * Ctrl+A Ctrl+C Ctrl+H Ctrl+M Ctrl+V Ctrl+X Ctrl+Z"_s)},
            {23,
                among(u"Enter Backspace Escape Tab Left Home Up Down GetNewWord ShowWord "
                      u"Option8 Option9 Option10 Option11 Option12 GuessWord"_s)},
            {3, [&] { return u"GuessWord "_s + game.text("PickWord").toLower() + u" Enter"_s; }}};
        for (int step = 0; step < 20000; ++step) {
            game.fake.random.last = std::uniform_real_distribution<float>(0, 1)(dice);
            auto kind = steps.begin();
            for (int roll = int(dice() % 100); roll >= kind->first; ++kind)
                roll -= kind->first;
            const QString script = kind->second();
            run(game, script);
            const QLineEdit *guess = game.get(u"GuessWord"_s);
            const QString scrambled = game.text("TextBox1"), answer = game.text("PickWord");
            const bool kept = game.fake.messageBox.shown.isEmpty()
                && QRegularExpression(u"^[A-Z]{0,%1}$"_s.arg(guess->maxLength())).match(guess->text()).hasMatch()
                && game.tiles(1).remove(u'.') == scrambled && play::sameLetters(scrambled, answer)
                && play::isPlayable(answer, guess->maxLength());
            QVERIFY2(kept, qPrintable(u"seed %1, step %2, %3: %4"_s.arg(seed).arg(step).arg(script, game.state())));
        }
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
