#ifndef TANGLEWICK_TESTS_GAME_H
#define TANGLEWICK_TESTS_GAME_H

// The game's window over word files the test writes and the host's
// stand-ins, with what the window shows and holds as one line of text.

#include "fakehost.h"
#include "window/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

struct Game
{
    Game() // a word file a length, TRIANGLE first, in the program's directory
    {
        fake.host.programDirectory = QDir::toNativeSeparators(dir.path());
        const char *words[]
            = {"triangle\r\nintegral\r\nabhorred", "abandoned", "abbreviate", "battlefield", "accidentally"};
        for (int length = 8; length <= 12; ++length)
            write(QStringLiteral("Words%1.Txt").arg(length), words[length - 8]);
        form.m_animationTime = std::chrono::seconds(10); // time for every pass of the closing, on Wine too
    }
    std::int16_t &TypedCount() { return form.TypedCount; }
    // Counts the current word file, has it changed, then loads it.
    void countThenLoad(const std::function<void()> &change)
    {
        form.CountWords();
        change();
        platform::runEvent(fake.host, form, &Form1::LoadWordList);
    }
    // The window-level state no control shows.
    QString held() const
    {
        return QStringLiteral("WordFile=%1 PickIndex=%2 StartTime=%3 EndTime=%4")
            .arg(form.WordFile, QString::number(form.PickIndex), platform::formatHms(form.StartTime),
                platform::formatHms(form.EndTime));
    }
    template<typename Control = QLineEdit> Control *get(const QString &name) const
    {
        return form.findChild<Control *>(name);
    }
    QString text(const char *name) const { return get(QLatin1String(name))->text(); }
    // A row of tiles (1 or 2), "." for an empty tile.
    QString tiles(int row) const
    {
        QString text;
        for (int i = 1; i <= 12; ++i)
            text += get<QLabel>(QStringLiteral("Label%1_%2").arg(row).arg(i))->text().leftJustified(1, u'.');
        return text;
    }
    QString path(const QString &name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
    void write(const QString &name, const QByteArray &content) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write a test word file");
    }
    // The fields that differ from the start: box=, you= (the typed-letter
    // tiles), typed=, words=, wrong=, score=, verdict=, focus=, len= (the
    // guess length), answer=, tip= (a tooltip on show), end= (the end of the
    // program).
    QString state()
    {
        const auto *guess = get(QStringLiteral("GuessWord"));
        const bool incorrect = get(QStringLiteral("Text1"))->isVisible(),
                   correct = get(QStringLiteral("Text3"))->isVisible();
        const QWidget *focus = QApplication::focusWidget();
        QStringList fields{"box=" + guess->text() + (guess->isHidden() ? "(hidden)" : ""), "you=" + tiles(2),
            "typed=" + QString::number(TypedCount()), "words=" + text("Cword"), "wrong=" + text("InCor"),
            "score=" + text("Text2"),
            "verdict=" + QStringList{"none", "correct", "incorrect", "both"}[incorrect * 2 + correct],
            "focus=" + (focus ? focus->objectName() : "-"), "len=" + QString::number(guess->maxLength()),
            "answer=" + text("PickWord"), "tip=" + (QToolTip::isVisible() ? QToolTip::text() : ""),
            "end=" + (fake.programEnd.status ? QString::number(*fake.programEnd.status) : "-")};
        static const QStringList start = QStringLiteral("box= you=............ typed=0 words=1 wrong=0 score=0 "
                                                        "verdict=none focus=GuessWord len=8 answer=TRIANGLE tip= end=-")
                                             .split(u' ');
        fields.removeIf([](const QString &field) { return start.contains(field); });
        return fields.join(u' ');
    }

    QTemporaryDir dir;
    FakeHost fake;
    Form1 form{fake.host};
};

// A test class whose functions each start with a fresh game, loaded and
// shown, and TRIANGLE on the clipboard. The generator stays at 0, so the
// first word, TRIANGLE, is drawn.
class GameTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<Game> m_game;
private slots:
    void init()
    {
        m_game = std::make_unique<Game>();
        QApplication::clipboard()->setText(QStringLiteral("TRIANGLE"));
        m_game->form.load();
        m_game->form.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_game->form));
    }
    void cleanup() { m_game.reset(); }
};

// Plays a script of words: a control's name clicks it (GetNewWord, Option12,
// GuessWord …); Count=<n> sets the typed count, Set:<box>=<text> a box's
// text, Remove:<file> deletes a word file, Hover:<control> rests the pointer
// on a control; another capitalised word is a key by its name (Enter,
// Backspace, Ctrl+V …); any other is typed letter by letter.
inline void run(Game &game, const QString &script)
{
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *focus = QApplication::focusWidget();
        if (word.startsWith(u"Count="))
            game.TypedCount() = word.section(u'=', 1).toShort();
        else if (word.startsWith(u"Set:"))
            game.get(word.mid(4).section(u'=', 0, 0))->setText(word.section(u'=', 1));
        else if (word.startsWith(u"Remove:"))
            QFile::remove(game.path(word.mid(7)));
        else if (word.startsWith(u"Hover:"))
            QTest::mouseMove(game.get<QWidget>(word.mid(6)));
        else if (QWidget *control = game.get<QWidget>(word))
            QTest::mouseClick(control, Qt::LeftButton);
        else if (word.front().isUpper())
            QTest::keyClick(focus, QKeySequence(word)[0].key(), QKeySequence(word)[0].keyboardModifiers());
        else
            QTest::keyClicks(focus, word);
    }
}

#endif
