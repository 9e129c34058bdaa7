// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileResult<QByteArray>::failure({path, file.errorString()});
    }
    if (file.size() > maxBytes) {
        return FileResult<QByteArray>::failure({path, u"the file is too large"_s});
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return FileResult<QByteArray>::failure({path, file.errorString()});
    }
    if (bytes.size() > maxBytes) {
        return FileResult<QByteArray>::failure({path, u"the file is too large"_s});
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
