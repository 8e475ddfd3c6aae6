#include "words/fieldreader.h"

namespace words {

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

FieldReader::FieldReader(QByteArray data)
    : m_data(std::move(data))
    , m_pos(m_data.constData())
    , m_end(m_data.constData() + m_data.size())
{
    if (m_data.startsWith("\xEF\xBB\xBF"))
        m_pos += 3;
}

QByteArrayView FieldReader::nextField()
{
    while (m_pos < m_end && isBlank(*m_pos))
        ++m_pos;
    struct
    {
        const char *begin;
        const char *end;
    } field{m_pos, m_pos};
    if (m_pos < m_end && *m_pos == '"') {
        field.begin = ++m_pos;
        while (m_pos < m_end && *m_pos != '"' && !atLineEnd())
            ++m_pos;
        field.end = m_pos;
        // Whatever follows the closing quote up to the delimiter is not part
        // of the field.
        while (m_pos < m_end && !atDelimiter())
            ++m_pos;
    } else {
        while (m_pos < m_end && !atDelimiter())
            ++m_pos;
        field.end = m_pos;
        while (field.end > field.begin && isBlank(field.end[-1]))
            --field.end;
    }
    // Consume the delimiter that ended the field: a comma, or one line end.
    if (m_pos < m_end) {
        if (*m_pos == '\r' && m_pos + 1 < m_end && m_pos[1] == '\n')
            ++m_pos;
        ++m_pos;
    }
    return QByteArrayView(field.begin, field.end);
}

} // namespace words
