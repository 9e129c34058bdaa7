// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyedarchive.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QStringView kArchiverKey = u"$archiver";
constexpr QStringView kArchiverName = u"NSKeyedArchiver";
constexpr QStringView kVersionKey = u"$version";
constexpr int kArchiveVersion = 100000;
constexpr QStringView kTopKey = u"$top";
constexpr QStringView kRootKey = u"root";
constexpr QStringView kObjectsKey = u"$objects";
constexpr QStringView kNullObject = u"$null";
constexpr QStringView kClassKey = u"$class";
constexpr QStringView kClassNameKey = u"$classname";
constexpr QStringView kClassesKey = u"$classes";
constexpr QStringView kObjectsField = u"NS.objects";
constexpr QStringView kKeysField = u"NS.keys";
constexpr QStringView kStringField = u"NS.string";

QVariant uid(quint64 index) {
    return QVariant::fromValue(PlistUid{index});
}

std::optional<PlistUid> uidOf(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<PlistUid>()) {
        return std::nullopt;
    }
    return value.value<PlistUid>();
}

// Assigns each object its place in "$objects" the way the archiver does: an object first,
// then what it contains, then its class.
class Archiver {
public:
    Archiver() { m_objects.append(kNullObject.toString()); }

    QVariantList objects() const { return m_objects; }

    quint64 encode(const QVariant& value) {
        switch (value.typeId()) {
        case QMetaType::QVariantList:
        case QMetaType::QStringList:
            return encodeArray(value.toList());
        case QMetaType::QVariantMap:
            return encodeDictionary(value.toMap());
        case QMetaType::QString:
            return encodeString(value.toString());
        default:
            return append(value);
        }
    }

private:
    quint64 append(const QVariant& value) {
        m_objects.append(value);
        return static_cast<quint64>(m_objects.size() - 1);
    }

    quint64 encodeString(const QString& text) {
        auto it = m_strings.constFind(text);
        if (it == m_strings.cend()) {
            it = m_strings.insert(text, append(text));
        }
        return it.value();
    }

    quint64 encodeArray(const QVariantList& elements) {
        const quint64 self = append(QVariant());
        QVariantList refs;
        for (const QVariant& element : elements) {
            refs.append(uid(encode(element)));
        }
        const QVariantMap record{
            {kObjectsField.toString(), refs},
            {kClassKey.toString(), uid(encodeClass(u"NSMutableArray"_s, u"NSArray"_s))},
        };
        m_objects[static_cast<qsizetype>(self)] = record;
        return self;
    }

    quint64 encodeDictionary(const QVariantMap& map) {
        const quint64 self = append(QVariant());
        QVariantList keyRefs;
        QVariantList valueRefs;
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            keyRefs.append(uid(encodeString(it.key())));
        }
        for (const QVariant& value : map) {
            valueRefs.append(uid(encode(value)));
        }
        const QVariantMap record{
            {kKeysField.toString(), keyRefs},
            {kObjectsField.toString(), valueRefs},
            {kClassKey.toString(), uid(encodeClass(u"NSMutableDictionary"_s, u"NSDictionary"_s))},
        };
        m_objects[static_cast<qsizetype>(self)] = record;
        return self;
    }

    quint64 encodeClass(const QString& className, const QString& superclass) {
        auto it = m_classes.constFind(className);
        if (it == m_classes.cend()) {
            const QVariantMap record{
                {kClassNameKey.toString(), className},
                {kClassesKey.toString(), QStringList{className, superclass, u"NSObject"_s}},
            };
            it = m_classes.insert(className, append(record));
        }
        return it.value();
    }

    QVariantList m_objects;
    QHash<QString, quint64> m_strings;
    QHash<QString, quint64> m_classes;
};

} // namespace

namespace {

QVariantMap archiveWithRootObject(const QVariant& root) {
    Archiver archiver;
    const quint64 rootIndex = archiver.encode(root);
    return {
        {kArchiverKey.toString(), kArchiverName.toString()},
        {kVersionKey.toString(), kArchiveVersion},
        {kTopKey.toString(), QVariantMap{{kRootKey.toString(), uid(rootIndex)}}},
        {kObjectsKey.toString(), archiver.objects()},
    };
}

} // namespace

QByteArray keyedArchiveWithRootObject(const QVariant& root) {
    return binaryPropertyList(archiveWithRootObject(root));
}

Expected<QByteArray> keyedArchiveWithRootObject(const QVariant& root,
                                                const PropertyListLimits& limits) {
    return writePropertyList(archiveWithRootObject(root), PropertyListFormat::Binary, limits);
}

KeyedUnarchiver::KeyedUnarchiver(QVariantList objects, PlistUid root)
    : m_objects(std::move(objects))
    , m_root(root) {
}

Expected<KeyedUnarchiver> KeyedUnarchiver::fromData(QByteArrayView data,
                                                    const PropertyListLimits& limits) {
    const auto refuse = [](const QString& reason) {
        return Expected<KeyedUnarchiver>::failure(reason);
    };
    Expected<QVariant> plist = readPropertyList(data, limits);
    if (!plist) {
        return refuse(plist.error());
    }
    const QVariantMap archive = plist->toMap();
    if (plist->typeId() != QMetaType::QVariantMap ||
        archive.value(kArchiverKey.toString()).toString() != kArchiverName) {
        return refuse(u"the file is not a keyed archive"_s);
    }
    const QVariant objects = archive.value(kObjectsKey.toString());
    const std::optional<PlistUid> root =
        uidOf(archive.value(kTopKey.toString()).toMap().value(kRootKey.toString()));
    if (objects.typeId() != QMetaType::QVariantList || !root) {
        return refuse(u"the file is a damaged keyed archive (it has no root object)"_s);
    }
    KeyedUnarchiver unarchiver(objects.toList(), *root);
    if (!unarchiver.objectAt(*root)) {
        return refuse(u"the file is a damaged keyed archive (its root object does not exist)"_s);
    }
    return unarchiver;
}

const QVariant* KeyedUnarchiver::objectAt(PlistUid object) const {
    // Index 0 is "$null", which stands for no object.
    if (object.index == 0 || object.index >= static_cast<quint64>(m_objects.size())) {
        return nullptr;
    }
    return &m_objects[static_cast<qsizetype>(object.index)];
}

QVariantMap KeyedUnarchiver::recordOf(PlistUid object) const {
    const QVariant* value = objectAt(object);
    return value && value->typeId() == QMetaType::QVariantMap ? value->toMap() : QVariantMap();
}

KeyedUnarchiver::ClassInfo KeyedUnarchiver::readClass(const QVariantMap& record) {
    ClassInfo info;
    const QVariant name = record.value(kClassNameKey.toString());
    if (name.typeId() == QMetaType::QString) {
        info.name = name.toString();
    }
    QVariantList names{name};
    const QVariant classes = record.value(kClassesKey.toString());
    if (classes.typeId() == QMetaType::QVariantList) {
        names += classes.toList();
    }
    for (const QVariant& entry : std::as_const(names)) {
        if (entry.typeId() != QMetaType::QString) {
            continue;
        }
        const QString text = entry.toString();
        info.isArray = info.isArray || text == u"NSArray" || text == u"NSCFArray";
        info.isDictionary =
            info.isDictionary || text == u"NSDictionary" || text == u"NSCFDictionary";
        info.isString = info.isString || text == u"NSString";
    }
    return info;
}

KeyedUnarchiver::ClassInfo KeyedUnarchiver::classOf(PlistUid object) const {
    const std::optional<PlistUid> classRef = uidOf(recordOf(object).value(kClassKey.toString()));
    const QVariant* record = classRef ? objectAt(*classRef) : nullptr;
    if (!record || record->typeId() != QMetaType::QVariantMap) {
        return {};
    }
    auto it = m_classes.constFind(classRef->index);
    if (it == m_classes.cend()) {
        it = m_classes.insert(classRef->index, readClass(record->toMap()));
    }
    return it.value();
}

QString KeyedUnarchiver::className(PlistUid object) const {
    return classOf(object).name;
}

bool KeyedUnarchiver::isArray(PlistUid object) const {
    return classOf(object).isArray;
}

bool KeyedUnarchiver::isDictionary(PlistUid object) const {
    return classOf(object).isDictionary;
}

std::optional<QString> KeyedUnarchiver::stringAt(PlistUid object) const {
    const QVariant* value = objectAt(object);
    if (!value) {
        return std::nullopt;
    }
    if (value->typeId() == QMetaType::QString) {
        return value->toString();
    }
    if (value->typeId() == QMetaType::QVariantMap && classOf(object).isString) {
        const QVariant text = value->toMap().value(kStringField.toString());
        if (text.typeId() == QMetaType::QString) {
            return text.toString();
        }
    }
    return std::nullopt;
}

std::optional<QList<PlistUid>> KeyedUnarchiver::references(const QVariant& list) const {
    if (list.typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    const QVariantList elements = list.toList();
    QList<PlistUid> refs;
    refs.reserve(elements.size());
    for (const QVariant& element : elements) {
        const std::optional<PlistUid> ref = uidOf(element);
        if (!ref || !objectAt(*ref)) {
            return std::nullopt;
        }
        refs.append(*ref);
    }
    return refs;
}

std::optional<QList<PlistUid>> KeyedUnarchiver::arrayAt(PlistUid object) const {
    if (!isArray(object)) {
        return std::nullopt;
    }
    auto it = m_arrays.constFind(object.index);
    if (it == m_arrays.cend()) {
        it = m_arrays.insert(object.index,
                             references(recordOf(object).value(kObjectsField.toString())));
    }
    return it.value();
}

std::optional<KeyedUnarchiver::Dictionary> KeyedUnarchiver::readDictionary(PlistUid object) const {
    const QVariantMap record = recordOf(object);
    const std::optional<QList<PlistUid>> keyRefs = references(record.value(kKeysField.toString()));
    const std::optional<QList<PlistUid>> valueRefs =
        references(record.value(kObjectsField.toString()));
    if (!keyRefs || !valueRefs || keyRefs->size() != valueRefs->size()) {
        return std::nullopt;
    }
    Dictionary dictionary;
    dictionary.entries.reserve(keyRefs->size());
    for (qsizetype i = 0; i < keyRefs->size(); ++i) {
        dictionary.entries.append({keyRefs->at(i), valueRefs->at(i)});
        if (const std::optional<QString> key = stringAt(keyRefs->at(i))) {
            if (!dictionary.byKey.contains(*key)) {
                dictionary.byKey.insert(*key, valueRefs->at(i));
            }
        }
    }
    return dictionary;
}

const KeyedUnarchiver::Dictionary* KeyedUnarchiver::dictionaryOf(PlistUid object) const {
    if (!isDictionary(object)) {
        return nullptr;
    }
    auto it = m_dictionaries.constFind(object.index);
    if (it == m_dictionaries.cend()) {
        it = m_dictionaries.insert(object.index, readDictionary(object));
    }
    return it.value() ? &*it.value() : nullptr;
}

std::optional<QList<std::pair<PlistUid, PlistUid>>>
KeyedUnarchiver::dictionaryAt(PlistUid object) const {
    const Dictionary* dictionary = dictionaryOf(object);
    return dictionary ? std::optional(dictionary->entries) : std::nullopt;
}

std::optional<PlistUid> KeyedUnarchiver::valueForKey(PlistUid dictionary,
                                                     const QString& key) const {
    const Dictionary* entries = dictionaryOf(dictionary);
    if (!entries) {
        return std::nullopt;
    }
    const auto found = entries->byKey.constFind(key);
    return found == entries->byKey.cend() ? std::nullopt : std::optional(found.value());
}

} // namespace tintmere
