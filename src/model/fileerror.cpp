// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

QString FileError::text() const {
    const QString text = action == Action::Open ? u"The file “%1” could not be opened: %2."_s
                                                : u"The file “%1” could not be saved: %2."_s;
    return text.arg(QFileInfo(file).fileName(), message);
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
    if (!QDir().mkpath(folder)) {
        return FileError{path, u"the folder “%1” could not be created"_s.arg(folder),
                         FileError::Action::Save};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return FileError{path, file.errorString(), FileError::Action::Save};
    }
    return std::nullopt;
}

} // namespace tintmere
