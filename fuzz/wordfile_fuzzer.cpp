// libFuzzer target for the game's word-file reader.
//
// Each input is written as a word file and read the two ways the game reads
// one: countEntries() counts its entries, loadEntries() loads them. A
// readable file must never raise a run-time error, and both passes must agree
// on the number of entries. The entries are then held against the word file
// rules (fieldreader.h):
// - no entry holds a line end, and there are never more entries than
//   delimiters (commas, CRs, LFs) plus one;
// - the entries together are never longer than the file;
// - reading the same bytes in memory with a FieldReader gives the same
//   entries, so the file round trip loses or adds nothing;
// - the entries equal those of a second reading of the rules, written apart
//   from FieldReader as one regular expression a field (for inputs up to
//   64 KiB);
// - after both passes every file number is free again.
// Any broken rule aborts with a message naming the input's size, and
// libFuzzer keeps the input. Time linear in the input is left to libFuzzer's
// -timeout with inputs bounded by -max_len (see scripts/fuzz.sh).
//
// The word file is written to one path per process, in a fresh directory
// under $TANGLEWICK_FUZZ_TMPDIR (scripts/fuzz.sh puts it on tmpfs when there
// is one), else the system's temporary directory ($TMPDIR or /tmp); it goes
// at exit.

#include "platform/runtimeerror.h"
#include "words/fieldreader.h"
#include "words/sequentialfile.h"
#include "words/wordfiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const QByteArray &what, std::size_t size)
{
    std::fprintf(stderr, "wordfile_fuzzer: %s (input of %zu bytes)\n", what.constData(), size);
    std::abort();
}

QString wordFile()
{
    const QString base = qEnvironmentVariable("TANGLEWICK_FUZZ_TMPDIR", QDir::tempPath());
    static const QTemporaryDir directory(base + QStringLiteral("/tanglewick-fuzz-XXXXXX"));
    if (!directory.isValid())
        fail("cannot make a directory for the word file", 0);
    return directory.filePath(QStringLiteral("Words8.Txt"));
}

// Each field: blanks, then either a quoted text (up to the closing quote or
// the line end, the rest up to the delimiter dropped) or an unquoted one
// without its trailing blanks, then its delimiter or the end of the file.
QStringList readByTheRules(QByteArrayView bytes)
{
    static const QRegularExpression field(
        QStringLiteral(R"([ \t]*(?|"([^"\r\n]*)[^,\r\n]*|((?:[^,\r\n]*[^ \t,\r\n])?)[ \t]*)(?:,|\r\n|\r|\n|\z))"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QString text = QString::fromLatin1(bytes); // a character a byte, so that offsets are the same
    QStringList entries;
    for (qsizetype pos = 0; pos < text.size();) {
        const QRegularExpressionMatch match = field.match(text, pos, QRegularExpression::NormalMatch,
            QRegularExpression::AnchorAtOffsetMatchOption | QRegularExpression::DontCheckSubjectStringMatchOption);
        if (!match.hasMatch())
            fail("the rules found no field", bytes.size());
        entries.append(QString::fromUtf8(bytes.sliced(match.capturedStart(1), match.capturedLength(1))));
        pos = match.capturedEnd();
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    static const QString path = wordFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        fail("cannot write the word file", size);

    std::int32_t count = -1;
    words::EntryList entries;
    try {
        words::countEntries(path, count);
        words::loadEntries(path, entries);
    } catch (const platform::RuntimeError &error) {
        fail("a readable word file raised run-time error " + QByteArray::number(error.code()) + ": " + error.what(),
            size);
    }
    if (count != entries.size())
        fail("countEntries and loadEntries disagree on the number of entries", size);
    const qsizetype delimiters = bytes.count(',') + bytes.count('\r') + bytes.count('\n');
    if (entries.size() > delimiters + 1)
        fail("more entries than delimiters plus one", size);

    QStringList loaded, inMemory;
    for (qsizetype i = 0; i < entries.size(); ++i)
        loaded.append(entries.at(i).toString());
    const QString joined = loaded.join(QString());
    if (joined.contains(QLatin1Char('\r')) || joined.contains(QLatin1Char('\n')) || joined.size() > bytes.size())
        fail("an entry holds a line end, or the entries are longer than the file", size);
    // Bounded, so that a reader stuck on one place fails instead of filling memory.
    for (words::FieldReader reader(bytes); !reader.atEnd() && inMemory.size() <= delimiters + 1;)
        inMemory.append(QString::fromUtf8(reader.nextField()));
    if (inMemory != loaded)
        fail("the file and the same bytes in memory read differently", size);
    // The second reading is kept to inputs of the fuzzing's -max_len: it is no
    // quicker than the reader, and the large files of scripts/fuzz.sh time the
    // reader alone.
    if (size <= 65536 && loaded != readByTheRules(bytes))
        fail("the entries differ from the word file rules", size);
    if (words::SequentialFile::freeFile() != 1)
        fail("a file number is still in use after both passes", size);
    return 0;
}
