#include "fieldreader.h"

namespace words {

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

FieldReader::FieldReader(QByteArray data)
    : m_data(std::move(data))
{
    if (m_data.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool FieldReader::atLineEnd() const
{
    return m_pos < m_data.size() && (m_data[m_pos] == '\r' || m_data[m_pos] == '\n');
}

void FieldReader::skipLineEnd()
{
    if (m_data[m_pos] == '\r' && m_pos + 1 < m_data.size() && m_data[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
}

void FieldReader::skipBlanks()
{
    while (m_pos < m_data.size() && isBlank(m_data[m_pos]))
        ++m_pos;
}

QString FieldReader::readField()
{
    skipBlanks();
    const QString field = (m_pos < m_data.size() && m_data[m_pos] == '"') ? readQuoted() : readPlain();
    // Consume the delimiter that ended the field.
    if (m_pos < m_data.size()) {
        if (m_data[m_pos] == ',')
            ++m_pos;
        else if (atLineEnd())
            skipLineEnd();
    }
    return field;
}

QString FieldReader::readQuoted()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_data.size() && m_data[m_pos] != '"' && !atLineEnd())
        ++m_pos;
    const QString field = QString::fromUtf8(m_data.constData() + start, m_pos - start);
    if (m_pos < m_data.size() && m_data[m_pos] == '"')
        ++m_pos;
    // Whatever follows the closing quote up to the delimiter is not part of
    // the field.
    while (m_pos < m_data.size() && m_data[m_pos] != ',' && !atLineEnd())
        ++m_pos;
    return field;
}

QString FieldReader::readPlain()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && m_data[m_pos] != ',' && !atLineEnd())
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_data[end - 1]))
        --end;
    return QString::fromUtf8(m_data.constData() + start, end - start);
}

} // namespace words
