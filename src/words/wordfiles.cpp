#include "wordfiles.h"

#include "runtimeerror.h"
#include "sequentialfile.h"

#include <QDir>

namespace words {

QString wordFileName(int length)
{
    return QStringLiteral("Words%1.Txt").arg(length);
}

QString wordFilePath(const QString &directory, const QString &fileName)
{
    return directory + QDir::separator() + fileName;
}

void countEntries(const QString &path, std::int32_t &WordCount)
{
    const std::int16_t FileNum = SequentialFile::freeFile();
    WordCount = 0;
    SequentialFile file(FileNum, path);
    // Counting needs no field's text, only its end.
    while (!file.atEnd()) {
        file.skipField();
        WordCount = platform::toInt32(static_cast<long long>(WordCount) + 1);
    }
    file.close();
}

void loadEntries(const QString &path, EntryList &entries)
{
    const std::int16_t FileNum = SequentialFile::freeFile();
    SequentialFile file(FileNum, path);
    while (!file.atEnd())
        entries.appendUtf8(file.readFieldBytes());
    file.close();
}

QStringList loadEntries(const QString &path)
{
    EntryList entries;
    loadEntries(path, entries);
    return entries.toStringList();
}

} // namespace words
