#include "data/filereplace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The file's data or the folder's entries flushed to disk: 0, or the system's error number.
int flush(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int failure = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return failure;
}

} // namespace

namespace FileReplace {

bool replace(const QString &from, const QString &to, QString *error)
{
    // The new contents on disk before the rename: a power cut leaves the old file or the new one,
    // never an empty one.
    int failure = flush(from);
    if (failure == 0
        && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        failure = errno;
    if (failure == 0) {
        // Done once renamed; the folder flushed as well where the file system allows it.
        flush(QFileInfo(to).absolutePath());
        return true;
    }
    *error = QString::fromLocal8Bit(std::strerror(failure));
    return false;
}

} // namespace FileReplace
