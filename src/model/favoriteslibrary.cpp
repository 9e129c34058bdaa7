// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoriteslibrary.h"

#include "propertylist.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QStringView kSetAsideSuffix = u".damaged";

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

FileResult<std::optional<QVariant>> FavoritesLibrary::readFile() const {
    using Result = FileResult<std::optional<QVariant>>;
    if (!QFileInfo::exists(m_path)) {
        return Result(std::nullopt);
    }
    FileResult<QByteArray> bytes = readWholeFile(m_path, PropertyListLimits::library().maxBytes);
    if (!bytes) {
        return Result::failure(bytes.error());
    }
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

FileError FavoritesLibrary::setAside(const FileError& problem) {
    const QString base = m_path + kSetAsideSuffix.toString();
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = base + u"-"_s + QString::number(n);
    }
    if (!QFile::rename(m_path, target)) {
        m_keepDamagedFile = true;
        return {m_path, u"%1; it is left as it is, and changes to the favorites are not "
                        u"saved until it is moved away"_s.arg(problem.message)};
    }
    return {m_path, u"%1; it was kept as “%2” and an empty library is used"_s.arg(
                        problem.message, QFileInfo(target).fileName())};
}

FavoritesLibrary::LoadResult FavoritesLibrary::load() {
    LoadResult result;
    FileResult<std::optional<QVariant>> file = readFile();
    if (!file) {
        result.problem = setAside(file.error());
    }
    result.root =
        treeFromContent(file && file->has_value() ? **file : QVariant(emptyLibraryDictionary()));
    return result;
}

std::optional<FileError>
FavoritesLibrary::save(const TreeNode& root, const SimpleTreeNode::ExpandedPredicate& isExpanded) {
    if (m_keepDamagedFile && QFileInfo::exists(m_path)) {
        return FileError{m_path, u"the damaged library file is still in the way"_s,
                         FileError::Action::Save};
    }
    m_keepDamagedFile = false;
    return write(contentOfTree(root, isExpanded));
}

std::optional<FileError> FavoritesLibrary::write(const QVariant& content) const {
    Expected<QByteArray> bytes =
        writePropertyList(content, PropertyListFormat::Xml, PropertyListLimits::library());
    if (!bytes) {
        return FileError{m_path, bytes.error(), FileError::Action::Save,
                         FileError::Kind::BeyondReadLimits};
    }
    return writeFileAtomically(m_path, *bytes);
}

FavoritesLibrary::MigrationResult FavoritesLibrary::migrate(const QVariantList& legacyFavorites) {
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
    if (std::optional<FileError> failed = write(content)) {
        result.problem = failed;
        return result;
    }
    result.written = true;
    return result;
}

} // namespace tintmere
