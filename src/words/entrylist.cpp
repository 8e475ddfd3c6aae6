#include "words/entrylist.h"

#include <QStringDecoder>

#include <algorithm>

namespace words {

QChar *EntryList::room(qsizetype chars)
{
    if (m_text.size() < m_used + chars)
        m_text.resize(std::max(2 * m_text.size(), m_used + chars));
    return m_text.data() + m_used;
}

void EntryList::append(QStringView entry)
{
    std::copy(entry.begin(), entry.end(), room(entry.size()));
    m_used += entry.size();
    m_ends.push_back(m_used);
}

void EntryList::appendUtf8(QByteArrayView entry)
{
    // UTF-8 never takes fewer bytes than UTF-16 code units.
    QChar *begin = room(entry.size());
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(entry.begin(), entry.end(), isAscii)) {
        // Plain ASCII, as most words are, reads byte for character.
        std::transform(entry.begin(), entry.end(), begin, [](char c) { return QChar(QLatin1Char(c)); });
        m_used += entry.size();
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        m_used += decoder.appendToBuffer(begin, entry) - begin;
    }
    m_ends.push_back(m_used);
}

} // namespace words
