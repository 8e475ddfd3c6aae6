#ifndef TANGLEWICK_TESTS_ODDFILES_H
#define TANGLEWICK_TESTS_ODDFILES_H

// Things that may stand where a word file should be and are no regular
// file: made at a path by a name in angle brackets.

#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

// Makes "<dir>" (a directory), and on Unix "<fifo>" (a named pipe with no
// writer), "<socket>" (a socket's file), "<zero>" and "<urandom>"
// (links to those endless devices) at the path. False when the kind is not
// one of these, or cannot be made here.
inline bool makeOddFile(const QString &kind, const QString &path)
{
    if (kind == u"<dir>")
        return QDir().mkdir(path);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    if (kind == u"<fifo>")
        return mkfifo(name.constData(), 0600) == 0;
    if (kind == u"<zero>" || kind == u"<urandom>")
        return QFile::link(QStringLiteral("/dev/") + kind.mid(1).chopped(1), path);
    if (kind == u"<socket>") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (name.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::memcpy(address.sun_path, name.constData(), name.size());
        // The file a socket is bound to stays when the socket is closed.
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = socket >= 0 && bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (socket >= 0)
            close(socket);
        return bound;
    }
#endif
    return false;
}

#endif
