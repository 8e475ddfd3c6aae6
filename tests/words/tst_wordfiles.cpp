#include "fieldreader.h"
#include "runtimeerror.h"
#include "sequentialfile.h"
#include "wordfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWordFiles : public QObject
{
    Q_OBJECT

private:
    QString write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(u"Words8.Txt"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the test's word file");
        file.write(content);
        return path;
    }

    static int errorCodeOf(const std::function<void()> &step)
    {
        try {
            step();
        } catch (const platform::RuntimeError &error) {
            return error.code();
        }
        return 0;
    }

    // Every entry of the file, as the game loads it.
    static QStringList loaded(const QString &path)
    {
        words::EntryList entries;
        words::loadEntries(path, entries);
        QStringList list;
        for (qsizetype i = 0; i < entries.size(); ++i)
            list.append(entries.at(i).toString());
        return list;
    }

    QTemporaryDir m_dir;

private slots:
    void pathAlwaysAddsTheSeparator()
    {
        const QString sep = QDir::separator();
        QCOMPARE(words::wordFilePath(u"/opt/game"_s, u"Words9.Txt"_s), "/opt/game" + sep + "Words9.Txt");
        QCOMPARE(words::wordFilePath("/opt/game" + sep, u"Words9.Txt"_s), "/opt/game" + sep + sep + "Words9.Txt");
    }

    void fieldsAreReadByTheFileRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("crlf after every word")
            << "apple\r\nbanana\r\ncherry\r\n"_ba << QStringList{u"apple"_s, u"banana"_s, u"cherry"_s};
        QTest::newRow("no line end after the last word")
            << "apple\r\nbanana\r\ncherry"_ba << QStringList{u"apple"_s, u"banana"_s, u"cherry"_s};
        QTest::newRow("lf line ends") << "apple\nbanana\n"_ba << QStringList{u"apple"_s, u"banana"_s};
        QTest::newRow("lone cr line ends") << "apple\rbanana\r"_ba << QStringList{u"apple"_s, u"banana"_s};
        QTest::newRow("mixed line ends") << "a\r\nb\nc\rd"_ba << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        QTest::newRow("blank line is one empty entry")
            << "apple\r\n\r\nbanana\r\n"_ba << QStringList{u"apple"_s, QString(), u"banana"_s};
        QTest::newRow("comma splits a line")
            << "apple,banana\r\ncherry\r\n"_ba << QStringList{u"apple"_s, u"banana"_s, u"cherry"_s};
        QTest::newRow("quoted field keeps its comma") << "\"a,b\",c\r\n"_ba << QStringList{u"a,b"_s, u"c"_s};
        QTest::newRow("text after a closing quote is dropped") << "\"ab\"cd,e\r\n"_ba << QStringList{u"ab"_s, u"e"_s};
        QTest::newRow("unclosed quote ends at its line") << "\"abc\r\ndef\r\n"_ba << QStringList{u"abc"_s, u"def"_s};
        QTest::newRow("blanks around a field are dropped")
            << "  apple \t\r\n\tbanana\r\n"_ba << QStringList{u"apple"_s, u"banana"_s};
        QTest::newRow("byte order mark is skipped") << "\xEF\xBB\xBF"
                                                       "apple\r\n"_ba
                                                    << QStringList{u"apple"_s};
        QTest::newRow("utf-8 letters") << "caf\xC3\xA9\r\n"_ba << QStringList{u"caf\u00e9"_s};
        QTest::newRow("empty file has no entries") << QByteArray() << QStringList{};
        QTest::newRow("only a line end is one empty entry") << "\r\n"_ba << QStringList{QString()};
        QTest::newRow("trailing comma ends the last field") << "a,"_ba << QStringList{u"a"_s};
    }

    void fieldsAreReadByTheFileRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);

        words::FieldReader reader(content);
        QStringList read;
        while (!reader.atEnd())
            read.append(QString::fromUtf8(reader.nextField()));
        QCOMPARE(read, entries);

        // Counting and loading pass over the file with the same reader, so
        // they must agree on every file.
        const QString path = write(content);
        std::int32_t WordCount = -1;
        words::countEntries(path, WordCount);
        QCOMPARE(WordCount, entries.size());
        QCOMPARE(loaded(path), entries);
    }

    void missingFileIsFileNotFound()
    {
        const QString path = m_dir.filePath(u"Words11.Txt"_s);
        std::int32_t WordCount = 7;
        QCOMPARE(errorCodeOf([&] { words::countEntries(path, WordCount); }), int(platform::FileNotFound));
        QCOMPARE(WordCount, 0);
        QCOMPARE(errorCodeOf([&] { loaded(path); }), int(platform::FileNotFound));
    }

    void fileNumbersAreReleasedAfterEachPass()
    {
        const QString path = write("apple\r\n"_ba);
        const std::int16_t before = words::SequentialFile::freeFile();
        std::int32_t WordCount = 0;
        words::countEntries(path, WordCount);
        loaded(path);
        errorCodeOf([&] { words::countEntries(m_dir.filePath(u"absent"_s), WordCount); });
        QCOMPARE(words::SequentialFile::freeFile(), before);
        {
            words::SequentialFile open(before, path);
            QCOMPARE(words::SequentialFile::freeFile(), before + 1);
        }
        QCOMPARE(words::SequentialFile::freeFile(), before);
    }
};

QTEST_GUILESS_MAIN(TestWordFiles)
#include "tst_wordfiles.moc"
