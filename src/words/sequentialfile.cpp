#include "words/sequentialfile.h"

#include "platform/runtimeerror.h"

#include <QFile>
#include <QFileInfo>

#include <bitset>

namespace words {

namespace {
constexpr int MaxFileNumber = 511;
std::bitset<MaxFileNumber + 1> fileNumbersInUse;

QByteArray wholeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        platform::raise(platform::FileNotFound);
    // Only a regular file, or a link to one, is read. A directory has no
    // words; opening a named pipe waits for a writer that may never come,
    // and a device such as /dev/zero never ends.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly) || file.isSequential())
        platform::raise(platform::PathFileAccessError);
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        platform::raise(platform::DeviceIOError);
    return data;
}
} // namespace

std::int16_t SequentialFile::freeFile()
{
    for (int number = 1; number <= MaxFileNumber; ++number) {
        if (!fileNumbersInUse.test(number))
            return static_cast<std::int16_t>(number);
    }
    platform::raise(platform::PathFileAccessError);
}

SequentialFile::SequentialFile(std::int16_t fileNumber, const QString &path)
    : FieldReader(wholeFile(path))
    , m_fileNumber(fileNumber)
{
    fileNumbersInUse.set(static_cast<std::size_t>(m_fileNumber));
}

SequentialFile::~SequentialFile()
{
    fileNumbersInUse.reset(static_cast<std::size_t>(m_fileNumber));
}

} // namespace words
