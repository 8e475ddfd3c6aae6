// The game played through its window, keys and clicks as a player gives
// them, with what the window shows and holds after them as one line; its
// start, its word files, its closing, the seams it speaks through, what the
// window's geometry table cannot say by itself, and a storm of play.

#include "closing.h"
#include "game.h"
#include "guess.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <random>

using namespace Qt::StringLiterals;

namespace {
// Plays a script of words: New and Show click their buttons, Opt<N> the
// round button for N letters; Focus puts the focus in the guess box;
// Count=<n> sets the typed count, Set:<box>=<text> a box's text,
// Remove:<file> deletes a word file; another capitalised word is a key by
// its name (Enter, Backspace, Ctrl+V …); any other is typed letter by letter.
void run(Game &game, const QString &script)
{
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *focus = QApplication::focusWidget();
        const QString value = word.section(u'=', 1);
        if (word == u"New" || word == u"Show")
            QTest::mouseClick(game.get<QPushButton>(word == u"New" ? u"GetNewWord"_s : u"ShowWord"_s), Qt::LeftButton);
        else if (word.startsWith(u"Opt"))
            QTest::mouseClick(game.get<QRadioButton>(u"Option"_s + word.mid(3)), Qt::LeftButton);
        else if (word == u"Focus")
            game.get(u"GuessWord"_s)->setFocus();
        else if (word.startsWith(u"Count="))
            game.ui.TypedCount() = value.toShort();
        else if (word.startsWith(u"Set:"))
            game.get(word.mid(4).section(u'=', 0, 0))->setText(value);
        else if (word.startsWith(u"Remove:"))
            QFile::remove(game.path(word.mid(7)));
        else if (word.front().isUpper())
            QTest::keyClick(focus, QKeySequence(word)[0].key(), QKeySequence(word)[0].keyboardModifiers());
        for (const QChar c : word.front().isUpper() ? QString() : word) {
            // QTest types ASCII only; a letter beyond it comes as its key and text.
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            c.unicode() < 0x80 ? QTest::keyClick(focus, c.toLatin1()) : void(QApplication::sendEvent(focus, &press));
        }
    }
}

QString sorted(QString text)
{
    std::sort(text.begin(), text.end());
    return text.remove(u'.');
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
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        const auto row = [](const char *name, const char *script, const char *state) {
            QTest::newRow(name) << QString::fromUtf8(script) << QString::fromUtf8(state);
        };
        // clang-format off
        row("start", "", "");
        row("eight letters fill the box and wait", "triangle", "box=TRIANGLE you=TRIANGLE.... typed=8");
        row("right guess typed in lower case", "triangle Enter", "box=TRIANGLE(hidden) you=TRIANGLE.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("a letter after a full guess judges it and starts anew", "abcdefghq", "box=Q wrong=1 verdict=incorrect");
        row("Backspace after a full guess judges it", "trianglx Backspace", "wrong=1 verdict=incorrect");
        row("Enter on an empty box is wrong", "Enter", "wrong=1 verdict=incorrect");
        row("three letters then Enter is wrong", "tri Enter", "wrong=1 verdict=incorrect");
        row("a digit is counted, not typed", "tr5", "box=TR you=TR.......... typed=3");
        row("a counted key hides the incorrect message", "Enter 5", "typed=1 wrong=1");
        row("Backspace and Enter leave it", "Enter Backspace Enter", "wrong=2 verdict=incorrect");
        row("seven letters and a digit complete the guess", "triangl5e", "box=E wrong=1 verdict=incorrect");
        row("a digit after a full guess is not typed", "abcdefgh7", "wrong=1 verdict=incorrect");
        row("Backspace with nothing typed changes nothing", "Backspace", "");
        row("Backspace takes back the last letter", "tri Backspace", "box=TR you=TR.......... typed=2");
        row("arrows and Home are not counted", "tr Left Home", "box=TR you=TR.......... typed=2");
        row("another word of the list with the same letters is right", "integral Enter", "box=INTEGRAL(hidden) you=INTEGRAL.... typed=8 score=1 verdict=correct focus=GetNewWord");
        row("the same letters not in the list are wrong", "relating Enter", "wrong=1 verdict=incorrect");
        row("Escape and an accented letter are counted and swallowed", "t Escape é", "box=T you=T........... typed=3");
        row("Ctrl keys are counted, never obeyed", "tr Ctrl+V Ctrl+A Ctrl+Z", "box=TR you=TR.......... typed=5");
        row("Ctrl+H is Backspace", "tri Ctrl+H", "box=TR you=TR.......... typed=2");
        row("Ctrl+M is Enter", "tri Ctrl+M", "wrong=1 verdict=incorrect");
        row("a count past the tiles starts again at the first", "Count=12 a", "box=A typed=1");
        row("a counter that is not a number ends the key silently", "Set:InCor=lots ab Enter", "wrong=lots verdict=incorrect");
        row("New Word after a right guess", "triangle Enter New x", "box=X you=X........... typed=1 words=2 score=1");
        row("New Word after a wrong guess hides the message", "Enter New", "words=2 wrong=1");
        row("every New Word is counted", "New New New", "words=4");
        row("Enter presses New Word when it has the focus", "triangle Enter Enter", "words=2 score=1");
        row("Show Word reveals the answer and no key reaches the hidden box", "xyz Show Show a Enter", "box=XYZ(hidden) you=TRIANGLE.... typed=3 focus=ShowWord");
        row("Show Word shows the first twelve letters of a longer answer", "Set:PickWord=INTERNATIONALISATION Show", "box=(hidden) you=INTERNATIONA focus=ShowWord answer=INTERNATIONALISATION");
        row("a length choice keeps the counters and the focus", "tri Enter abc Opt12", "wrong=1 focus=Option12 len=12 answer=ACCIDENTALLY");
        row("after a length choice typing starts at the first tile", "triangle Enter Opt9 Focus b", "box=B you=B........... typed=1 score=1 verdict=correct len=9 answer=ABANDONED");
        row("a wrong guess clears all twelve tiles", "Opt12 Focus abcdefghijk Enter", "wrong=1 verdict=incorrect len=12 answer=ACCIDENTALLY");
        row("a wrong guess leaves the congratulation as it was", "triangle Enter Opt9 Focus Enter", "wrong=1 score=1 verdict=both len=9 answer=ABANDONED");
        row("10 letters", "Opt10", "focus=Option10 len=10 answer=ABBREVIATE");
        row("arrow keys choose the length", "Opt8 Down Down Up Down Down", "focus=Option11 len=11 answer=BATTLEFIELD");
        row("a word file gone in mid-play ends the game", "Remove:Words10.Txt Opt10", "focus=Option10 len=10 end=2");
        row("New Word with a broken counter is an unhandled error", "Set:Cword=many New", "words=many focus=GetNewWord end=3");
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
        game.fake.random.values = {0.4f}; // the second of three words
        game.form.load();
        QCOMPARE(game.ui.held(),
            "WordFile=" + game.path(u"Words8.Txt"_s) + " WordCount=3 PickIndex=2 StartTime=09:30:15 EndTime=00:00:00");
        QAbstractItemModel *list = game.get<QAbstractItemView>(u"WordList"_s)->model();
        while (list->canFetchMore({})) // as the list box is scrolled to its end
            list->fetchMore({});
        QCOMPARE(QString::number(list->rowCount()) + list->index(0, 0).data().toString()
                + list->index(3, 0).data().toString(),
            u"4------------abhorred"_s);
        QCOMPARE(sorted(game.text("TextBox1")), sorted(game.text("PickWord")));
        QCOMPARE(game.tiles(1) + game.tiles(2) + game.text("GuessWord") + game.text("PickWord"),
            game.text("TextBox1") + u"................INTEGRAL"_s);
        // The draw reseeds with the time of day, the shuffle from the timer.
        QCOMPARE(game.fake.random.reseeds, QList<double>{platform::timeSerial(9, 30, 15)});
        QCOMPARE(game.fake.random.timerReseeds * 100 + game.fake.random.draws, 100 + 1 + 8);
    }

    void everyPlayableWordIsEquallyLikely()
    {
        // Blank lines before a word must not hand it their draws.
        m_game->write(u"Words8.Txt"_s, "apple\r\n\r\n\r\n\r\nlemon\r\n\r\nmango\r\n");
        run(*m_game, u"Opt9 Opt8"_s);
        QMap<QString, int> drawn;
        for (int i = 0; i < 300; ++i) {
            m_game->fake.random.values = {(static_cast<float>(i) + 0.5f) / 300};
            run(*m_game, u"New"_s);
            ++drawn[m_game->text("PickWord")];
        }
        QCOMPARE(drawn, (QMap<QString, int>{{u"APPLE"_s, 100}, {u"LEMON"_s, 100}, {u"MANGO"_s, 100}}));
    }

    void badWordFiles_data()
    {
        // Content "<none>": no file, "<dir>": a directory in its place. Drawn: the words drawn at the bottom
        // and the top of the draw, or "-": the file is reported and the game ends.
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("drawn");
        const auto row = [](const char *name, const QByteArray &content, const char *drawn) {
            QTest::newRow(name) << content << QString::fromLatin1(drawn);
        };
        // clang-format off
        row("missing", "<none>", "-");
        row("a directory", "<dir>", "-");
        row("empty", "", "-");
        row("only blank lines", "\r\n\r\n\n", "-");
        row("blank lines between words", "apple\r\n\r\nlemon\r\n", "APPLE LEMON");
        row("NUL bytes and control characters", QByteArray("ap\0ple\r\nle\x07mon\r\nmango\r\n", 22), "MANGO MANGO");
        row("bytes valid in no encoding", "\xff\xfe\x80\r\nlemon\r\n", "LEMON LEMON");
        row("accented and non-Latin letters only", "caf\xC3\xA9\r\n\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE\r\n", "-");
        row("shorter words", "cat\r\nox\r\n", "CAT OX");
        row("longer words passed over", "internationalisation\r\nlemon\r\nwatermelons\r\n", "LEMON LEMON");
        row("only words too long", "watermelons\r\ninternationalisation\r\n", "-");
        row("a 10 MB line then a word", QByteArray("abcdefghij").repeated(1024 * 1024) + "\r\nlemon\r\n", "LEMON LEMON");
        row("32,767 entries", "apple\r\n" + QByteArray("lemon\r\n").repeated(32765) + "mango\r\n", "APPLE MANGO");
        row("100,000 entries", "apple\r\n" + QByteArray("lemon\r\n").repeated(99998) + "mango\r\n", "APPLE MANGO");
        // clang-format on
    }

    void badWordFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, drawn);
        Game game;
        const QString file = game.path(u"Words8.Txt"_s);
        QFile::remove(file);
        if (content == "<dir>" ? !QDir().mkdir(file) : content != "<none>")
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
        run(game, u"New"_s);
        QCOMPARE(first + u' ' + game.text("PickWord") + u' ' + sorted(game.tiles(1)),
            drawn + u' ' + sorted(drawn.section(u' ', 1)));
        QVERIFY(game.fake.messageBox.shown.isEmpty());
    }

    void closingShowsTheSummaryThenTheWindowGoes()
    {
        run(*m_game, u"Set:Cword=3 Set:InCor=1 Set:Text2=2"_s);
        m_game->fake.clock.msecs += 125 * 1000 + 700;
        // While the summary is up, an hour passes and the player closes again.
        m_game->fake.messageBox.whileShown = [this] {
            m_game->fake.clock.msecs += 3600 * 1000;
            m_game->form.close();
        };
        m_game->form.close();
        const QString summary = closing::summaryText(platform::timeSerial(0, 2, 5), u"3"_s, u"1"_s, u"2"_s);
        const ShownMessage shown{summary, u"Tanglewick"_s, platform::InformationOk};
        QCOMPARE(m_game->fake.messageBox.shown, QList{shown});
        QCOMPARE(m_game->ui.held().section(u' ', -1), u"EndTime=12:02:05"_s);
        // The window slid away until its top passed the screen's width.
        QVERIFY(m_game->form.y() > m_game->form.screen()->geometry().width());
        QCOMPARE(m_game->fake.programEnd.status, std::optional(platform::NormalExit));
        QVERIFY(!m_game->form.isVisible());
    }

    void messageBoxShowsItsIcon()
    {
        for (const auto &[style, icon] : {std::pair{platform::CriticalOk, QMessageBox::Critical},
                 {platform::InformationOk, QMessageBox::Information}}) {
            QString seen;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                seen = u"%1 %2 %3"_s.arg(box->windowTitle(), box->text()).arg(box->icon());
                box->accept();
            });
            platform::QtMessageBox().show(u"one\r\ntwo"_s, u"Title"_s, style);
            QCOMPARE(seen, u"Title one\ntwo %1"_s.arg(icon));
        }
    }

    void announcerStaysUnseenWhileItSpeaks()
    {
        run(*m_game, u"Enter"_s);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&m_game->form), *announcer = nullptr;
        for (int i = 0; i < window->childCount(); ++i)
            announcer = window->child(i)->role() == QAccessible::Notification ? window->child(i) : announcer;
        QTRY_COMPARE(announcer->text(QAccessible::Name), u"InCorrect !!!"_s);
        QVERIFY(announcer->state().invisible);
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
        QCOMPARE(visits(Qt::Key_Tab),
            u"GuessWord GetNewWord Text2 Option8 WordList PickWord TextBox1 ShowWord Cword InCor GuessWord"_s);
        QCOMPARE(visits(Qt::Key_Backtab),
            u"GuessWord InCor Cword ShowWord TextBox1 PickWord WordList Option8 Text2 GetNewWord GuessWord"_s);
        // Shown verdicts take their stops; the round buttons one, at the selected one.
        for (const char *verdict : {"Text1", "Text3"})
            m_game->get(QLatin1String(verdict))->show();
        run(*m_game, u"Opt11 Focus"_s);
        QCOMPARE(visits(Qt::Key_Tab),
            u"GuessWord GetNewWord Text2 Text3 Option11 WordList PickWord TextBox1 Text1 ShowWord Cword InCor GuessWord"_s);
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
        const QImage image = m_game->form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        image.save(qEnvironmentVariable("TANGLEWICK_TEST_OUTPUT", u"."_s)
            + u"/window-scale-%1.png"_s.arg(image.devicePixelRatio()));
        const auto pixels = [&](std::initializer_list<std::tuple<const char *, int, int>> spots) {
            QStringList seen;
            for (const auto &[name, x, y] : spots)
                seen << QString::number(image.pixel((m_game->get<QWidget>(QLatin1String(name))->pos() + QPoint(x, y))
                                            * image.devicePixelRatio())
                        & 0xFFFFFF,
                    16);
            return seen.join(u' ');
        };
        // White tiles, blue frames with the window's grey inside, black rules, the grey window.
        QCOMPARE(pixels({{"Label2_12", 16, 16}, {"Shape1_26", 0, 24}, {"Shape1_15", 3, 24}, {"Line1", 300, 0},
                     {"Line2", 9, 0}, {"Label6", 690, 0}}),
            u"ffffff c0 c0c0c0 0 0 c0c0c0"_s);
        // The congratulation is written in red.
        const QImage verdict = m_game->get<QWidget>(u"Text3"_s)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto *bits = reinterpret_cast<const QRgb *>(verdict.constBits());
        QVERIFY(std::any_of(
            bits, bits + verdict.sizeInBytes() / 4, [](QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFF0000; }));
        // Where Courier New and MS Sans Serif are absent, as here, their metric-compatible stand-ins draw.
        QString faces;
        for (const char *name : {"Label2_12", "Label5", "GuessWord", "Label4", "Text3", "GetNewWord", "Text2"}) {
            const QFontInfo font(m_game->get<QWidget>(QLatin1String(name))->font());
            faces += u"%1 %2 %3, "_s.arg(font.family()).arg(font.pixelSize()).arg(font.bold() ? "bold" : "light");
        }
        QCOMPARE(faces,
            u"Liberation Mono 27 bold, Liberation Mono 13 bold, Liberation Mono 16 bold, Liberation Sans 13 bold, Liberation Sans 13 bold, Liberation Sans 16 bold, Liberation Sans 16 bold, "_s);
    }

    // ... and the legend: five lines, each beside its round button.
    void legendBreaksIntoFiveLinesBesideTheButtons()
    {
        QWidget *legend = m_game->get<QWidget>(u"Label5"_s);
        const QImage image = legend->grab().toImage();
        QStringList lines;
        for (int y = 0, top = -1; y <= image.height(); ++y) {
            bool dark = false;
            for (int x = 0; y < image.height() && x < image.width(); ++x)
                dark = dark || qGray(image.pixel(x, y)) < 96;
            if (dark && top < 0)
                top = y;
            if (!dark && top >= 0) {
                const QWidget *option = m_game->get<QWidget>(u"Option%1"_s.arg(8 + lines.size()));
                const qreal middle = legend->y() + (top + y) / 2.0 / image.devicePixelRatio();
                lines << (option && qAbs(middle - option->geometry().center().y() - 0.5) <= 3 ? u"beside"_s : u"off"_s);
                top = -1;
            }
        }
        QCOMPARE(lines.join(u' '), u"beside beside beside beside beside"_s);
    }

    // A storm of play over the shipped word files, with the game's promises
    // checked after every step. The seed is fixed, so every run plays the
    // same storm; TANGLEWICK_SOAK_SEED and TANGLEWICK_SOAK_STEPS play another.
    void stormOfPlay()
    {
        const quint64 seed = qEnvironmentVariableIsSet("TANGLEWICK_SOAK_SEED")
            ? qgetenv("TANGLEWICK_SOAK_SEED").toULongLong()
            : 20261206;
        std::mt19937_64 dice(seed);
        const auto roll = [&](int sides) { return static_cast<int>(dice() % static_cast<quint64>(sides)); };
        for (int length = 8; length <= 12; ++length) {
            QFile shipped(QStringLiteral(TANGLEWICK_DATA_DIR "/Words%1.Txt").arg(length));
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            m_game->write(QStringLiteral("Words%1.Txt").arg(length), shipped.readAll());
        }
        const QStringList keys{u"Escape"_s, u"Tab"_s, u"Left"_s, u"Home"_s, u"Up"_s, u"Down"_s};
        const QStringList clicks{
            u"New"_s, u"Show"_s, u"Opt8"_s, u"Opt9"_s, u"Opt10"_s, u"Opt11"_s, u"Opt12"_s, u"Focus"_s};
        // What a player does, weighted out of 100: mostly letters, often the answer's next one, now and then the
        // whole answer, and every other kind of key and click.
        const std::vector<std::pair<int, std::function<QString()>>> steps{
            {35, [&] { return m_game->text("PickWord").mid(m_game->text("GuessWord").size(), 1).toLower(); }},
            {25, [&] { return QString(QChar(u'a' + roll(26))); }},
            {3, [&] { return u"Focus "_s + m_game->text("PickWord").toLower() + u" Enter"_s; }},
            {7, [] { return u"Enter"_s; }}, {6, [] { return u"Backspace"_s; }},
            {10, [&] { return QString(u"0123456789.,;'!?-/*"_s.at(roll(19))); }},
            {4, [&] { return u"Ctrl+"_s + QChar(u'A' + roll(26)); }}, {6, [&] { return keys[roll(keys.size())]; }},
            {4, [&] { return clicks[roll(clicks.size())]; }}};
        const auto counts = [this] {
            return QList<uint>{
                m_game->text("Cword").toUInt(), m_game->text("InCor").toUInt(), m_game->text("Text2").toUInt()};
        };
        const int total = qEnvironmentVariableIntValue("TANGLEWICK_SOAK_STEPS") ?: 20000;
        for (int step = 0; step < total; ++step) {
            m_game->fake.random.last = std::uniform_real_distribution<float>(0, 1)(dice);
            m_game->fake.clock.msecs = (m_game->fake.clock.msecs + 137) % (24 * 3600 * 1000);
            int pick = roll(100);
            auto kind = steps.begin();
            while (pick >= kind->first)
                pick -= (kind++)->first;
            const QString script = kind->second();
            const QList<uint> before = counts();
            run(*m_game, script);
            const QList<uint> after = counts();
            const QLineEdit *guess = m_game->get(u"GuessWord"_s);
            const QString scrambled = m_game->text("TextBox1"), answer = m_game->text("PickWord");
            const bool kept = m_game->fake.messageBox.shown.isEmpty()
                && QRegularExpression(u"^[A-Z]*$"_s).match(guess->text()).hasMatch()
                && guess->text().size() <= guess->maxLength()
                && std::equal(before.begin(), before.end(), after.begin(), std::less_equal<>())
                && m_game->tiles(1).remove(u'.') == scrambled && play::sameLetters(scrambled, answer)
                && play::isPlayable(answer, guess->maxLength());
            QVERIFY2(kept, qPrintable(u"seed %1, step %2, %3: %4"_s.arg(seed).arg(step).arg(script, m_game->state())));
        }
        qInfo("seed %llu: %s", static_cast<unsigned long long>(seed), qPrintable(m_game->state()));
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
