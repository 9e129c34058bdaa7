// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace tintmere {

class FavoritesLibrary;
class TreeNode;

// Writes the favorites library shortly after every change, so a crash or a killed session
// loses at most the last moments. Changes in quick succession make one save, but a steady
// stream of them cannot put the save off beyond the longest delay. A save that
// fails is reported once and tried again on the next change or flush; the tree itself stays
// in memory either way.
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

    void setRoot(const TreeNode* root) { m_root = root; }

    // True while changes wait to be written, including after a failed save.
    bool hasUnsavedChanges() const { return m_unsaved; }

public Q_SLOTS:
    // Starts the delay again; the save follows once changes stop for that long, or when
    // the longest delay since the first unsaved change has passed.
    void scheduleSave();
    // Writes what is unsaved at once, as at quit. Answers whether the file holds the tree.
    bool flush();

Q_SIGNALS:
    // The first failure after a success; text is for the user.
    void saveFailed(const QString& text);
    void saved();

private:
    FavoritesLibrary* m_library;
    const TreeNode* m_root;
    QTimer m_timer;
    QTimer m_deadline;
    bool m_unsaved = false;
    bool m_failureReported = false;
};

} // namespace tintmere
