#ifndef TANGLEWICK_WORDS_ENTRYLIST_H
#define TANGLEWICK_WORDS_ENTRYLIST_H

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <vector>

namespace words {

// The entries of a word list, kept as one block of text and the end of each
// entry: tens of thousands of words cost a few allocations, not one each.
class EntryList
{
public:
    qsizetype size() const { return static_cast<qsizetype>(m_ends.size()); }
    // An index past the last entry throws std::out_of_range rather than read past the list.
    QStringView at(qsizetype index) const
    {
        const qsizetype begin = index == 0 ? 0 : m_ends[static_cast<std::size_t>(index - 1)];
        return QStringView(m_text).sliced(begin, m_ends.at(static_cast<std::size_t>(index)) - begin);
    }

    void append(QStringView entry);
    // Appends an entry given as UTF-8, decoded as QString::fromUtf8() would.
    void appendUtf8(QByteArrayView entry);

private:
    QChar *room(qsizetype chars);

    QString m_text; // only the first m_used characters hold entries
    qsizetype m_used = 0;
    std::vector<qsizetype> m_ends;
};

} // namespace words

#endif
