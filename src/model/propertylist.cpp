// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertylist.h"

#include "binaryplistreader.h"
#include "xmlplistreader.h"

#include <QDateTime>

#include <memory>
#include <plist/plist.h>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr qint64 kPlistEpochOffset = 978307200;

plist_t toPlist(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QVariantMap: {
        plist_t dict = plist_new_dict();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            plist_dict_set_item(dict, it.key().toUtf8().constData(), toPlist(it.value()));
        }
        return dict;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QVariant& element : value.toList()) {
            plist_array_append_item(array, toPlist(element));
        }
        return array;
    }
    case QMetaType::Bool:
        return plist_new_bool(value.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return plist_new_uint(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::QDateTime: {
        const qint64 ms = value.toDateTime().toMSecsSinceEpoch() - kPlistEpochOffset * 1000;
        const qint64 seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
        return plist_new_date(static_cast<int32_t>(seconds),
                              static_cast<int32_t>((ms - seconds * 1000) * 1000));
    }
    default:
        if (value.metaType() == QMetaType::fromType<PlistUid>()) {
            return plist_new_uid(value.value<PlistUid>().index);
        }
        return plist_new_string(value.toString().toUtf8().constData());
    }
}

} // namespace

Expected<QVariant> readPropertyList(QByteArrayView data, const PropertyListLimits& limits) {
    if (data.size() > limits.maxBytes) {
        return Expected<QVariant>::failure(u"the file is too large"_s);
    }
    if (data.isEmpty()) {
        return Expected<QVariant>::failure(u"the file is empty"_s);
    }
    if (BinaryPlistReader::looksLikeBinary(data)) {
        return BinaryPlistReader(data, limits).read();
    }
    return XmlPlistReader(data, limits).read();
}

QByteArray xmlPropertyList(const QVariant& value) {
    const PlistPtr root(toPlist(value));
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    QByteArray bytes(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return bytes;
}

QByteArray binaryPropertyList(const QVariant& value) {
    const PlistPtr root(toPlist(value));
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bin, &length);
    QByteArray bytes(bin, static_cast<qsizetype>(length));
    plist_to_bin_free(bin);
    return bytes;
}

} // namespace tintmere
