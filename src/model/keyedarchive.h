// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertylist.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

namespace tintmere {

// Writes an object graph in the keyed-archiver format: a binary property list
// { "$archiver" = "NSKeyedArchiver", "$version" = 100000, "$top" = { "root" = UID },
//   "$objects" = [ "$null", objects... ] }, where arrays are recorded as NSMutableArray
// ({ "NS.objects", "$class" }) and dictionaries as NSMutableDictionary ({ "NS.keys",
// "NS.objects", "$class" }). Strings and numbers are stored as they are; equal strings are
// stored once.
QByteArray keyedArchiveWithRootObject(const QVariant& root);
// The same, refused with the reason when the archive would be beyond the limits of its reader.
Expected<QByteArray> keyedArchiveWithRootObject(const QVariant& root,
                                                const PropertyListLimits& limits);

// Reads a keyed archive object by object. Nothing is followed on its own: callers walk
// from the root along the shape they expect, so cycles cost nothing, and every reference is
// checked before it is used. Each object's class, elements and keys are worked out once, on
// first use, so an object that many others share (one dictionary named by every favorite) is
// not read again for each of them: the work of any walk is bounded by the size of the file
// plus the number of lookups. Not for use from two threads at once.
class KeyedUnarchiver {
public:
    // Refuses data that is not a keyed archive; the reason in words.
    static Expected<KeyedUnarchiver> fromData(QByteArrayView data,
                                              const PropertyListLimits& limits = {});

    PlistUid root() const { return m_root; }

    // The class name recorded for the object ("NSMutableArray"); empty for a plain value.
    QString className(PlistUid object) const;
    // Whether the object's class is an array or a dictionary class.
    bool isArray(PlistUid object) const;
    bool isDictionary(PlistUid object) const;

    // A string stored plainly or as an archived string object; nothing for anything else.
    std::optional<QString> stringAt(PlistUid object) const;
    // The elements of an archived array; nothing when the object is not one or a reference
    // does not exist.
    std::optional<QList<PlistUid>> arrayAt(PlistUid object) const;
    // The key and value references of an archived dictionary, in archive order.
    std::optional<QList<std::pair<PlistUid, PlistUid>>> dictionaryAt(PlistUid object) const;
    // The value under a string key of an archived dictionary (the first, if it repeats).
    std::optional<PlistUid> valueForKey(PlistUid dictionary, const QString& key) const;

private:
    // What a class record says about the objects of its class.
    struct ClassInfo {
        QString name;
        bool isArray = false;
        bool isDictionary = false;
        bool isString = false;
    };
    struct Dictionary {
        QList<std::pair<PlistUid, PlistUid>> entries;
        QHash<QString, PlistUid> byKey;
    };

    explicit KeyedUnarchiver(QVariantList objects, PlistUid root);

    const QVariant* objectAt(PlistUid object) const;
    // The object's own record: the dictionary that holds "$class" and its fields.
    QVariantMap recordOf(PlistUid object) const;
    ClassInfo classOf(PlistUid object) const;
    static ClassInfo readClass(const QVariantMap& record);
    std::optional<QList<PlistUid>> references(const QVariant& list) const;
    std::optional<Dictionary> readDictionary(PlistUid object) const;
    // Valid until the next lookup of another dictionary.
    const Dictionary* dictionaryOf(PlistUid object) const;

    QVariantList m_objects;
    PlistUid m_root;
    // Filled on first use; keyed by object index.
    mutable QHash<quint64, ClassInfo> m_classes;
    mutable QHash<quint64, std::optional<QList<PlistUid>>> m_arrays;
    mutable QHash<quint64, std::optional<Dictionary>> m_dictionaries;
};

} // namespace tintmere
