// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlplistreader.h"

#include <QDateTime>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QStringView kUidKey = u"CF$UID";
// "&" to ";" of the longest reference understood, "&#x10FFFF;" or "&#1114111;", with room.
constexpr qsizetype kMaxReference = 13;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameEnd(char c) {
    return isSpace(c) || c == '/' || c == '>';
}

// A character reference or a predefined entity, without "&" and ";".
bool appendReference(QByteArrayView name, QString& text) {
    if (name == "amp") {
        text += u'&';
    } else if (name == "lt") {
        text += u'<';
    } else if (name == "gt") {
        text += u'>';
    } else if (name == "quot") {
        text += u'"';
    } else if (name == "apos") {
        text += u'\'';
    } else if (name.startsWith('#')) {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        bool ok = false;
        const uint code = name.sliced(hex ? 2 : 1).toByteArray().toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        const char32_t character = code;
        text += QString::fromUcs4(&character, 1);
    } else {
        return false;
    }
    return true;
}

} // namespace

XmlPlistReader::XmlPlistReader(QByteArrayView data, const PropertyListLimits& limits)
    : m_data(data)
    , m_limits(limits) {
    if (m_data.startsWith("\xEF\xBB\xBF")) {
        m_pos = 3;
    }
}

bool XmlPlistReader::fail(const QString& reason) {
    if (m_error.isEmpty()) {
        m_error = reason;
    }
    return false;
}

bool XmlPlistReader::startsWith(QByteArrayView text) const {
    return m_data.sliced(m_pos).startsWith(text);
}

void XmlPlistReader::skipSpace() {
    while (!atEnd() && isSpace(m_data[m_pos])) {
        ++m_pos;
    }
}

bool XmlPlistReader::skip(QByteArrayView terminator) {
    const qsizetype found = m_data.indexOf(terminator, m_pos);
    if (found < 0) {
        return fail(u"the file is truncated"_s);
    }
    m_pos = found + terminator.size();
    return true;
}

// Skips white space, comments, processing instructions and the document type, stopping
// before the next element or the end.
bool XmlPlistReader::skipMarkup() {
    for (;;) {
        skipSpace();
        if (startsWith("<!--")) {
            if (!skip("-->")) {
                return false;
            }
        } else if (startsWith("<?")) {
            if (!skip("?>")) {
                return false;
            }
        } else if (startsWith("<!DOCTYPE")) {
            if (!m_inProlog) {
                return fail(u"the file declares a document type after the first element"_s);
            }
            if (m_sawDocType) {
                return fail(u"the file declares its document type more than once"_s);
            }
            m_sawDocType = true;
            const qsizetype begin = m_pos;
            if (!skip(">")) {
                return false;
            }
            if (m_data.sliced(begin, m_pos - begin).contains('[')) {
                return fail(u"the file declares its own entities"_s);
            }
        } else {
            return true;
        }
    }
}

bool XmlPlistReader::readTag(Tag& tag) {
    if (!skipMarkup()) {
        return false;
    }
    if (atEnd() || m_data[m_pos] != '<') {
        return fail(atEnd() ? u"the file is truncated"_s
                            : u"the file is not a property list (text outside an element)"_s);
    }
    ++m_pos;
    tag.closing = !atEnd() && m_data[m_pos] == '/';
    if (tag.closing) {
        ++m_pos;
    }
    const qsizetype start = m_pos;
    while (!atEnd() && !isNameEnd(m_data[m_pos])) {
        ++m_pos;
    }
    tag.name = m_data.sliced(start, m_pos - start);
    m_inProlog = false;
    // Attributes carry nothing a property list needs; quoted values may hold '>'.
    char quote = 0;
    while (!atEnd() && (quote || m_data[m_pos] != '>')) {
        const char c = m_data[m_pos];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        }
        ++m_pos;
    }
    if (atEnd()) {
        return fail(u"the file is truncated"_s);
    }
    tag.selfClosing = m_data[m_pos - 1] == '/' && !tag.closing;
    ++m_pos;
    if (tag.name.isEmpty()) {
        return fail(u"the file is not a property list (an element without a name)"_s);
    }
    return true;
}

bool XmlPlistReader::expectClosing(QByteArrayView name) {
    Tag tag;
    if (!readTag(tag)) {
        return false;
    }
    if (!tag.closing || tag.name != name) {
        return fail(u"the file is damaged (<%1> is not closed)"_s.arg(QString::fromUtf8(name)));
    }
    return true;
}

Expected<QVariant> XmlPlistReader::read() {
    Tag plist;
    Tag first;
    QVariant value;
    const bool ok = readTag(plist) && plist.name == "plist" && !plist.closing &&
                    !plist.selfClosing && readTag(first) && !first.closing &&
                    readValue(first, value, 0) && expectClosing("plist") && skipMarkup() && atEnd();
    if (!ok) {
        fail(u"the file is not a property list"_s);
        return Expected<QVariant>::failure(m_error);
    }
    return value;
}

bool XmlPlistReader::readValue(const Tag& tag, QVariant& value, int depth) {
    if (depth > m_limits.maxDepth) {
        return fail(u"the file is nested too deeply"_s);
    }
    if (++m_valueCount > m_limits.maxValues) {
        return fail(u"the file holds too many values"_s);
    }
    const QByteArrayView name = tag.name;
    if (name == "true" || name == "false") {
        value = name == "true";
        return tag.selfClosing || expectClosing(name);
    }
    if (name == "dict") {
        if (tag.selfClosing) {
            value = QVariantMap();
            return true;
        }
        return readDictionary(value, depth);
    }
    if (name == "array") {
        if (tag.selfClosing) {
            value = QVariantList();
            return true;
        }
        return readArray(value, depth);
    }
    QString text;
    if (!readText(tag, text)) {
        return false;
    }
    bool ok = true;
    if (name == "string") {
        value = text;
    } else if (name == "integer") {
        // Decimal, or hexadecimal after "0x"; a leading zero does not make it octal.
        const QString digits = text.trimmed();
        const bool hex = digits.startsWith(u"0x"_s, Qt::CaseInsensitive) ||
                         digits.startsWith(u"-0x"_s, Qt::CaseInsensitive);
        const int base = hex ? 16 : 10;
        QString bare = digits;
        bare.remove(digits.startsWith(u'-') ? 1 : 0, hex ? 2 : 0);
        const qint64 number = bare.toLongLong(&ok, base);
        value = ok ? QVariant(number) : QVariant(bare.toULongLong(&ok, base));
    } else if (name == "real") {
        value = text.trimmed().toDouble(&ok);
    } else if (name == "date") {
        const QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        ok = date.isValid();
        value = date;
    } else if (name == "data") {
        value = QByteArray::fromBase64(text.toLatin1());
    } else {
        return fail(
            u"the file is damaged (an unknown element <%1>)"_s.arg(QString::fromUtf8(name)));
    }
    if (!ok) {
        return fail(u"the file is damaged (<%1> holds \"%2\")"_s.arg(QString::fromUtf8(name),
                                                                     text.left(40)));
    }
    return true;
}

bool XmlPlistReader::readDictionary(QVariant& value, int depth) {
    QVariantMap map;
    for (;;) {
        Tag tag;
        if (!readTag(tag)) {
            return false;
        }
        if (tag.closing) {
            if (tag.name != "dict") {
                return fail(u"the file is damaged (<dict> is not closed)"_s);
            }
            break;
        }
        if (tag.name != "key") {
            return fail(u"the file is damaged (a dictionary entry without a key)"_s);
        }
        QString key;
        Tag valueTag;
        QVariant entry;
        if (!readKey(tag, key) || !readTag(valueTag)) {
            return false;
        }
        if (valueTag.closing) {
            return fail(u"the file is damaged (a dictionary key without a value)"_s);
        }
        if (!readValue(valueTag, entry, depth + 1)) {
            return false;
        }
        map.insert(key, entry);
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
    for (;;) {
        Tag tag;
        if (!readTag(tag)) {
            return false;
        }
        if (tag.closing) {
            if (tag.name != "array") {
                return fail(u"the file is damaged (<array> is not closed)"_s);
            }
            break;
        }
        QVariant element;
        if (!readValue(tag, element, depth + 1)) {
            return false;
        }
        list.append(element);
    }
    value = list;
    return true;
}

// Keys repeat in every entry: a plain one is decoded once and shared after that.
bool XmlPlistReader::readKey(const Tag& tag, QString& key) {
    const qsizetype end = m_data.indexOf('<', m_pos);
    if (tag.selfClosing || end < 0 || !m_data.sliced(end).startsWith("</key>")) {
        return readText(tag, key);
    }
    const QByteArrayView raw = m_data.sliced(m_pos, end - m_pos);
    if (raw.contains('&')) {
        return readText(tag, key);
    }
    auto it = m_keys.constFind(QByteArray::fromRawData(raw.data(), raw.size()));
    if (it == m_keys.cend()) {
        it = m_keys.insert(raw.toByteArray(), QString::fromUtf8(raw));
    }
    key = it.value();
    m_pos = end + 6;
    return true;
}

// The text of a text element up to its closing tag, references decoded.
bool XmlPlistReader::readText(const Tag& tag, QString& text) {
    if (tag.selfClosing) {
        return true;
    }
    for (;;) {
        const qsizetype start = m_pos;
        const char* const dataEnd = m_data.data() + m_data.size();
        m_pos = std::find_if(m_data.data() + m_pos, dataEnd,
                             [](char c) { return c == '<' || c == '&'; }) -
                m_data.data();
        text += QString::fromUtf8(m_data.sliced(start, m_pos - start));
        if (atEnd()) {
            return fail(u"the file is truncated"_s);
        }
        if (m_data[m_pos] == '&') {
            // No reference is longer than "&#x10FFFF;": look no further for its end.
            const qsizetype end =
                m_data.sliced(m_pos, std::min<qsizetype>(kMaxReference, m_data.size() - m_pos))
                    .indexOf(';') +
                m_pos;
            if (end < m_pos || !appendReference(m_data.sliced(m_pos + 1, end - m_pos - 1), text)) {
                return fail(u"the file is damaged (an unknown reference)"_s);
            }
            m_pos = end + 1;
        } else if (startsWith("<![CDATA[")) {
            const qsizetype begin = m_pos + 9;
            if (!skip("]]>")) {
                return false;
            }
            text += QString::fromUtf8(m_data.sliced(begin, m_pos - 3 - begin));
        } else if (startsWith("<!--")) {
            if (!skip("-->")) {
                return false;
            }
        } else {
            return expectClosing(tag.name);
        }
    }
}

} // namespace tintmere
