// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryautosaver.h"

#include "favoriteslibrary.h"

namespace tintmere {

LibraryAutosaver::LibraryAutosaver(FavoritesLibrary* library, const TreeNode* root,
                                   std::chrono::milliseconds delay,
                                   std::chrono::milliseconds longestDelay, QObject* parent)
    : QObject(parent)
    , m_library(library)
    , m_root(root) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, &LibraryAutosaver::flush);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(longestDelay);
    connect(&m_deadline, &QTimer::timeout, this, &LibraryAutosaver::flush);
}

void LibraryAutosaver::scheduleSave() {
    m_unsaved = true;
    m_timer.start();
    if (!m_deadline.isActive())
        m_deadline.start();
}

bool LibraryAutosaver::flush() {
    m_timer.stop();
    m_deadline.stop();
    if (!m_unsaved) {
        return true;
    }
    if (!m_library || !m_root) {
        return false;
    }
    if (const std::optional<FileError> problem = m_library->save(*m_root)) {
        if (!m_failureReported) {
            m_failureReported = true;
            Q_EMIT saveFailed(problem->text());
        }
        return false;
    }
    m_unsaved = false;
    m_failureReported = false;
    Q_EMIT saved();
    return true;
}

} // namespace tintmere
