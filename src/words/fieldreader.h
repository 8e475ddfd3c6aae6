#ifndef TANGLEWICK_WORDS_FIELDREADER_H
#define TANGLEWICK_WORDS_FIELDREADER_H

#include <QByteArray>
#include <QByteArrayView>

namespace words {

// Reads a word file's text as a series of comma- or line-delimited fields:
// - a field ends at a comma or a line end (CR LF, LF or a lone CR), which is
//   consumed with it; a blank line is one empty field;
// - blanks (spaces, tabs) around an unquoted field are dropped;
// - a field in double quotes is read without them, commas included; what
//   stands between the closing quote and the delimiter is dropped; a quote
//   left open ends at its line end, so a stray quote cannot swallow the file;
// - a UTF-8 byte order mark at the start is skipped.
// Fields come as the file's bytes; the word list decodes them as UTF-8.
// Callers test atEnd() before every read, so the line end after the last
// entry adds no entry and a last entry without a line end is read all the
// same.
class FieldReader
{
public:
    explicit FieldReader(QByteArray data);

    bool atEnd() const { return m_pos >= m_end; }
    QByteArrayView nextField();

private:
    bool atLineEnd() const { return m_pos < m_end && (*m_pos == '\r' || *m_pos == '\n'); }
    bool atDelimiter() const { return m_pos < m_end && (*m_pos == ',' || *m_pos == '\r' || *m_pos == '\n'); }

    QByteArray m_data;
    const char *m_pos;
    const char *m_end;
};

} // namespace words

#endif
