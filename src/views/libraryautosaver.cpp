// SPDX-License-Identifier: GPL-3.0-or-later
#include "libraryautosaver.h"

#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace tintmere {

LibraryAutosaver::LibraryAutosaver(FavoritesLibrary* library, const TreeNode* root,
                                   std::chrono::milliseconds delay,
                                   std::chrono::milliseconds longestDelay, QObject* parent)
    : QObject(parent)
    , m_library(library)
    , m_root(root) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, &LibraryAutosaver::saveInBackground);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(longestDelay);
    connect(&m_deadline, &QTimer::timeout, this, &LibraryAutosaver::saveInBackground);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        finishRunning();
        if (std::exchange(m_saveAfterRunning, false))
            saveInBackground();
    });
}

LibraryAutosaver::~LibraryAutosaver() {
    // The worker holds a pointer to the library; it must be done before either goes.
    if (m_running)
        m_running->future.waitForFinished();
}

void LibraryAutosaver::scheduleSave() {
    ++m_generation;
    m_unsaved = true;
    m_fileHoldsTree = false;
    m_timer.start();
    if (!m_deadline.isActive())
        m_deadline.start();
}

void LibraryAutosaver::stopTimers() {
    m_timer.stop();
    m_deadline.stop();
}

void LibraryAutosaver::saveInBackground() {
    stopTimers();
    if (!m_unsaved || !m_library || !m_root)
        return;
    if (m_running) {
        m_saveAfterRunning = true;
        return;
    }
    auto promise = std::make_shared<QPromise<FavoritesLibrary::SaveResult>>();
    m_running = Running{promise->future(), m_generation};
    m_watcher.setFuture(m_running->future);
    promise->start();
    QThreadPool::globalInstance()->start(
        [library = m_library, snapshot = SimpleTreeNode::snapshotOfItems(m_root->children()),
         promise] {
            promise->addResult(library->write(snapshot));
            promise->finish();
        });
}

void LibraryAutosaver::finishRunning() {
    if (!m_running)
        return;
    Running running = *std::exchange(m_running, std::nullopt);
    running.future.waitForFinished();
    finish(running.future.result(), running.generation);
}

void LibraryAutosaver::finish(const FavoritesLibrary::SaveResult& result, quint64 generation) {
    if (result.notice)
        Q_EMIT noticed(*result.notice);
    if (result.problem) {
        m_lastFailure = result.problem;
        if (!std::exchange(m_failureReported, true))
            Q_EMIT saveFailed(result.problem->text());
        return;
    }
    m_lastFailure.reset();
    m_failureReported = false;
    // Changes made while the copy was being written wait for their own save.
    if (generation == m_generation) {
        m_unsaved = false;
        m_fileHoldsTree = true;
        Q_EMIT saved();
    }
}

bool LibraryAutosaver::flush() {
    stopTimers();
    m_saveAfterRunning = false;
    finishRunning();
    if (!m_unsaved)
        return true;
    if (!m_library || !m_root)
        return false;
    finish(m_library->write(SimpleTreeNode::snapshotOfItems(m_root->children())), m_generation);
    return !m_unsaved;
}

} // namespace tintmere
