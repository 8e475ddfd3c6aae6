// The word files: the field read, counting and loading, and the file
// numbers a pass takes.

#include "datatable.h"
#include "fakehost.h"
#include "words/sequentialfile.h"
#include "words/wordfiles.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <deque>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using namespace platform;

// Makes "<fifo>" (a named pipe with no writer), "<zero>" or "<urandom>" (links to those endless devices) where a
// word file should be. False when it cannot be made here.
static bool makeOddFile(const QString &kind, const QString &path)
{
#ifdef Q_OS_UNIX
    if (kind == u"<fifo>")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return QFile::link(u"/dev/"_s + kind.mid(1).chopped(1), path);
#else
    return false;
#endif
}

class TestWords : public QObject
{
    Q_OBJECT
private slots:
    void wordFilePasses_data()
    {
        // A word file written with the content, or else the file at the path ("<fifo>" and the like: made there).
        const Table<QByteArray, QStringList, QString, int> row("content", "entries", "path", "error");
        const auto file = [&](const char *name, const char *bytes, QStringList read) { row(name, bytes, read, {}, 0); };
        file("crlf, lf or cr; the last needs none", "a\r\nb\nc\rd", {"a", "b", "c", "d"});
        file("blank line is an empty entry, a final line end adds none", "a\r\n\r\nb\r\n", {"a", "", "b"});
        file("comma splits; a final one adds none", "a,b,", {"a", "b"});
        file("quoted comma kept, text after the quote dropped", " \"a,b\" c,d", {"a,b", "d"});
        file("open quote ends at its line", "\"ab\r\n\"c", {"ab", "c"});
        file("BOM skipped", "\xEF\xBB\xBFz", {"z"});
        file("blanks around a field dropped; only blanks is empty", "  a b \t,  ,\tc", {"a b", "", "c"});
        file("utf-8 letters; a stray byte is U+FFFD", "caf\xC3\xA9,a\x80,x", {u"caf\u00E9"_s, u"a\uFFFD"_s, "x"});
        row("missing file", {}, {}, "absent/x.Txt", FileNotFound);
        row("directory", {}, {}, ".", PathFileAccessError);
        row("failing read (Linux)", {}, {}, "/proc/self/mem", DeviceIOError);
        // Neither waiting for a pipe's writer nor reading on for ever.
        for (const char *odd : {"<fifo>", "<zero>", "<urandom>"})
            row(odd, {}, {}, odd, PathFileAccessError);
    }
    // Counting and loading agree; a failing pass leaves the count at 0 and no entry.
    void wordFilePasses()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        QFETCH(QString, path);
        QFETCH(int, error);
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(content) >= 0 && file.flush());
        QString read = path.isEmpty() ? file.fileName() : path;
        QTemporaryDir dir;
        if (path.startsWith(u'<') && !makeOddFile(path, read = dir.filePath(u"Words8.Txt"_s)))
            QSKIP("not to be made on this system");
        std::int32_t count = -1;
        words::EntryList loaded;
        QCOMPARE(errorOf([&] { words::countEntries(read, count); }), error);
        QCOMPARE(errorOf([&] { words::loadEntries(read, loaded); }), error);
        QStringList texts;
        for (qsizetype i = 0; i < loaded.size(); ++i)
            texts.append(loaded.at(i).toString());
        QCOMPARE(texts, entries);
        QCOMPARE(count, texts.size());
    }

    // Each pass takes the lowest free file number, of 511, and gives it back.
    void wordFilePassesGiveTheirFileNumberBack()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        std::deque<words::SequentialFile> held; // as if files 1 to 510 were open
        while (held.size() < 510)
            held.emplace_back(words::SequentialFile::freeFile(), file.fileName());
        std::int32_t count = -1;
        words::countEntries(file.fileName(), count); // it takes number 511, the last there is
        QCOMPARE(words::SequentialFile::freeFile(), 511);
        held.emplace_back(511, file.fileName());
        QCOMPARE(errorOf([] { words::SequentialFile::freeFile(); }), PathFileAccessError);
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
