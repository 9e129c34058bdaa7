// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileerror.h"
#include "simpletreenode.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariantList>

#include <memory>
#include <mutex>
#include <optional>

namespace tintmere {

// The favorites library file: the user's whole tree of groups and favorites, written as
// an XML property list { "Group" = "Root", "Entries" = [...] }. Any property-list
// encoding is read, and so is the older form, an array of [name, colour...] arrays.
//
// The file is the user's own, but it is read with the same bounds as any other: a file
// that cannot be read is set aside under a new name, never deleted, and the library
// starts empty; the caller is told.
//
// Only this program writes the file, but a save never overwrites a file that changed since
// it was last read or written here (another copy of the program, a restored backup, a sync
// tool): that version is kept beside it under a new name, and the caller is told.
class FavoritesLibrary {
public:
    explicit FavoritesLibrary(const QString& path = standardPath());

    // ~/.local/share/Tintmere/Favorites.plist
    static QString standardPath();
    QString path() const { return m_path; }

    struct LoadResult {
        std::unique_ptr<SimpleTreeNode> root;
        // Set when the file could not be read; the message says where it was moved.
        std::optional<FileError> problem;
        // The file holds exactly this tree in the current form: no need to write it back.
        bool upToDate = false;
    };
    LoadResult load();

    // Writes the tree atomically; cheap enough to call after every change. Groups are
    // stored as expanded when the predicate says so (by default their expStart). A library
    // beyond what load() reads is not written: the error's kind is BeyondReadLimits.
    std::optional<FileError> save(const TreeNode& root,
                                  const SimpleTreeNode::ExpandedPredicate& isExpanded = {});

    // True when the file is still there, exactly as this library last read or wrote it.
    bool isUnchangedOnDisk();

    struct SaveResult {
        std::optional<FileError> problem; // nothing was written
        std::optional<QString> notice;    // written, and the user should know something
    };
    // Writes content made by contentOfTree, or the tree of a snapshot. Safe to call from a
    // worker thread while the tree is changed on the main thread; writes run one at a time.
    SaveResult write(const QVariantMap& content);
    SaveResult write(const std::vector<SimpleTreeNode::EntrySnapshot>& rootChildren);

    // Adds favorites kept in the settings by older versions ([name, colour...] arrays) to
    // the file: appended to an older-form file or a missing one, and as top-level
    // favorites to a file in the current form.
    struct MigrationResult {
        bool written = false;             // the favorites are in the file now
        std::optional<FileError> problem; // for the user, also when written
    };
    MigrationResult migrate(const QVariantList& legacyFavorites);

    // The content of a library file's bytes, a dictionary or an older-form array, or what
    // is wrong with them.
    static Expected<QVariant> parse(QByteArrayView data);
    // The tree of a library's content in either form.
    static std::unique_ptr<SimpleTreeNode> treeFromContent(const QVariant& content);
    // The content the library file is written with: { "Group" = "Root", "Entries" }.
    static QVariantMap contentOfTree(const TreeNode& root,
                                     const SimpleTreeNode::ExpandedPredicate& isExpanded = {});

private:
    // The file's property list, nothing when there is no file, or what is wrong with it.
    FileResult<std::optional<QVariant>> readFile();
    // The file's bytes for the content, unless they would be more than load() reads.
    FileResult<QByteArray> encode(const QVariant& content) const;
    // Moves a damaged file out of the way and says so.
    FileError setAside(const FileError& problem);
    // A name beside the file that nothing uses yet, ending in the suffix.
    QString freeNameWithSuffix(QStringView suffix) const;

    // What the file looked like when it was last read or written here.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        QByteArray hash;
    };
    void recordStamp(const QByteArray* bytes);
    bool changedSinceStamp() const;

    QString m_path;
    std::mutex m_fileMutex;
    // Unknown until the file was read or written once; nothing is compared until then.
    std::optional<Stamp> m_stamp;
    // A damaged file that could not be moved is not overwritten.
    bool m_keepDamagedFile = false;
};

// The older array form as the current one: { "Group" = "Root", "Entries" = favorites }.
QVariantMap libraryDictionaryFromArray(const QVariantList& array);

} // namespace tintmere
