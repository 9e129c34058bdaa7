// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expected.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tintmere {

// What went wrong with a file, in words the user can be shown.
struct FileError {
    enum class Action { Open, Save };

    // What the caller may act on.
    enum class Kind {
        Other,
        // Refused before anything was written: the file would be more than this program
        // reads back.
        BeyondReadLimits,
    };

    QString file;    // the path
    QString message; // what is wrong, e.g. "the file is truncated"
    Action action = Action::Open;
    Kind kind = Kind::Other;

    // "The file “Spring.tnf” could not be opened: the file is truncated."
    QString text() const;
};

template <typename T>
using FileResult = Expected<T, FileError>;

// The whole file, refused when it is larger than maxBytes: reading stops there whatever size
// the file reports. Anything but a regular file (a folder, a device, a pipe, a socket) is
// refused without being read, and opening never waits.
FileResult<QByteArray> readWholeFile(const QString& path, qint64 maxBytes);
// Why writing bytes into the folder failed, in the user's words ("the disk is full", "the
// disk is read-only", no permission): from the system's error number when it names the
// cause (0 when unknown), else from what the file system says; fallback otherwise.
QString writeFailureCause(int error, const QString& folder, qint64 bytes, const QString& fallback);
// Writes to a temporary file beside the path and replaces the path only when the whole
// file was written. Creates the folder when it is missing.
std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tintmere
