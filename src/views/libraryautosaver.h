// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favoriteslibrary.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace tintmere {

class TreeNode;

// Writes the favorites library shortly after every change, so a crash or a killed session
// loses at most the last moments. Changes in quick succession make one save, but a steady
// stream of them cannot put the save off beyond the longest delay. A save that
// fails is reported once and tried again on the next change or flush; the tree itself stays
// in memory either way.
//
// The tree is copied on the main thread and written on a worker thread, so a large library
// never freezes the window. One write runs at a time and each takes a newer copy than the
// last, so an older state never lands over a newer one.
class LibraryAutosaver : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kDefaultDelay{500};
    static constexpr std::chrono::milliseconds kDefaultLongestDelay{2000};

    // Neither the library nor the tree is owned; both must outlive the saver. The save
    // follows once changes pause for delay, and at most longestDelay after the first
    // unsaved change.
    LibraryAutosaver(FavoritesLibrary* library, const TreeNode* root,
                     std::chrono::milliseconds delay = kDefaultDelay,
                     std::chrono::milliseconds longestDelay = kDefaultLongestDelay,
                     QObject* parent = nullptr);
    ~LibraryAutosaver() override;

    void setRoot(const TreeNode* root) { m_root = root; }

    // True while changes wait to be written, including after a failed save.
    bool hasUnsavedChanges() const { return m_unsaved; }
    // True when the file is known to hold the tree as it is now.
    bool fileHoldsTree() const { return m_fileHoldsTree; }
    // Says that the file holds the tree, as after loading a library in the current form.
    void setFileHoldsTree() { m_fileHoldsTree = !m_unsaved; }
    // True while a write runs on the worker thread.
    bool isSaving() const { return m_running.has_value(); }
    // Why the last save failed; nothing after a success.
    const std::optional<FileError>& lastFailure() const { return m_lastFailure; }

public Q_SLOTS:
    // Starts the delay again; the save follows once changes stop for that long, or when
    // the longest delay since the first unsaved change has passed.
    void scheduleSave();
    // Waits for a running write, then writes what is still unsaved at once on this thread,
    // as at quit. Answers whether the file holds the tree.
    bool flush();
    // Starts writing what is unsaved on the worker thread, after a running write.
    void saveInBackground();

Q_SIGNALS:
    // The first failure after a success; text is for the user.
    void saveFailed(const QString& text);
    void saved();
    // A save went through but the user should know something, e.g. that a version changed
    // by another program was kept aside.
    void noticed(const QString& text);

private:
    struct Running {
        QFuture<FavoritesLibrary::SaveResult> future;
        quint64 generation = 0;
    };
    // Takes the running write's result once, whether it is waited for or signalled.
    void finishRunning();
    void finish(const FavoritesLibrary::SaveResult& result, quint64 generation);
    void stopTimers();

    FavoritesLibrary* m_library;
    const TreeNode* m_root;
    QTimer m_timer;
    QTimer m_deadline;
    QFutureWatcher<FavoritesLibrary::SaveResult> m_watcher;
    std::optional<Running> m_running;
    // Counts changes, so a finished write knows whether it holds the latest of them.
    quint64 m_generation = 0;
    bool m_saveAfterRunning = false;
    bool m_unsaved = false;
    bool m_fileHoldsTree = false;
    bool m_failureReported = false;
    std::optional<FileError> m_lastFailure;
};

} // namespace tintmere
