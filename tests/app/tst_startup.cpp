#include "fakehost.h"
#include "form1probe.h"
#include "guessbox.h"
#include "tiles.h"
#include "wordfixture.h"
#include "wordlistbox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// A distinct eight-letter word for every number: its digits in base 26.
QString letterName(int number)
{
    QString name(8, u'a');
    for (int i = 7; i >= 0 && number > 0; --i, number /= 26)
        name[i] = QChar(u'a' + number % 26);
    return name;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WordDirectory> m_words;
    std::unique_ptr<FakeHost> m_fake;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<Form1Probe> m_ui;

    void load()
    {
        m_form = std::make_unique<Form1>(m_fake->host);
        m_ui = std::make_unique<Form1Probe>(*m_form);
        m_form->load();
    }

    // The word list as its list box shows it, scrolled through to the end.
    QStringList listed() const
    {
        QAbstractItemModel *rows = m_ui->WordList->model();
        while (rows->canFetchMore({}))
            rows->fetchMore({});
        QStringList entries;
        for (int row = 0; row < rows->rowCount(); ++row)
            entries.append(rows->index(row, 0).data().toString());
        return entries;
    }

    void expectMissingFileReport(const QString &name)
    {
        QCOMPARE(m_fake->messageBox.shown.size(), 1);
        const ShownMessage &message = m_fake->messageBox.shown.first();
        QCOMPARE(message.text, "Can Not Find File " + m_words->filePath(name) + " It's Missing or Corrupted");
        QCOMPARE(message.title, u"Error"_s);
        QCOMPARE(message.style, platform::CriticalOk);
        QCOMPARE(m_fake->programEnd.status, std::optional(platform::MissingWordFileExit));
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

    void cleanup()
    {
        m_ui.reset();
        m_form.reset();
    }

    void startupShowsAScrambledEightLetterWord()
    {
        m_fake->random.values = {0.4f}; // floor(0.4 * 3 + 1) = entry 2
        load();

        QVERIFY(m_fake->messageBox.shown.isEmpty());
        QCOMPARE(m_ui->WordFile, m_words->filePath(u"Words8.Txt"_s));
        QCOMPARE(m_ui->GuessWord->maxLength(), 8);
        QCOMPARE(m_ui->WordCount, 3);
        QCOMPARE(listed(), QStringList{u"------------"_s} + Eight);
        QCOMPARE(m_ui->PickIndex, 2);
        QCOMPARE(m_ui->PickWord->text(), u"ABHORRED"_s);
        QCOMPARE(sorted(m_ui->TextBox1->text()), sorted(u"ABHORRED"_s));
        QCOMPARE(tiles(m_ui->Label1), m_ui->TextBox1->text() + u"...."_s);
        QCOMPARE(tiles(m_ui->Label2), u"............"_s);
        QVERIFY(!m_ui->GuessWord->isHidden());
        QVERIFY(m_ui->GuessWord->text().isEmpty());
        QVERIFY(m_ui->Option8->isChecked());
        QCOMPARE(m_ui->StartTime, platform::timeSerial(9, 30, 15));
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
        m_ui->Cword->setText(u"3"_s);
        m_ui->Text2->setText(u"2"_s);

        QRadioButton *option = m_form->findChild<QRadioButton *>("Option" + QString::number(length));
        QTest::mouseClick(option, Qt::LeftButton);

        QVERIFY(option->isChecked());
        QCOMPARE(m_ui->WordFile, m_words->filePath(u"Words%1.Txt"_s.arg(length)));
        QCOMPARE(m_ui->GuessWord->maxLength(), length);
        QCOMPARE(listed(), QStringList{u"------------"_s} + words);
        QVERIFY(words.contains(m_ui->PickWord->text().toLower()));
        QCOMPARE(sorted(m_ui->TextBox1->text()), sorted(m_ui->PickWord->text()));
        QCOMPARE(tiles(m_ui->Label1).left(length), m_ui->TextBox1->text());
        // A switch counts no word played and keeps the score and the start.
        QCOMPARE(m_ui->Cword->text(), u"3"_s);
        QCOMPARE(m_ui->Text2->text(), u"2"_s);
        QCOMPARE(m_ui->StartTime, platform::timeSerial(9, 30, 15));
    }

    void missingFileAtStartIsReportedBeforeTheWindowIsShown()
    {
        m_words->remove(u"Words8.Txt"_s);
        load();
        expectMissingFileReport(u"Words8.Txt"_s);
        QVERIFY(!m_form->isVisible());
        // Nothing after the count ran: no list, no word.
        QCOMPARE(listed(), QStringList());
        QVERIFY(m_ui->PickWord->text().isEmpty());
    }

    void missingFileDuringPlayEndsTheGameWithThePreviousListLeft()
    {
        load();
        m_words->remove(u"Words10.Txt"_s);
        QTest::mouseClick(m_ui->Option10, Qt::LeftButton);
        expectMissingFileReport(u"Words10.Txt"_s);
        QCOMPARE(listed(), QStringList{u"------------"_s} + Eight);
    }

    void everyEntryOfAVeryLongFileCanBeDrawn()
    {
        QStringList many;
        for (int i = 0; i < 40000; ++i)
            many.append(letterName(i));
        m_words->writeWords(8, many);
        m_fake->random.values = {std::nextafter(1.0f, 0.0f)};
        load();
        QVERIFY(m_fake->messageBox.shown.isEmpty());
        QCOMPARE(m_ui->WordCount, 40000);
        QCOMPARE(listed().size(), 40001);
        QCOMPARE(m_ui->PickIndex, 40000);
        QCOMPARE(m_ui->PickWord->text(), letterName(39999).toUpper());
    }

    void everyPlayableWordIsEquallyLikely()
    {
        // Blank lines before a word must not hand it their draws.
        m_words->write(u"Words8.Txt"_s, "apple\r\n\r\n\r\n\r\nlemon\r\n\r\nmango\r\n"_ba);
        load();
        QMap<QString, int> drawn;
        const int draws = 300;
        for (int i = 0; i < draws; ++i) {
            m_fake->random.values = {(static_cast<float>(i) + 0.5f) / draws};
            QTest::mouseClick(m_ui->GetNewWord, Qt::LeftButton);
            ++drawn[m_ui->PickWord->text()];
        }
        QCOMPARE(drawn, (QMap<QString, int>{{u"APPLE"_s, 100}, {u"LEMON"_s, 100}, {u"MANGO"_s, 100}}));
    }
};

class TestBadWordFiles : public QObject
{
    Q_OBJECT

private:
    static QByteArray repeated(const QByteArray &line, int times)
    {
        QByteArray content;
        content.reserve(line.size() * times);
        for (int i = 0; i < times; ++i)
            content += line;
        return content;
    }

    // Runs the draw over the whole range of the generator and checks every
    // word drawn is one of the playable ones, shown as a rearrangement.
    static void expectPlayableDraws(Form1Probe &ui, FakeHost &fake, const QStringList &playable)
    {
        for (const float r : {0.0f, 0.3f, 0.6f, std::nextafter(1.0f, 0.0f)}) {
            fake.random.values = {r};
            QTest::mouseClick(ui.GetNewWord, Qt::LeftButton);
            QVERIFY2(playable.contains(ui.PickWord->text()), qPrintable(ui.PickWord->text()));
            QCOMPARE(sorted(tiles(ui.Label1).remove(u'.')), sorted(ui.PickWord->text()));
        }
    }

private slots:
    void eachFileHasAnOutcome_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("playable"); // empty: reported, and the game ends

        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("only blank lines") << "\r\n\r\n\n"_ba << QStringList();
        QTest::newRow("blank line between words") << "apple\r\n\r\nlemon\r\n"_ba << QStringList{u"APPLE"_s, u"LEMON"_s};
        QTest::newRow("commas and quoted fields")
            << "apple,\"lemon\",\"fig,pear\"\r\n"_ba << QStringList{u"APPLE"_s, u"LEMON"_s};
        QTest::newRow("unclosed double quote") << "\"apple\r\nlemon\r\n"_ba << QStringList{u"APPLE"_s, u"LEMON"_s};
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF"
                                            "apple\r\n"_ba
                                         << QStringList{u"APPLE"_s};
        QTest::newRow("mixed line ends") << "apple\rlemon\nmango\r\n"_ba
                                         << QStringList{u"APPLE"_s, u"LEMON"_s, u"MANGO"_s};
        QTest::newRow("NUL bytes and control characters")
            << QByteArray("ap\0ple\r\nle\x07mon\r\nmango\r\n", 22) << QStringList{u"MANGO"_s};
        QTest::newRow("only control characters") << QByteArray("\0\x01\x02\r\n\x1b\r\n", 8) << QStringList();
        QTest::newRow("bytes valid in no encoding") << "\xff\xfe\x80\r\nlemon\r\n"_ba << QStringList{u"LEMON"_s};
        QTest::newRow("accented and non-Latin letters only")
            << "caf\xC3\xA9\r\n\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE\r\n"_ba << QStringList();
        QTest::newRow("accented letters beside a plain word")
            << "na\xC3\xAFve\r\nlemon\r\n"_ba << QStringList{u"LEMON"_s};
        QTest::newRow("shorter words are played") << "cat\r\nox\r\n"_ba << QStringList{u"CAT"_s, u"OX"_s};
        QTest::newRow("longer words are passed over")
            << "internationalisation\r\nlemon\r\nwatermelons\r\n"_ba << QStringList{u"LEMON"_s};
        QTest::newRow("only words too long to type") << "watermelons\r\ninternationalisation\r\n"_ba << QStringList();
        QTest::newRow("one 10 MB line") << repeated("abcdefghij"_ba, 1024 * 1024) << QStringList();
        QTest::newRow("a 10 MB line then a word")
            << repeated("abcdefghij"_ba, 1024 * 1024) + "\r\nlemon\r\n"_ba << QStringList{u"LEMON"_s};
        QTest::newRow("exactly 32,767 entries")
            << repeated("lemon\r\n"_ba, 32766) + "mango\r\n"_ba << QStringList{u"LEMON"_s, u"MANGO"_s};
        QTest::newRow("100,000 entries") << repeated("lemon\r\n"_ba, 99999) + "mango\r\n"_ba
                                         << QStringList{u"LEMON"_s, u"MANGO"_s};
    }

    void eachFileHasAnOutcome()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, playable);

        // At start-up, as the 8-letter file.
        {
            WordDirectory words;
            words.write(u"Words8.Txt"_s, content);
            FakeHost fake(words.path());
            Form1 form(fake.host);
            Form1Probe ui(form);
            form.load();
            if (playable.isEmpty()) {
                QCOMPARE(fake.messageBox.shown.size(), 1);
                QCOMPARE(fake.messageBox.shown[0].text,
                    "Can Not Find File " + words.filePath(u"Words8.Txt"_s) + " It's Missing or Corrupted");
                QCOMPARE(fake.programEnd.status, std::optional(platform::MissingWordFileExit));
            } else {
                QVERIFY(fake.messageBox.shown.isEmpty());
                QVERIFY(playable.contains(ui.PickWord->text()));
                expectPlayableDraws(ui, fake, playable);
                QVERIFY(fake.messageBox.shown.isEmpty());
            }
        }
        // In the middle of play, as the 10-letter file.
        {
            WordDirectory words;
            words.writeWords(8, {u"triangle"_s});
            words.write(u"Words10.Txt"_s, content);
            FakeHost fake(words.path());
            Form1 form(fake.host);
            Form1Probe ui(form);
            form.load();
            QTest::keyClicks(ui.GuessWord, u"tri"_s);
            QTest::mouseClick(ui.Option10, Qt::LeftButton);
            if (playable.isEmpty()) {
                QCOMPARE(fake.messageBox.shown.size(), 1);
                QVERIFY(fake.messageBox.shown[0].text.contains(words.filePath(u"Words10.Txt"_s)));
                QCOMPARE(fake.programEnd.status, std::optional(platform::MissingWordFileExit));
            } else {
                QVERIFY(fake.messageBox.shown.isEmpty());
                QVERIFY(playable.contains(ui.PickWord->text()));
                QCOMPARE(ui.GuessWord->text(), QString());
            }
        }
    }

    void directoryWhereTheFileShouldBe()
    {
        WordDirectory words;
        QVERIFY(QDir(words.path()).mkdir(u"Words8.Txt"_s));
        FakeHost fake(words.path());
        Form1 form(fake.host);
        Form1Probe ui(form);
        form.load();
        QCOMPARE(fake.messageBox.shown.size(), 1);
        QVERIFY(fake.messageBox.shown[0].text.contains(words.filePath(u"Words8.Txt"_s)));
        QCOMPARE(fake.programEnd.status, std::optional(platform::MissingWordFileExit));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestStartup startup;
    TestBadWordFiles badFiles;
    return QTest::qExec(&startup, argc, argv) | QTest::qExec(&badFiles, argc, argv);
}

#include "tst_startup.moc"
