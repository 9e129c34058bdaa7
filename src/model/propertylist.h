// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>
#include <QVariant>

namespace tintmere {

// A reference to another object of a keyed archive (a UID of the binary property list).
struct PlistUid {
    quint64 index = 0;
    friend bool operator==(const PlistUid&, const PlistUid&) = default;
};

// Bounds for reading a property list that may come from anywhere: whatever the file says,
// reading it costs no more than these.
struct PropertyListLimits {
    qint64 maxBytes = 64 * 1024 * 1024;
    // Containers inside containers; deeper files are refused before the stack is at risk.
    int maxDepth = 256;
    // Values of the list once every shared reference is followed. A binary list can refer
    // to one object from many places, so a small file could otherwise stand for a huge tree.
    qint64 maxValues = 1'000'000;

    // The bounds of this program's own files, which their writers keep to as well, so that
    // nothing is written that would be refused when it is read back.
    static constexpr PropertyListLimits library() { return {}; }
    // Exchange files are small and shallow: an archive is a dictionary of a list of flat
    // records, whatever it holds.
    static constexpr PropertyListLimits exchangeFiles() { return {16 * 1024 * 1024, 16}; }
};

// Reads a binary or XML property list into variants: dictionaries become QVariantMap,
// arrays and sets QVariantList, strings QString, integers qint64 (quint64 beyond),
// reals double, Booleans bool, dates QDateTime, data QByteArray and UIDs PlistUid.
// A damaged or hostile list gives the reason in words.
Expected<QVariant> readPropertyList(QByteArrayView data, const PropertyListLimits& limits = {});

// Writes the value in the XML or the binary property list format: maps as dictionaries
// (keys sorted), lists as arrays, and the other types readPropertyList gives; int is an
// integer, anything else is written as its text. XML leaves out the characters it cannot
// carry (controls other than tab and line breaks), so that any reader reads it back; the
// binary form stores equal strings once.
QByteArray xmlPropertyList(const QVariant& value);
QByteArray binaryPropertyList(const QVariant& value);

enum class PropertyListFormat { Xml, Binary };
// The value written in the format, or, when readPropertyList would refuse the result with
// these limits (its size, depth or values counted as that format's reader counts them),
// why, in words that complete "could not be saved: ".
Expected<QByteArray> writePropertyList(const QVariant& value, PropertyListFormat format,
                                       const PropertyListLimits& limits);

} // namespace tintmere

Q_DECLARE_METATYPE(tintmere::PlistUid)
