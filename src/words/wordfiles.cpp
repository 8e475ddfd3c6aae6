#include "words/wordfiles.h"

#include "platform/runtimeerror.h"
#include "words/sequentialfile.h"

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

void countEntries(const QString &path, std::int32_t &count)
{
    count = 0;
    SequentialFile file(SequentialFile::freeFile(), path);
    // Counting needs no field's text, only its end.
    while (!file.atEnd()) {
        file.nextField();
        count = platform::checkedNarrow<std::int32_t>(static_cast<long long>(count) + 1);
    }
}

void loadEntries(const QString &path, EntryList &entries)
{
    SequentialFile file(SequentialFile::freeFile(), path);
    while (!file.atEnd())
        entries.appendUtf8(file.nextField());
}

} // namespace words
