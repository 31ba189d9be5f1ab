// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regularfile.h"

#include "failure.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Failure::failed;

QString notRegular()
{
    return QCoreApplication::translate("MainWindow", "it is not a regular file");
}

QString tooLarge(qint64 bound)
{
    return QCoreApplication::translate("MainWindow", "it is larger than %1 MiB")
        .arg(bound / (1024 * 1024));
}

} // namespace

bool RegularFile::read(const QString &path, qint64 bound, QByteArray *bytes, QString *reason,
                       bool *absent)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat s = {};
    if (::lstat(name.constData(), &s) != 0) {
        if (absent)
            *absent = errno == ENOENT;
        return failed(qt_error_string(errno), reason);
    }
    if (!S_ISREG(s.st_mode))
        return failed(notRegular(), reason);
    if (s.st_size > bound)
        return failed(tooLarge(bound), reason);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(errno == ELOOP ? notRegular() : qt_error_string(errno), reason);
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        ::close(fd);
        return failed(notRegular(), reason);
    }
    // The file may have grown since: never more than the bound is read.
    bytes->resize(int(qMin<qint64>(s.st_size, bound)) + 1);
    qint64 size = 0;
    reason->clear();
    for (;;) {
        if (size == bytes->size()) {
            if (size > bound) {
                *reason = tooLarge(bound);
                break;
            }
            bytes->resize(int(qMin<qint64>(size * 2, bound + 1)));
        }
        const ssize_t n = ::read(fd, bytes->data() + size, size_t(bytes->size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n < 0)
                *reason = qt_error_string(errno);
            break;
        }
        size += n;
    }
    ::close(fd);
    bytes->resize(reason->isEmpty() ? int(size) : 0);
    return reason->isEmpty();
}
