// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlplistreader.h"

#include <QDateTime>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QStringView kUidKey = u"CF$UID";

} // namespace

XmlPlistReader::XmlPlistReader(QByteArrayView data, const PropertyListLimits& limits)
    : m_xml(QByteArray::fromRawData(data.data(), data.size()))
    , m_limits(limits) {
}

bool XmlPlistReader::fail(const QString& reason) {
    if (m_error.isEmpty()) {
        m_error = reason;
    }
    return false;
}

Expected<QVariant> XmlPlistReader::read() {
    QVariant value;
    bool ok = m_xml.readNextStartElement() && m_xml.name() == u"plist" &&
              m_xml.readNextStartElement() && readValue(value, 0);
    if (ok) {
        // Nothing but the end of <plist> may follow the one value.
        ok = !m_xml.readNextStartElement() && !m_xml.hasError();
    }
    if (!ok) {
        if (m_xml.hasError()) {
            // The XML fault explains more than what the structure lacked because of it.
            m_error = u"the file is not a readable property list (%1)"_s.arg(m_xml.errorString());
        }
        fail(u"the file is not a property list"_s);
        return Expected<QVariant>::failure(m_error);
    }
    return value;
}

// Called with the reader on the value's start element; leaves it on its end element.
bool XmlPlistReader::readValue(QVariant& value, int depth) {
    if (depth > m_limits.maxDepth) {
        return fail(u"the file is nested too deeply"_s);
    }
    if (++m_valueCount > m_limits.maxValues) {
        return fail(u"the file holds too many values"_s);
    }
    if (m_xml.name() == u"dict") {
        return readDictionary(value, depth);
    }
    if (m_xml.name() == u"array") {
        return readArray(value, depth);
    }
    return readScalar(value);
}

bool XmlPlistReader::readDictionary(QVariant& value, int depth) {
    QVariantMap map;
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != u"key") {
            return fail(u"the file is damaged (a dictionary entry without a key)"_s);
        }
        const QString key = m_xml.readElementText();
        QVariant entry;
        if (!m_xml.readNextStartElement() || !readValue(entry, depth + 1)) {
            return fail(u"the file is damaged (a dictionary key without a value)"_s);
        }
        map.insert(key, entry);
    }
    if (m_xml.hasError()) {
        return false;
    }
    const QVariant uid = map.value(kUidKey.toString());
    if (map.size() == 1 && uid.isValid()) {
        bool ok = false;
        const quint64 index = uid.toULongLong(&ok);
        if (!ok) {
            return fail(u"the file is damaged (a bad reference)"_s);
        }
        value = QVariant::fromValue(PlistUid{index});
    } else {
        value = map;
    }
    return true;
}

bool XmlPlistReader::readArray(QVariant& value, int depth) {
    QVariantList list;
    while (m_xml.readNextStartElement()) {
        QVariant element;
        if (!readValue(element, depth + 1)) {
            return false;
        }
        list.append(element);
    }
    value = list;
    return !m_xml.hasError();
}

bool XmlPlistReader::readScalar(QVariant& value) {
    const QStringView name = m_xml.name();
    if (name == u"true" || name == u"false") {
        value = name == u"true";
        m_xml.skipCurrentElement();
        return !m_xml.hasError();
    }
    const QString element = name.toString();
    const QString text = m_xml.readElementText();
    if (m_xml.hasError()) {
        return false;
    }
    bool ok = true;
    if (element == u"string") {
        value = text;
    } else if (element == u"integer") {
        const QString digits = text.trimmed();
        const qint64 number = digits.toLongLong(&ok, 0);
        if (ok) {
            value = number;
        } else {
            value = digits.toULongLong(&ok, 0);
        }
    } else if (element == u"real") {
        value = text.trimmed().toDouble(&ok);
    } else if (element == u"date") {
        const QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        ok = date.isValid();
        value = date;
    } else if (element == u"data") {
        value = QByteArray::fromBase64(text.toLatin1());
    } else {
        return fail(u"the file is damaged (an unknown element <%1>)"_s.arg(element));
    }
    if (!ok) {
        return fail(u"the file is damaged (<%1> holds \"%2\")"_s.arg(element, text.left(40)));
    }
    return true;
}

} // namespace tintmere
