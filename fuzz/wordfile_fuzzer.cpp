// libFuzzer target for the game's word-file reader.
//
// Each input is written as a word file and read the two ways the game reads
// one: countEntries() counts its entries, loadEntries() loads them. A
// readable file must never raise a run-time error, and both passes must agree
// on the number of entries. The entries are then held against what the word
// file rules (fieldreader.h) say they must be:
// - no entry holds a line end, and there are never more entries than
//   delimiters (commas, CRs, LFs) plus one;
// - the entries together are never longer than the file;
// - reading the same bytes in memory with a FieldReader gives the same
//   entries, so the file round trip loses or adds nothing;
// - the entries equal those of a small second reading of the rules below,
//   written apart from FieldReader (line by line, then field by field);
// - after both passes every file number is free again.
// Any broken rule aborts with a message naming the input's size, and
// libFuzzer keeps the input. Time linear in the input is left to libFuzzer's
// -timeout with inputs bounded by -max_len (see scripts/fuzz.sh).
//
// The word file is written to one path per process, in a fresh directory
// under $TANGLEWICK_FUZZ_TMPDIR, else /dev/shm when it is there, else $TMPDIR
// or /tmp.

#include "fieldreader.h"
#include "runtimeerror.h"
#include "sequentialfile.h"
#include "wordfiles.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

[[noreturn]] void fail(const char *what, std::size_t size)
{
    std::fprintf(stderr, "wordfile_fuzzer: %s (input of %zu bytes)\n", what, size);
    std::fflush(stderr);
    std::abort();
}

// --- The word file on disk ------------------------------------------------

std::string directoryPath;
std::string wordFilePath;

void removeWordFile()
{
    if (!wordFilePath.empty())
        ::unlink(wordFilePath.c_str());
    if (!directoryPath.empty())
        ::rmdir(directoryPath.c_str());
}

bool usableDirectory(const char *path)
{
    return path && *path && ::access(path, W_OK | X_OK) == 0;
}

const std::string &wordFile()
{
    if (wordFilePath.empty()) {
        const char *base = std::getenv("TANGLEWICK_FUZZ_TMPDIR");
        if (!usableDirectory(base))
            base = usableDirectory("/dev/shm") ? "/dev/shm" : std::getenv("TMPDIR");
        if (!usableDirectory(base))
            base = "/tmp";
        std::string pattern = std::string(base) + "/tanglewick-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("wordfile_fuzzer: cannot make a directory for the word file");
            std::abort();
        }
        directoryPath = pattern;
        wordFilePath = directoryPath + "/Words8.Txt";
        std::atexit(removeWordFile);
    }
    return wordFilePath;
}

void writeWordFile(const std::uint8_t *data, std::size_t size)
{
    std::FILE *file = std::fopen(wordFile().c_str(), "wb");
    if (!file)
        fail("cannot open the word file for writing", size);
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written)
        fail("cannot write the word file", size);
}

// --- A second reading of the word file rules ------------------------------

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The fields of one line (its line end excluded). A comma at the very end of
// a line that has a line end leaves one more, empty, field before that line
// end; at the end of the file it leaves none.
void readLine(QByteArrayView line, bool hasLineEnd, QStringList &entries)
{
    const qsizetype n = line.size();
    qsizetype pos = 0;
    for (;;) {
        while (pos < n && isBlank(line[pos]))
            ++pos;
        qsizetype start = pos;
        qsizetype end = pos;
        if (pos < n && line[pos] == '"') {
            start = ++pos;
            while (pos < n && line[pos] != '"')
                ++pos;
            end = pos;
            // The rest up to the comma is dropped, closing quote included.
            while (pos < n && line[pos] != ',')
                ++pos;
        } else {
            while (pos < n && line[pos] != ',')
                ++pos;
            end = pos;
            while (end > start && isBlank(line[end - 1]))
                --end;
        }
        entries.append(QString::fromUtf8(line.data() + start, end - start));
        if (pos == n)
            return;
        ++pos; // the comma
        if (pos == n) {
            if (hasLineEnd)
                entries.append(QString());
            return;
        }
    }
}

QStringList readByTheRules(QByteArrayView text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringList entries;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < text.size() && text[lineEnd] != '\r' && text[lineEnd] != '\n')
            ++lineEnd;
        const bool hasLineEnd = lineEnd < text.size();
        readLine(text.sliced(lineStart, lineEnd - lineStart), hasLineEnd, entries);
        lineStart = lineEnd;
        if (hasLineEnd) {
            const bool crlf = text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n';
            lineStart += crlf ? 2 : 1;
        }
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeWordFile(data, size);
    const QString path = QString::fromLocal8Bit(wordFile());
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    std::int32_t count = -1;
    QStringList loaded;
    try {
        words::countEntries(path, count);
        words::EntryList entries;
        words::loadEntries(path, entries);
        for (qsizetype i = 0; i < entries.size(); ++i)
            loaded.append(entries.at(i).toString());
    } catch (const platform::RuntimeError &error) {
        std::fprintf(stderr, "wordfile_fuzzer: run-time error %d (%s) reading a readable word file\n", error.code(),
            error.what());
        fail("a readable word file raised a run-time error", size);
    }

    if (count != loaded.size()) {
        std::fprintf(stderr, "wordfile_fuzzer: countEntries gave %d entries, loadEntries %lld\n", int(count),
            static_cast<long long>(loaded.size()));
        fail("the count and the load disagree", size);
    }

    qsizetype delimiters = 0;
    for (const char c : bytes) {
        if (c == ',' || c == '\r' || c == '\n')
            ++delimiters;
    }
    if (loaded.size() > delimiters + 1)
        fail("more entries than delimiters plus one", size);

    qsizetype totalLength = 0;
    for (const QString &entry : loaded) {
        totalLength += entry.size();
        if (entry.contains(QLatin1Char('\r')) || entry.contains(QLatin1Char('\n')))
            fail("an entry holds a line end", size);
    }
    if (totalLength > static_cast<qsizetype>(size))
        fail("the entries are longer than the file", size);

    QStringList inMemory;
    words::FieldReader reader(bytes);
    while (!reader.atEnd()) {
        inMemory.append(QString::fromUtf8(reader.nextField()));
        if (inMemory.size() > delimiters + 1)
            fail("the in-memory reader reads more fields than delimiters plus one", size);
    }
    if (inMemory != loaded)
        fail("the file and the same bytes in memory read differently", size);

    const QStringList expected = readByTheRules(bytes);
    if (loaded != expected) {
        std::fprintf(stderr, "wordfile_fuzzer: read %lld entries, the rules give %lld\n",
            static_cast<long long>(loaded.size()), static_cast<long long>(expected.size()));
        for (qsizetype i = 0; i < qMax(loaded.size(), expected.size()); ++i) {
            const QString got = i < loaded.size() ? loaded[i] : QStringLiteral("<none>");
            const QString want = i < expected.size() ? expected[i] : QStringLiteral("<none>");
            if (got != want) {
                std::fprintf(stderr, "wordfile_fuzzer: first difference at entry %lld: read \"%s\", rules \"%s\"\n",
                    static_cast<long long>(i), got.toUtf8().constData(), want.toUtf8().constData());
                break;
            }
        }
        fail("the entries differ from the word file rules", size);
    }

    if (words::SequentialFile::freeFile() != 1)
        fail("a file number is still in use after both passes", size);
    return 0;
}
