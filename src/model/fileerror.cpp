// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr qint64 kReadChunk = 64 * 1024;
constexpr QStringView kTooLarge = u"the file is too large";

// Why a path of this type cannot be read as a file; nothing for a regular file.
std::optional<QString> notAFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return u"it is a folder, not a file"_s;
    }
    if (S_ISFIFO(mode)) {
        return u"it is a pipe, not a file"_s;
    }
    if (S_ISSOCK(mode)) {
        return u"it is a socket, not a file"_s;
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return u"it is a device, not a file"_s;
    }
    return u"it is not a file"_s;
}

} // namespace

QString FileError::text() const {
    const QFileInfo info(file);
    if (action == Action::Save) {
        // Where it was going matters: the user has to free space or fix that folder.
        return u"The file “%1” could not be saved in the folder “%2”: %3."_s.arg(
            info.fileName(), QDir::toNativeSeparators(info.absolutePath()), message);
    }
    return u"The file “%1” could not be opened: %2."_s.arg(info.fileName(), message);
}

// A full disk often surfaces late, at the final flush, where Qt only knows "Unknown error";
// the file system is asked then.
QString writeFailureCause(int error, const QString& folder, qint64 bytes, const QString& fallback) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return u"there is not enough free space on the disk"_s;
    case EROFS:
        return u"the disk is read-only"_s;
    case EACCES:
    case EPERM:
        return u"you do not have permission to write in that folder"_s;
    default:
        break;
    }
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return u"the disk is read-only"_s;
    if (!QFileInfo(folder).isWritable())
        return u"you do not have permission to write in that folder"_s;
    // Room for the new file beside the old one, with some slack for the file system.
    if (storage.isValid() && storage.bytesAvailable() < bytes + 64 * 1024)
        return u"there is not enough free space on the disk"_s;
    return fallback;
}

FileResult<QByteArray> readWholeFile(const QString& path, qint64 maxBytes) {
    using Result = FileResult<QByteArray>;
    const auto refuse = [&path](const QString& message) {
        return Result::failure({path, message});
    };
    const QByteArray name = QFile::encodeName(path);
    // Look before opening: opening a device or a pipe can wait for ever or do something.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return refuse(qt_error_string(errno));
    }
    if (const std::optional<QString> why = notAFile(info.st_mode)) {
        return refuse(*why);
    }
    // Without blocking, in case the path has become a pipe since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return refuse(qt_error_string(errno));
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &info) != 0) {
        return refuse(qt_error_string(errno));
    }
    if (const std::optional<QString> why = notAFile(info.st_mode)) {
        return refuse(*why);
    }
    if (info.st_size > maxBytes) {
        return refuse(kTooLarge.toString());
    }
    // The reported size is only a hint (files of /proc report none): reading stops one byte
    // past the limit, whatever it says.
    const qint64 readLimit = maxBytes + 1;
    QByteArray bytes;
    for (;;) {
        const qsizetype before = bytes.size();
        const qint64 hint = std::max<qint64>(kReadChunk, qint64(info.st_size) - before + 1);
        const qint64 want = std::min(hint, readLimit - before);
        if (want <= 0) {
            break;
        }
        bytes.resize(before + static_cast<qsizetype>(want));
        const ssize_t got = ::read(fd, bytes.data() + before, static_cast<size_t>(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(before);
            continue;
        }
        if (got < 0) {
            return refuse(qt_error_string(errno));
        }
        bytes.resize(before + got);
        if (got == 0) {
            break;
        }
    }
    if (bytes.size() > maxBytes) {
        return refuse(kTooLarge.toString());
    }
    return bytes;
}

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        const int error = errno;
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir()) {
            return FileError{path, u"a file of the same name is in the way of the folder"_s,
                             FileError::Action::Save};
        }
        QString existing = info.absolutePath();
        while (!QFileInfo(existing).isDir() && existing != QDir::rootPath()) {
            existing = QFileInfo(existing).absolutePath();
        }
        return FileError{
            path, writeFailureCause(error, existing, 0, u"the folder could not be created"_s),
            FileError::Action::Save};
    }
    QSaveFile file(path);
    errno = 0;
    // Unbuffered: QSaveFile only notices a failed write in write() itself. A buffered write
    // that fails at the final flush (a full disk) would still replace the old file with a
    // truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        const int error = errno;
        return FileError{path, writeFailureCause(error, folder, bytes.size(), file.errorString()),
                         FileError::Action::Save};
    }
    return std::nullopt;
}

} // namespace tintmere
