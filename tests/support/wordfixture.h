#ifndef TANGLEWICK_TESTS_WORDFIXTURE_H
#define TANGLEWICK_TESTS_WORDFIXTURE_H

// A program directory with word files written by the test.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

class WordDirectory
{
public:
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.path() + QDir::separator() + name; }

    void write(const QString &name, const QByteArray &content) const
    {
        QFile file(filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write a test word file");
        file.write(content);
    }

    void writeWords(int length, const QStringList &words) const
    {
        write(QStringLiteral("Words%1.Txt").arg(length), (words.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    }

    void remove(const QString &name) const { QFile::remove(filePath(name)); }

private:
    QTemporaryDir m_dir;
};

#endif
