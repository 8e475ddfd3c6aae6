#ifndef TANGLEWICK_WORDS_WORDFILES_H
#define TANGLEWICK_WORDS_WORDFILES_H

#include "words/entrylist.h"

#include <QString>

#include <cstdint>

namespace words {

// Entry 0 of the word list: never a word, never drawn.
inline const QString Separator = QStringLiteral("------------");

// "Words8.Txt" to "Words12.Txt".
QString wordFileName(int length);
// The directory text, the platform's separator, then the file name. The
// separator is always added: a directory ending in one gives two in a row.
QString wordFilePath(const QString &directory, const QString &fileName);

// Counts the entries of the file into count, one field at a time, so that a
// failure part-way leaves the count reached before it. Failures are run-time
// errors: file not found (53), an unusable path (75), a read failure (57), an
// overflow of the count (6).
void countEntries(const QString &path, std::int32_t &count);
// Appends every entry of the file to entries, in file order.
void loadEntries(const QString &path, EntryList &entries);

} // namespace words

#endif
