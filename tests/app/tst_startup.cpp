#include "fakehost.h"
#include "form1.h"
#include "guessbox.h"
#include "wordfixture.h"
#include "wordlistbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QStringList Eight{u"triangle"_s, u"abhorred"_s, u"aardvark"_s};
const QStringList Nine{u"abandoned"_s, u"cartwheel"_s};
const QStringList Ten{u"abbreviate"_s};
const QStringList Eleven{u"abandonment"_s, u"battlefield"_s};
const QStringList Twelve{u"accidentally"_s, u"acknowledged"_s};

QString sorted(QString text)
{
    std::sort(text.begin(), text.end());
    return text;
}

QString tiles(const ControlArray<QLabel> &row)
{
    QString text;
    for (int i = 1; i <= 12; ++i)
        text += row(i)->text().isEmpty() ? u"."_s : row(i)->text();
    return text;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WordDirectory> m_words;
    std::unique_ptr<FakeHost> m_fake;
    std::unique_ptr<Form1> m_form;

    void load()
    {
        m_form = std::make_unique<Form1>(m_fake->host);
        platform::runEvent(m_fake->host, [this] { m_form->Form_Load(); });
    }

    QStringList listed() const
    {
        QStringList entries;
        for (int i = 0; i < m_form->WordList->count(); ++i)
            entries.append(m_form->WordList->item(i));
        return entries;
    }

    void expectMissingFileReport(const QString &name)
    {
        QCOMPARE(m_fake->messageBox.shown.size(), 1);
        const ShownMessage &message = m_fake->messageBox.shown.first();
        QCOMPARE(message.text, "Can Not Find File " + m_words->filePath(name) + " It's Missing or Corrupted");
        QCOMPARE(message.title, u"Error"_s);
        QCOMPARE(message.style, int(platform::CriticalOk));
        QCOMPARE(m_fake->programEnd.status, std::optional<int>(platform::MissingWordFileExit));
    }

private slots:
    void init()
    {
        m_words = std::make_unique<WordDirectory>();
        m_words->writeWords(8, Eight);
        m_words->writeWords(9, Nine);
        m_words->writeWords(10, Ten);
        m_words->writeWords(11, Eleven);
        m_words->writeWords(12, Twelve);
        m_fake = std::make_unique<FakeHost>(m_words->path());
        m_fake->clock.msecs = (9 * 3600 + 30 * 60 + 15) * 1000 + 400;
    }

    void cleanup() { m_form.reset(); }

    void startupShowsAScrambledEightLetterWord()
    {
        m_fake->random.values = {0.4f}; // floor(0.4 * 3 + 1) = entry 2
        load();

        QVERIFY(m_fake->messageBox.shown.isEmpty());
        QCOMPARE(m_form->WordFile, m_words->filePath(u"Words8.Txt"_s));
        QCOMPARE(m_form->GuessWord->maxLength(), 8);
        QCOMPARE(m_form->WordCount, 3);
        QCOMPARE(listed(), QStringList{u"------------"_s} + Eight);
        QCOMPARE(m_form->PickIndex, 2);
        QCOMPARE(m_form->PickWord->text(), u"ABHORRED"_s);
        QCOMPARE(sorted(m_form->TextBox1->text()), sorted(u"ABHORRED"_s));
        QCOMPARE(tiles(m_form->Label1), m_form->TextBox1->text() + u"...."_s);
        QCOMPARE(tiles(m_form->Label2), u"............"_s);
        QVERIFY(!m_form->GuessWord->isHidden());
        QVERIFY(m_form->GuessWord->text().isEmpty());
        QVERIFY(m_form->Option8->isChecked());
        QCOMPARE(m_form->StartTime, platform::timeSerial(9, 30, 15));
    }

    void drawReseedsWithTheTimeOfDayThenTheShuffleFromTheTimer()
    {
        load();
        QCOMPARE(m_fake->random.reseeds, QList<double>{platform::timeSerial(9, 30, 15)});
        QCOMPARE(m_fake->random.timerReseeds, 1);
        QCOMPARE(m_fake->random.draws, 1 + 8);
    }

    void optionButtonsSwitchTheWordLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("9 letters") << 9 << Nine;
        QTest::newRow("10 letters") << 10 << Ten;
        QTest::newRow("11 letters") << 11 << Eleven;
        QTest::newRow("12 letters") << 12 << Twelve;
    }

    void optionButtonsSwitchTheWordLength()
    {
        QFETCH(int, length);
        QFETCH(QStringList, words);
        load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_form->Cword->setText(u"3"_s);
        m_form->Text2->setText(u"2"_s);

        QRadioButton *option = m_form->findChild<QRadioButton *>("Option" + QString::number(length));
        QTest::mouseClick(option, Qt::LeftButton);

        QVERIFY(option->isChecked());
        QCOMPARE(m_form->WordFile, m_words->filePath(u"Words%1.Txt"_s.arg(length)));
        QCOMPARE(m_form->GuessWord->maxLength(), length);
        QCOMPARE(listed(), QStringList{u"------------"_s} + words);
        QVERIFY(words.contains(m_form->PickWord->text().toLower()));
        QCOMPARE(sorted(m_form->TextBox1->text()), sorted(m_form->PickWord->text()));
        QCOMPARE(tiles(m_form->Label1).left(length), m_form->TextBox1->text());
        // A switch counts no word played and keeps the score and the start.
        QCOMPARE(m_form->Cword->text(), u"3"_s);
        QCOMPARE(m_form->Text2->text(), u"2"_s);
        QCOMPARE(m_form->StartTime, platform::timeSerial(9, 30, 15));
    }

    void shorterWordClearsTheTilesOfTheLongerOne()
    {
        load();
        QTest::mouseClick(m_form->Option12, Qt::LeftButton);
        QCOMPARE(tiles(m_form->Label1).count(u'.'), 0);
        QTest::mouseClick(m_form->Option8, Qt::LeftButton);
        QVERIFY(tiles(m_form->Label1).endsWith(u"...."_s));
        QCOMPARE(tiles(m_form->Label2), u"............"_s);
    }

    void missingFileAtStartIsReportedBeforeTheWindowIsShown()
    {
        m_words->remove(u"Words8.Txt"_s);
        load();
        expectMissingFileReport(u"Words8.Txt"_s);
        QVERIFY(!m_form->isVisible());
        // Nothing after the count ran: no list, no word.
        QCOMPARE(m_form->WordList->count(), 0);
        QVERIFY(m_form->PickWord->text().isEmpty());
    }

    void emptyFileIsReportedLikeAMissingOne()
    {
        m_words->write(u"Words8.Txt"_s, QByteArray());
        load();
        expectMissingFileReport(u"Words8.Txt"_s);
        QCOMPARE(m_form->WordList->count(), 0);
    }

    void missingFileDuringPlayEndsTheGameWithThePreviousListLeft()
    {
        load();
        m_words->remove(u"Words10.Txt"_s);
        QTest::mouseClick(m_form->Option10, Qt::LeftButton);
        expectMissingFileReport(u"Words10.Txt"_s);
        QCOMPARE(listed(), QStringList{u"------------"_s} + Eight);
    }

    void wordLongerThanTheTilesShowsItsFirstTwelveLetters()
    {
        m_words->writeWords(8, {u"internationalisation"_s});
        load();
        QVERIFY(m_fake->messageBox.shown.isEmpty());
        QCOMPARE(m_form->PickWord->text(), u"INTERNATIONALISATION"_s);
        QCOMPARE(tiles(m_form->Label1), m_form->TextBox1->text().left(12));
    }

    void everyEntryOfAVeryLongFileCanBeDrawn()
    {
        QStringList many;
        for (int i = 0; i < 40000; ++i)
            many.append(u"w%1"_s.arg(i, 7, 10, QLatin1Char('0')));
        m_words->writeWords(8, many);
        m_fake->random.values = {std::nextafter(1.0f, 0.0f)};
        load();
        QVERIFY(m_fake->messageBox.shown.isEmpty());
        QCOMPARE(m_form->WordCount, 40000);
        QCOMPARE(m_form->PickIndex, 40000);
        QCOMPARE(m_form->PickWord->text(), u"W0039999"_s);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
