#include "fakehost.h"
#include "form1probe.h"
#include "guessbox.h"
#include "tiles.h"
#include "wordfixture.h"
#include "wordlistbox.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QTestEventList typed(const QString &keys)
{
    QTestEventList events;
    events.addKeyClicks(keys);
    return events;
}

QTestEventList operator+(QTestEventList events, Qt::Key key)
{
    events.addKeyClick(key);
    return events;
}
} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WordDirectory> m_words;
    std::unique_ptr<FakeHost> m_fake;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<Form1Probe> m_ui;

    void type(QTestEventList events) { events.simulate(QApplication::focusWidget()); }

    QString visibleVerdict() const
    {
        if (!m_ui->Text1->isHidden())
            return u"incorrect"_s;
        return m_ui->Text3->isHidden() ? u"none"_s : u"correct"_s;
    }

private slots:
    void init()
    {
        m_words = std::make_unique<WordDirectory>();
        m_words->writeWords(8, {u"triangle"_s, u"integral"_s, u"abhorred"_s});
        m_words->writeWords(9, {u"abandoned"_s});
        m_words->writeWords(12, {u"accidentally"_s});
        m_fake = std::make_unique<FakeHost>(m_words->path());
        m_fake->random.last = 0.0f; // always the first word: TRIANGLE
        m_form = std::make_unique<Form1>(m_fake->host);
        m_ui = std::make_unique<Form1Probe>(*m_form);
        m_form->load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(QApplication::focusWidget(), m_ui->GuessWord);
        QCOMPARE(m_ui->PickWord->text(), u"TRIANGLE"_s);
    }

    void cleanup()
    {
        // No key sequence may end in an unhandled error.
        QVERIFY(m_fake->messageBox.shown.isEmpty());
        m_ui.reset();
        m_form.reset();
    }

    void keysAreTypedAndJudged_data()
    {
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("typedCount");
        QTest::addColumn<QString>("incorrect");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("verdict");

        QTest::newRow("eight letters fill the box and wait")
            << typed(u"triangle"_s) << u"TRIANGLE"_s << u"TRIANGLE...."_s << 8 << u"0"_s << u"0"_s << u"none"_s;
        QTest::newRow("eight letters then Enter: right, typed in lower case")
            << typed(u"triangle"_s) + Qt::Key_Return << u"TRIANGLE"_s << u"TRIANGLE...."_s << 8 << u"0"_s << u"1"_s
            << u"correct"_s;
        QTest::newRow("full guess then a letter: judged, the letter starts anew")
            << typed(u"abcdefghq"_s) << u"Q"_s << u"............"_s << 0 << u"1"_s << u"0"_s << u"incorrect"_s;
        QTest::newRow("full guess then Backspace: judged, not deleted")
            << typed(u"trianglx"_s) + Qt::Key_Backspace << QString() << u"............"_s << 0 << u"1"_s << u"0"_s
            << u"incorrect"_s;
        QTest::newRow("Enter on an empty box is a wrong guess")
            << QTestEventList() + Qt::Key_Return << QString() << u"............"_s << 0 << u"1"_s << u"0"_s
            << u"incorrect"_s;
        QTest::newRow("three letters then Enter is wrong")
            << typed(u"tri"_s) + Qt::Key_Return << QString() << u"............"_s << 0 << u"1"_s << u"0"_s
            << u"incorrect"_s;
        QTest::newRow("a digit is counted but not typed")
            << typed(u"tr5"_s) << u"TR"_s << u"TR.........."_s << 3 << u"0"_s << u"0"_s << u"none"_s;
        QTest::newRow("a counted key hides the incorrect message")
            << (QTestEventList() + Qt::Key_Return) + Qt::Key_5 << QString() << u"............"_s << 1 << u"1"_s
            << u"0"_s << u"none"_s;
        QTest::newRow("Backspace and Enter leave the incorrect message")
            << (QTestEventList() + Qt::Key_Return) + Qt::Key_Backspace << QString() << u"............"_s << 0 << u"1"_s
            << u"0"_s << u"incorrect"_s;
        QTest::newRow("seven letters and a digit complete the guess")
            << typed(u"triangl5e"_s) << u"E"_s << u"............"_s << 0 << u"1"_s << u"0"_s << u"incorrect"_s;
        QTest::newRow("a digit after a full guess is not typed")
            << typed(u"abcdefgh7"_s) << QString() << u"............"_s << 0 << u"1"_s << u"0"_s << u"incorrect"_s;
        QTest::newRow("Backspace with nothing typed changes nothing")
            << QTestEventList() + Qt::Key_Backspace << QString() << u"............"_s << 0 << u"0"_s << u"0"_s
            << u"none"_s;
        QTest::newRow("Backspace takes back the last letter")
            << typed(u"tri"_s) + Qt::Key_Backspace << u"TR"_s << u"TR.........."_s << 2 << u"0"_s << u"0"_s
            << u"none"_s;
        QTest::newRow("arrow keys and Home are not counted")
            << (typed(u"tr"_s) + Qt::Key_Left) + Qt::Key_Home << u"TR"_s << u"TR.........."_s << 2 << u"0"_s << u"0"_s
            << u"none"_s;
        QTest::newRow("another word of the list with the same letters is right")
            << typed(u"integral"_s) + Qt::Key_Enter << u"INTEGRAL"_s << u"INTEGRAL...."_s << 8 << u"0"_s << u"1"_s
            << u"correct"_s;
        QTest::newRow("same letters but not a word of the list is wrong")
            << typed(u"relating"_s) + Qt::Key_Return << QString() << u"............"_s << 0 << u"1"_s << u"0"_s
            << u"incorrect"_s;
        QTest::newRow("Escape is counted and swallowed")
            << typed(u"t"_s) + Qt::Key_Escape << u"T"_s << u"T..........."_s << 2 << u"0"_s << u"0"_s << u"none"_s;
    }

    void keysAreTypedAndJudged()
    {
        QFETCH(QTestEventList, keys);
        QFETCH(QString, box);
        QFETCH(QString, row);
        QFETCH(int, typedCount);
        QFETCH(QString, incorrect);
        QFETCH(QString, score);
        QFETCH(QString, verdict);

        type(keys);

        QCOMPARE(m_ui->GuessWord->text(), box);
        QCOMPARE(tiles(m_ui->Label2), row);
        QCOMPARE(m_ui->TypedCount, typedCount);
        QCOMPARE(m_ui->InCor->text(), incorrect);
        QCOMPARE(m_ui->Text2->text(), score);
        QCOMPARE(visibleVerdict(), verdict);
        QCOMPARE(m_ui->GuessWord->isHidden(), verdict == u"correct"_s);
        QCOMPARE(m_ui->Cword->text(), u"1"_s);
    }

    void controlKeysAreSwallowedNotObeyed()
    {
        QApplication::clipboard()->setText(u"TRIANGLE"_s);
        QTest::keyClicks(m_ui->GuessWord, u"tr"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_ui->GuessWord->text(), u"TR"_s);
        QCOMPARE(m_ui->TypedCount, 5); // Ctrl+V, Ctrl+A and Ctrl+Z count; Shift+Insert types nothing
    }

    void accentedLetterIsCountedAndSwallowed()
    {
        QTest::keyClick(m_ui->GuessWord, Qt::Key_T);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, u"\u00e9"_s);
        QApplication::sendEvent(m_ui->GuessWord, &press);
        QCOMPARE(m_ui->GuessWord->text(), u"T"_s);
        QCOMPARE(m_ui->TypedCount, 2);
        QCOMPARE(tiles(m_ui->Label2), u"T..........."_s);
    }

    void wrongGuessClearsAllTwelveTiles()
    {
        m_ui->Label2(10)->setText(u"Z"_s);
        m_ui->Label2(12)->setText(u"Q"_s);
        QTest::keyClicks(m_ui->GuessWord, u"ab"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QCOMPARE(tiles(m_ui->Label2), u"............"_s);
    }

    void wrongGuessLeavesTheCongratulationAsItWas()
    {
        m_ui->Text3->show();
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QVERIFY(!m_ui->Text3->isHidden());
        QVERIFY(!m_ui->Text1->isHidden());
    }

    void runawayCountRecoversAtTheFirstTile()
    {
        // A count past the last tile asks for Label2(13), which does not
        // exist: the count starts again at 1 and the key still reaches the box.
        m_ui->TypedCount = 12;
        QTest::keyClick(m_ui->GuessWord, Qt::Key_A);
        QCOMPARE(m_ui->TypedCount, 1);
        QCOMPARE(m_ui->GuessWord->text(), u"A"_s);
        QCOMPARE(tiles(m_ui->Label2), u"............"_s);
    }

    void counterThatIsNotANumberEndsTheKeySilently()
    {
        m_ui->InCor->setText(u"lots"_s);
        QTest::keyClicks(m_ui->GuessWord, u"ab"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        // Everything before the count was done; the count kept its text.
        QVERIFY(!m_ui->Text1->isHidden());
        QCOMPARE(m_ui->GuessWord->text(), QString());
        QCOMPARE(m_ui->TypedCount, 0);
        QCOMPARE(m_ui->InCor->text(), u"lots"_s);
    }

    void newWordAfterARightGuess()
    {
        QTest::keyClicks(m_ui->GuessWord, u"triangle"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QTest::mouseClick(m_ui->GetNewWord, Qt::LeftButton);
        QVERIFY(m_ui->Text3->isHidden());
        QVERIFY(!m_ui->GuessWord->isHidden());
        QCOMPARE(QApplication::focusWidget(), m_ui->GuessWord);
        QCOMPARE(m_ui->Cword->text(), u"2"_s);
        QCOMPARE(m_ui->Text2->text(), u"1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
        QCOMPARE(tiles(m_ui->Label2), u"X..........."_s);
    }

    void newWordAfterAWrongGuessHidesTheMessage()
    {
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QTest::mouseClick(m_ui->GetNewWord, Qt::LeftButton);
        QVERIFY(m_ui->Text1->isHidden());
        QCOMPARE(m_ui->InCor->text(), u"1"_s);
    }

    void everyNewWordIsCounted()
    {
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(m_ui->GetNewWord, Qt::LeftButton);
        QCOMPARE(m_ui->Cword->text(), u"4"_s);
        QCOMPARE(m_ui->PickWord->text(), u"TRIANGLE"_s);
        QCOMPARE(m_ui->GuessWord->maxLength(), 8);
    }

    void enterPressesTheFocusedNewWordButton()
    {
        QTest::keyClicks(m_ui->GuessWord, u"triangle"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        // The solved guess box is hidden and the focus moves on to New Word.
        QCOMPARE(QApplication::focusWidget(), m_ui->GetNewWord);
        QTest::keyClick(m_ui->GetNewWord, Qt::Key_Return);
        QCOMPARE(m_ui->Cword->text(), u"2"_s);
        QCOMPARE(QApplication::focusWidget(), m_ui->GuessWord);
    }

    void showWordRevealsTheAnswer()
    {
        QTest::keyClicks(m_ui->GuessWord, u"xyz"_s);
        QTest::mouseClick(m_ui->ShowWord, Qt::LeftButton);
        QCOMPARE(tiles(m_ui->Label2), u"TRIANGLE...."_s);
        QVERIFY(m_ui->GuessWord->isHidden());
        QTest::mouseClick(m_ui->ShowWord, Qt::LeftButton);
        QCOMPARE(tiles(m_ui->Label2), u"TRIANGLE...."_s);
        QCOMPARE(m_ui->Cword->text(), u"1"_s);
        QCOMPARE(m_ui->InCor->text(), u"0"_s);
        QCOMPARE(m_ui->Text2->text(), u"0"_s);
        QCOMPARE(m_ui->TypedCount, 3);

        // No key reaches the hidden box.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_ui->GuessWord->text(), u"XYZ"_s);
        QCOMPARE(m_ui->TypedCount, 3);
        QCOMPARE(tiles(m_ui->Label2), u"TRIANGLE...."_s);
    }

    void showWordOnAnAnswerLongerThanTheTiles()
    {
        m_ui->PickWord->setText(u"INTERNATIONALISATION"_s);
        QTest::mouseClick(m_ui->ShowWord, Qt::LeftButton);
        QCOMPARE(tiles(m_ui->Label2), u"INTERNATIONA"_s);
    }

    void lengthChoiceAfterARightGuessStartsAtTheFirstTile()
    {
        QTest::keyClicks(m_ui->GuessWord, u"triangle"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QTest::mouseClick(m_ui->Option9, Qt::LeftButton);
        QVERIFY(!m_ui->Text3->isHidden()); // the verdict stays beside the new word
        m_ui->GuessWord->setFocus();
        QTest::keyClick(m_ui->GuessWord, Qt::Key_B);
        QCOMPARE(tiles(m_ui->Label2), u"B..........."_s);
        QCOMPARE(m_ui->TypedCount, 1);
        QCOMPARE(m_ui->InCor->text(), u"0"_s);
        QCOMPARE(m_ui->Cword->text(), u"1"_s);
    }

    void lengthChoiceMidGuessKeepsCountersAndFocus()
    {
        QTest::keyClicks(m_ui->GuessWord, u"tri"_s);
        QTest::keyClick(m_ui->GuessWord, Qt::Key_Return);
        QTest::keyClicks(m_ui->GuessWord, u"abc"_s);
        QTest::mouseClick(m_ui->Option12, Qt::LeftButton);
        QCOMPARE(m_ui->GuessWord->text(), QString());
        QCOMPARE(m_ui->GuessWord->maxLength(), 12);
        QCOMPARE(m_ui->PickWord->text(), u"ACCIDENTALLY"_s);
        QCOMPARE(m_ui->InCor->text(), u"1"_s);
        QCOMPARE(m_ui->Cword->text(), u"1"_s);
        QCOMPARE(QApplication::focusWidget(), m_ui->Option12);
    }

    void newWordWithABrokenCounterIsAnUnhandledError()
    {
        m_ui->Cword->setText(u"many"_s);
        QTest::mouseClick(m_ui->GetNewWord, Qt::LeftButton);
        QCOMPARE(m_fake->messageBox.shown.size(), 1);
        QVERIFY(m_fake->messageBox.shown[0].text.contains(u"13"_s));
        QCOMPARE(m_fake->programEnd.status, std::optional(platform::UnhandledErrorExit));
        m_fake->messageBox.shown.clear();
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
