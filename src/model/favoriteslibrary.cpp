// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoriteslibrary.h"

#include "propertylist.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QStringView kSetAsideSuffix = u".damaged";
constexpr QStringView kChangedElsewhereSuffix = u".changed-elsewhere";

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QVariantMap emptyLibraryDictionary() {
    return {{entrykeys::Group, kRootGroupName}, {entrykeys::Entries, QVariantList()}};
}

// [name, colour...] as a favorite entry; nothing for an element of another shape.
std::optional<QVariantMap> favoriteFromLegacyElement(const QVariant& element) {
    if (element.typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    const QVariantList parts = element.toList();
    if (parts.isEmpty()) {
        return std::nullopt;
    }
    return QVariantMap{{entrykeys::Name, parts.first()}, {entrykeys::Colors, parts.mid(1)}};
}

} // namespace

QVariantMap libraryDictionaryFromArray(const QVariantList& array) {
    QVariantList entries;
    for (const QVariant& element : array) {
        if (const std::optional<QVariantMap> favorite = favoriteFromLegacyElement(element)) {
            entries.append(*favorite);
        }
    }
    QVariantMap library = emptyLibraryDictionary();
    library.insert(entrykeys::Entries, entries);
    return library;
}

FavoritesLibrary::FavoritesLibrary(const QString& path)
    : m_path(path) {
}

QString FavoritesLibrary::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/Tintmere/Favorites.plist"_s;
}

FileResult<std::optional<QVariant>> FavoritesLibrary::readFile() {
    using Result = FileResult<std::optional<QVariant>>;
    if (!QFileInfo::exists(m_path)) {
        recordStamp(nullptr);
        return Result(std::nullopt);
    }
    FileResult<QByteArray> bytes = readWholeFile(m_path, PropertyListLimits::library().maxBytes);
    if (!bytes) {
        return Result::failure(bytes.error());
    }
    recordStamp(&*bytes);
    Expected<QVariant> content = parse(*bytes);
    if (!content) {
        return Result::failure({m_path, content.error()});
    }
    return Result(std::optional<QVariant>(std::move(content).value()));
}

Expected<QVariant> FavoritesLibrary::parse(QByteArrayView data) {
    Expected<QVariant> plist = readPropertyList(data, PropertyListLimits::library());
    const int type = plist ? plist->typeId() : QMetaType::UnknownType;
    if (plist && type != QMetaType::QVariantList && type != QMetaType::QVariantMap) {
        return Expected<QVariant>::failure(u"it holds no favorites"_s);
    }
    return plist;
}

std::unique_ptr<SimpleTreeNode> FavoritesLibrary::treeFromContent(const QVariant& content) {
    return SimpleTreeNode::treeFromDictionary(content.typeId() == QMetaType::QVariantList
                                                  ? libraryDictionaryFromArray(content.toList())
                                                  : content.toMap());
}

QVariantMap FavoritesLibrary::contentOfTree(const TreeNode& root,
                                            const SimpleTreeNode::ExpandedPredicate& isExpanded) {
    QVariantMap content = emptyLibraryDictionary();
    content.insert(entrykeys::Entries, SimpleTreeNode::arrayFromItems(root.children(), isExpanded));
    return content;
}

QString FavoritesLibrary::freeNameWithSuffix(QStringView suffix) const {
    const QString base = m_path + suffix.toString();
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = base + u"-"_s + QString::number(n);
    }
    return target;
}

void FavoritesLibrary::recordStamp(const QByteArray* bytes) {
    const QFileInfo info(m_path);
    Stamp stamp;
    stamp.exists = info.exists();
    if (stamp.exists && bytes) {
        stamp.size = bytes->size();
        stamp.modified = info.lastModified();
        stamp.hash = hashOf(*bytes);
    }
    m_stamp = stamp;
}

bool FavoritesLibrary::changedSinceStamp() const {
    if (!m_stamp) {
        return false;
    }
    const QFileInfo info(m_path);
    if (!info.exists()) {
        return false; // removed: nothing there to keep
    }
    if (!m_stamp->exists) {
        return true;
    }
    if (info.size() == m_stamp->size && info.lastModified() == m_stamp->modified) {
        return false;
    }
    // Touched is not changed: only other content counts.
    const FileResult<QByteArray> bytes = readWholeFile(m_path, PropertyListLimits().maxBytes);
    return !bytes || hashOf(*bytes) != m_stamp->hash;
}

FileError FavoritesLibrary::setAside(const FileError& problem) {
    const QString target = freeNameWithSuffix(kSetAsideSuffix);
    if (!QFile::rename(m_path, target)) {
        m_keepDamagedFile = true;
        return {m_path, u"%1; it is left as it is, and changes to the favorites are not "
                        u"saved until it is moved away"_s.arg(problem.message)};
    }
    return {m_path, u"%1; it was kept as “%2” and an empty library is used"_s.arg(
                        problem.message, QFileInfo(target).fileName())};
}

FavoritesLibrary::LoadResult FavoritesLibrary::load() {
    const std::lock_guard lock(m_fileMutex);
    LoadResult result;
    FileResult<std::optional<QVariant>> file = readFile();
    if (!file) {
        result.problem = setAside(file.error());
        recordStamp(nullptr);
    }
    const bool found = file && file->has_value();
    result.upToDate = found && (**file).typeId() == QMetaType::QVariantMap;
    result.root = treeFromContent(found ? **file : QVariant(emptyLibraryDictionary()));
    return result;
}

std::optional<FileError>
FavoritesLibrary::save(const TreeNode& root, const SimpleTreeNode::ExpandedPredicate& isExpanded) {
    return write(contentOfTree(root, isExpanded)).problem;
}

bool FavoritesLibrary::isUnchangedOnDisk() {
    const std::lock_guard lock(m_fileMutex);
    return m_stamp && m_stamp->exists && QFileInfo::exists(m_path) && !changedSinceStamp();
}

FavoritesLibrary::SaveResult
FavoritesLibrary::write(const std::vector<SimpleTreeNode::EntrySnapshot>& rootChildren) {
    QVariantMap content = emptyLibraryDictionary();
    content.insert(entrykeys::Entries, SimpleTreeNode::arrayFromSnapshot(rootChildren));
    return write(content);
}

FileResult<QByteArray> FavoritesLibrary::encode(const QVariant& content) const {
    Expected<QByteArray> bytes =
        writePropertyList(content, PropertyListFormat::Xml, PropertyListLimits::library());
    if (!bytes) {
        return FileResult<QByteArray>::failure(FileError{
            m_path, bytes.error(), FileError::Action::Save, FileError::Kind::BeyondReadLimits});
    }
    return std::move(*bytes);
}

FavoritesLibrary::SaveResult FavoritesLibrary::write(const QVariantMap& content) {
    SaveResult result;
    const FileResult<QByteArray> encoded = encode(content);
    if (!encoded) {
        result.problem = encoded.error();
        return result;
    }
    const QByteArray& bytes = *encoded;
    const std::lock_guard lock(m_fileMutex);
    if (m_keepDamagedFile && QFileInfo::exists(m_path)) {
        result.problem = FileError{m_path, u"the damaged library file is still in the way"_s,
                                   FileError::Action::Save};
        return result;
    }
    m_keepDamagedFile = false;
    if (changedSinceStamp()) {
        // Another writer's favorites are kept whole beside ours; nothing is merged blindly.
        const QString kept = freeNameWithSuffix(kChangedElsewhereSuffix);
        if (!QFile::rename(m_path, kept)) {
            result.problem =
                FileError{m_path,
                          u"it was changed by another program and could not be moved out of "
                          u"the way, so it is left as it is"_s,
                          FileError::Action::Save};
            return result;
        }
        result.notice = u"The favorites library “%1” was changed by another program. That "
                        u"version was kept as “%2”, and the favorites shown here were saved."_s.arg(
                            QFileInfo(m_path).fileName(), QFileInfo(kept).fileName());
    }
    result.problem = writeFileAtomically(m_path, bytes);
    if (!result.problem) {
        recordStamp(&bytes);
    }
    return result;
}

FavoritesLibrary::MigrationResult FavoritesLibrary::migrate(const QVariantList& legacyFavorites) {
    const std::lock_guard lock(m_fileMutex);
    MigrationResult result;
    QVariant existing = QVariantList();
    FileResult<std::optional<QVariant>> file = readFile();
    if (!file) {
        result.problem = setAside(file.error());
        if (m_keepDamagedFile) {
            return result;
        }
    } else if (file->has_value()) {
        existing = **file;
    }
    QVariant content;
    if (existing.typeId() == QMetaType::QVariantList) {
        content = existing.toList() + legacyFavorites;
    } else {
        // A library in the current form: the old favorites join its top level.
        QVariantMap library = existing.toMap();
        QVariantList entries = library.value(entrykeys::Entries).toList();
        entries.append(
            libraryDictionaryFromArray(legacyFavorites).value(entrykeys::Entries).toList());
        library.insert(entrykeys::Entries, entries);
        content = library;
    }
    const FileResult<QByteArray> bytes = encode(content);
    if (!bytes) {
        result.problem = bytes.error();
        return result;
    }
    if (std::optional<FileError> failed = writeFileAtomically(m_path, *bytes)) {
        result.problem = failed;
        return result;
    }
    recordStamp(&*bytes);
    result.written = true;
    return result;
}

} // namespace tintmere
