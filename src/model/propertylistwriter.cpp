// SPDX-License-Identifier: GPL-3.0-or-later
// Writers of both property-list formats, without intermediate nodes: the library is
// saved after every change, so writing must stay cheap.
#include "propertylist.h"

#include <QDateTime>
#include <QHash>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr qint64 kPlistEpochOffset = 978307200;

bool isUid(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<PlistUid>();
}

bool isInteger(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString dateText(const QDateTime& date) {
    return date.toUTC().toString(Qt::ISODate);
}

// What the reader of a format will count in a written list.
struct Extent {
    qint64 values = 0;
    int depth = 0;

    void add(int atDepth) {
        ++values;
        depth = std::max(depth, atDepth);
    }
};

class XmlWriter {
public:
    const Extent& extent() const { return m_extent; }

    QByteArray write(const QVariant& value) {
        m_out.reserve(4096);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                 "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                 "<plist version=\"1.0\">\n";
        writeValue(value, 0);
        m_out += "</plist>\n";
        return m_out;
    }

private:
    void indent(int depth) { m_out.append(depth, '\t'); }

    void element(const char* name, QByteArrayView text, int depth) {
        indent(depth);
        m_out.append('<').append(name).append('>').append(text);
        m_out.append("</").append(name).append(">\n");
    }

    void textElement(const char* name, const QString& text, int depth) {
        indent(depth);
        m_out.append('<').append(name).append('>');
        appendEscaped(text);
        m_out.append("</").append(name).append(">\n");
    }

    void appendEscaped(const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        const auto plain = [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && c != '&' && c != '<' && c != '>';
        };
        if (std::all_of(utf8.cbegin(), utf8.cend(), plain)) {
            m_out += utf8;
            return;
        }
        for (const char c : utf8) {
            switch (c) {
            case '&':
                m_out += "&amp;";
                break;
            case '<':
                m_out += "&lt;";
                break;
            case '>':
                m_out += "&gt;";
                break;
            case '\r':
                m_out += "&#13;"; // a raw one would be read back as a line feed
                break;
            default:
                if (plain(c) || c == '\t' || c == '\n') {
                    m_out += c;
                }
            }
        }
    }

    void container(const char* name, qsizetype size, int depth) {
        indent(depth);
        m_out.append('<').append(name).append(size == 0 ? "/>\n" : ">\n");
    }

    // The XML reader counts every value, keys aside, at its nesting depth.
    void writeValue(const QVariant& value, int depth) {
        m_extent.add(depth);
        if (isUid(value)) {
            --m_extent.values; // counted as the dictionary written in its place
            writeValue(QVariantMap{{u"CF$UID"_s, value.value<PlistUid>().index}}, depth);
            return;
        }
        switch (value.typeId()) {
        case QMetaType::QVariantMap: {
            const QVariantMap map = value.toMap();
            container("dict", map.size(), depth);
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                textElement("key", it.key(), depth + 1);
                writeValue(it.value(), depth + 1);
            }
            if (!map.isEmpty()) {
                indent(depth);
                m_out += "</dict>\n";
            }
            return;
        }
        case QMetaType::QVariantList:
        case QMetaType::QStringList: {
            const QVariantList list = value.toList();
            container("array", list.size(), depth);
            for (const QVariant& element : list) {
                writeValue(element, depth + 1);
            }
            if (!list.isEmpty()) {
                indent(depth);
                m_out += "</array>\n";
            }
            return;
        }
        case QMetaType::Bool:
            indent(depth);
            m_out += value.toBool() ? "<true/>\n" : "<false/>\n";
            return;
        case QMetaType::ULongLong:
            element("integer", QByteArray::number(value.toULongLong()), depth);
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            element("real", QByteArray::number(value.toDouble(), 'g', 17), depth);
            return;
        case QMetaType::QDateTime:
            textElement("date", dateText(value.toDateTime()), depth);
            return;
        case QMetaType::QByteArray:
            element("data", value.toByteArray().toBase64(), depth);
            return;
        default:
            if (isInteger(value)) {
                element("integer", QByteArray::number(value.toLongLong()), depth);
            } else {
                textElement("string", value.toString(), depth);
            }
        }
    }

    QByteArray m_out;
    Extent m_extent;
};

// The binary format: every object once in a table, containers refer to others by index.
class BinaryWriter {
public:
    const Extent& extent() const { return m_extent; }

    QByteArray write(const QVariant& value) {
        flatten(value, 0);
        m_refSize = bytesFor(m_objects.size());
        QByteArray out = "bplist00"_ba;
        std::vector<quint64> offsets;
        offsets.reserve(m_objects.size());
        for (const Object& object : m_objects) {
            offsets.push_back(static_cast<quint64>(out.size()));
            encode(object, out);
        }
        const quint64 tableStart = static_cast<quint64>(out.size());
        const int offsetSize = bytesFor(tableStart);
        for (const quint64 offset : offsets) {
            appendBigEndian(out, offset, offsetSize);
        }
        out.append(6, '\0');
        out.append(char(offsetSize)).append(char(m_refSize));
        appendBigEndian(out, m_objects.size(), 8);
        appendBigEndian(out, 0, 8); // the top object is the first
        appendBigEndian(out, tableStart, 8);
        return out;
    }

private:
    struct Object {
        QVariant value;            // scalars
        std::vector<quint64> refs; // arrays; dictionaries: keys, then values
        bool isArray = false;
        bool isDictionary = false;
    };

    static int bytesFor(quint64 value) {
        return value < 0x100 ? 1 : value < 0x10000 ? 2 : value < 0x100000000ULL ? 4 : 8;
    }

    static void appendBigEndian(QByteArray& out, quint64 value, int size) {
        for (int i = size - 1; i >= 0; --i) {
            out.append(char((value >> (8 * i)) & 0xFF));
        }
    }

    // The binary reader counts every reference it follows, keys too, so a string stored
    // once counts wherever it is named.
    quint64 flatten(const QVariant& value, int depth) {
        m_extent.add(depth);
        const auto type = value.typeId();
        if (type == QMetaType::QString) {
            const QString text = value.toString();
            if (const auto it = m_strings.constFind(text); it != m_strings.cend()) {
                return it.value();
            }
            m_strings.insert(text, m_objects.size());
        }
        const quint64 index = m_objects.size();
        m_objects.push_back({});
        Object object;
        if (type == QMetaType::QVariantMap) {
            const QVariantMap map = value.toMap();
            object.isDictionary = true;
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                object.refs.push_back(flatten(it.key(), depth + 1));
            }
            for (const QVariant& element : map) {
                object.refs.push_back(flatten(element, depth + 1));
            }
        } else if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
            object.isArray = true;
            for (const QVariant& element : value.toList()) {
                object.refs.push_back(flatten(element, depth + 1));
            }
        } else {
            object.value = value;
        }
        m_objects[index] = std::move(object);
        return index;
    }

    static void marker(QByteArray& out, int type, quint64 count) {
        if (count < 15) {
            out.append(char((type << 4) | int(count)));
            return;
        }
        out.append(char((type << 4) | 0xF));
        const int size = bytesFor(count);
        out.append(char(0x10 | std::countr_zero(static_cast<unsigned>(size))));
        appendBigEndian(out, count, size);
    }

    void encode(const Object& object, QByteArray& out) const {
        if (object.isArray || object.isDictionary) {
            const quint64 count = object.isArray ? object.refs.size() : object.refs.size() / 2;
            marker(out, object.isArray ? 0xA : 0xD, count);
            for (const quint64 ref : object.refs) {
                appendBigEndian(out, ref, m_refSize);
            }
            return;
        }
        const QVariant& value = object.value;
        if (isUid(value)) {
            const quint64 index = value.value<PlistUid>().index;
            const int size = bytesFor(index);
            out.append(char(0x80 | (size - 1)));
            appendBigEndian(out, index, size);
        } else if (value.typeId() == QMetaType::Bool) {
            out.append(value.toBool() ? '\x09' : '\x08');
        } else if (value.typeId() == QMetaType::ULongLong &&
                   value.toULongLong() > quint64(std::numeric_limits<qint64>::max())) {
            out.append('\x14'); // 16 bytes: only these hold unsigned values above 2^63
            appendBigEndian(out, 0, 8);
            appendBigEndian(out, value.toULongLong(), 8);
        } else if (isInteger(value)) {
            const qint64 number = value.toLongLong();
            const int size = number < 0 ? 8 : bytesFor(static_cast<quint64>(number));
            out.append(char(0x10 | std::countr_zero(static_cast<unsigned>(size))));
            appendBigEndian(out, static_cast<quint64>(number), size);
        } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
            out.append('\x23');
            appendBigEndian(out, std::bit_cast<quint64>(value.toDouble()), 8);
        } else if (value.typeId() == QMetaType::QDateTime) {
            const double seconds =
                double(value.toDateTime().toMSecsSinceEpoch() - kPlistEpochOffset * 1000) / 1000.0;
            out.append('\x33');
            appendBigEndian(out, std::bit_cast<quint64>(seconds), 8);
        } else if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            marker(out, 0x4, static_cast<quint64>(bytes.size()));
            out.append(bytes);
        } else {
            const QString text = value.toString();
            const bool ascii =
                std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
            marker(out, ascii ? 0x5 : 0x6, static_cast<quint64>(text.size()));
            if (ascii) {
                out.append(text.toLatin1());
            } else {
                for (const QChar c : text) {
                    appendBigEndian(out, c.unicode(), 2);
                }
            }
        }
    }

    std::vector<Object> m_objects;
    QHash<QString, quint64> m_strings;
    int m_refSize = 1;
    Extent m_extent;
};

// Why the reader would refuse a list of this size and extent; nothing when it would read it.
std::optional<QString> beyondLimits(qsizetype bytes, const Extent& extent,
                                    const PropertyListLimits& limits) {
    if (extent.values > limits.maxValues) {
        return u"it would hold more than %1 values, too many to be opened again"_s.arg(
            limits.maxValues);
    }
    if (extent.depth > limits.maxDepth) {
        return u"it would be nested more than %1 levels deep, too deep to be opened again"_s.arg(
            limits.maxDepth);
    }
    if (bytes > limits.maxBytes) {
        return u"it would be larger than %1 MB, too large to be opened again"_s.arg(
            limits.maxBytes / (1024 * 1024));
    }
    return std::nullopt;
}

} // namespace

QByteArray xmlPropertyList(const QVariant& value) {
    return XmlWriter().write(value);
}

QByteArray binaryPropertyList(const QVariant& value) {
    return BinaryWriter().write(value);
}

Expected<QByteArray> writePropertyList(const QVariant& value, PropertyListFormat format,
                                       const PropertyListLimits& limits) {
    QByteArray bytes;
    Extent extent;
    if (format == PropertyListFormat::Xml) {
        XmlWriter writer;
        bytes = writer.write(value);
        extent = writer.extent();
    } else {
        BinaryWriter writer;
        bytes = writer.write(value);
        extent = writer.extent();
    }
    if (const std::optional<QString> refusal = beyondLimits(bytes.size(), extent, limits)) {
        return Expected<QByteArray>::failure(*refusal);
    }
    return bytes;
}

} // namespace tintmere
