#ifndef TANGLEWICK_WORDS_FIELDREADER_H
#define TANGLEWICK_WORDS_FIELDREADER_H

#include <QByteArray>
#include <QString>

namespace words {

// Reads a word file's text as a series of comma- or line-delimited fields:
// - a field ends at a comma or a line end (CR LF, LF or a lone CR), which is
//   consumed with it; a blank line is one empty field;
// - blanks (spaces, tabs) around an unquoted field are dropped;
// - a field in double quotes is read without them, commas included; what
//   stands between the closing quote and the delimiter is dropped; a quote
//   left open ends at its line end, so a stray quote cannot swallow the file;
// - a UTF-8 byte order mark at the start is skipped;
// - fields are decoded as UTF-8.
// Callers test atEnd() before every read, so the line end after the last
// entry adds no entry and a last entry without a line end is read all the
// same.
class FieldReader {
public:
    explicit FieldReader(QByteArray data);

    bool atEnd() const { return m_pos >= m_data.size(); }
    QString readField();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();
    QString readQuoted();
    QString readPlain();

    QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace words

#endif
