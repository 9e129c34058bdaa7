// SPDX-License-Identifier: GPL-3.0-or-later
#include "valueconversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tintmere {

namespace {

// The leading decimal number of a text, after white space and an optional sign.
double leadingNumber(QStringView text) {
    text = text.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+')) {
        ++end;
    }
    while (end < text.size() && text[end].isDigit()) {
        ++end;
    }
    return text.left(end).toDouble();
}

int clampToInt(double number) {
    if (std::isnan(number)) {
        return 0;
    }
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(number, low, high));
}

} // namespace

int toIntValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return clampToInt(value.toDouble());
    case QMetaType::QString:
        return clampToInt(leadingNumber(value.toString()));
    default:
        return 0;
    }
}

bool toBoolValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble() != 0.0;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) {
            return false;
        }
        const QChar first = text.front().toLower();
        return first == u't' || first == u'y' || (first >= u'1' && first <= u'9');
    }
    default:
        return false;
    }
}

} // namespace tintmere
