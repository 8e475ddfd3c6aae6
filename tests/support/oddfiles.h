#ifndef TANGLEWICK_TESTS_ODDFILES_H
#define TANGLEWICK_TESTS_ODDFILES_H

// Things that may stand where a word file should be and are no regular
// file, made at a path by a name in angle brackets.

#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Makes "<dir>" (a directory), and on Unix "<fifo>" (a named pipe with no
// writer), "<zero>" and "<urandom>" (links to those endless devices) at the
// path. False when the kind cannot be made here.
inline bool makeOddFile(const QString &kind, const QString &path)
{
    if (kind == u"<dir>")
        return QDir().mkdir(path);
#ifdef Q_OS_UNIX
    if (kind == u"<fifo>")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == u"<zero>" || kind == u"<urandom>")
        return QFile::link(QStringLiteral("/dev/") + kind.mid(1).chopped(1), path);
#endif
    return false;
}

#endif
