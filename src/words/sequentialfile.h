#ifndef TANGLEWICK_WORDS_SEQUENTIALFILE_H
#define TANGLEWICK_WORDS_SEQUENTIALFILE_H

#include "words/fieldreader.h"

#include <QString>

#include <cstdint>

namespace words {

// A word file opened for sequential reading under a file number, as each
// pass over a word file opens it afresh, and read field by field. The
// number is released when the file goes out of scope, so a pass that fails
// part-way leaves no file open behind it.
class SequentialFile : public FieldReader
{
public:
    // The lowest file number not in use.
    static std::int16_t freeFile();

    // Opens the file; a missing file is run-time error 53, a path that is
    // not a readable regular file 75 (a directory, a pipe, a socket or a
    // device among them), a failing read 57.
    SequentialFile(std::int16_t fileNumber, const QString &path);
    ~SequentialFile();
    SequentialFile(const SequentialFile &) = delete;
    SequentialFile &operator=(const SequentialFile &) = delete;

private:
    std::int16_t m_fileNumber;
};

} // namespace words

#endif
