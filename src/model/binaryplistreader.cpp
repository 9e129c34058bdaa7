// SPDX-License-Identifier: GPL-3.0-or-later
#include "binaryplistreader.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr QByteArrayView kMagic = "bplist00";
constexpr qsizetype kTrailerSize = 32;

enum Marker : quint8 {
    Simple = 0x0,
    Integer = 0x1,
    Real = 0x2,
    Date = 0x3,
    Data = 0x4,
    AsciiString = 0x5,
    Utf16String = 0x6,
    Uid = 0x8,
    Array = 0xA,
    Set = 0xC,
    Dictionary = 0xD,
};

// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr qint64 kPlistEpochOffset = 978307200;

} // namespace

BinaryPlistReader::BinaryPlistReader(QByteArrayView data, const PropertyListLimits& limits)
    : m_data(data)
    , m_limits(limits) {
}

bool BinaryPlistReader::looksLikeBinary(QByteArrayView data) {
    return data.startsWith(kMagic);
}

Expected<QVariant> BinaryPlistReader::read() {
    if (!readTrailer()) {
        return Expected<QVariant>::failure(m_error);
    }
    const std::size_t count = m_trailer.objectCount;
    m_values.assign(count, QVariant());
    m_expandedCounts.assign(count, 0);
    m_states.assign(count, State::Unvisited);
    if (!convert(m_trailer.topObject, 0)) {
        return Expected<QVariant>::failure(m_error);
    }
    return m_values[m_trailer.topObject];
}

bool BinaryPlistReader::fail(const QString& reason) {
    m_error = reason;
    return false;
}

quint64 BinaryPlistReader::bigEndian(qsizetype position, int size) const {
    quint64 value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | static_cast<quint8>(m_data[position + i]);
    }
    return value;
}

bool BinaryPlistReader::readTrailer() {
    const qsizetype size = m_data.size();
    if (size > m_limits.maxBytes) {
        return fail(u"the file is too large"_s);
    }
    if (size < kMagic.size() + kTrailerSize) {
        return fail(u"the file is truncated"_s);
    }
    const qsizetype t = size - kTrailerSize;
    m_trailer.offsetSize = static_cast<quint8>(m_data[t + 6]);
    m_trailer.refSize = static_cast<quint8>(m_data[t + 7]);
    m_trailer.objectCount = bigEndian(t + 8, 8);
    m_trailer.topObject = bigEndian(t + 16, 8);
    m_trailer.offsetTableStart = bigEndian(t + 24, 8);
    const Trailer& tr = m_trailer;
    const auto validSize = [](int s) { return s >= 1 && s <= 8; };
    if (!validSize(tr.offsetSize) || !validSize(tr.refSize)) {
        return fail(u"the file is damaged (bad sizes in its trailer)"_s);
    }
    if (tr.objectCount == 0 || tr.topObject >= tr.objectCount) {
        return fail(u"the file is damaged (it names no root object)"_s);
    }
    if (tr.objectCount > static_cast<quint64>(m_limits.maxValues)) {
        return fail(u"the file holds too many objects"_s);
    }
    const quint64 tableBytes = tr.objectCount * static_cast<quint64>(tr.offsetSize);
    if (tr.offsetTableStart < static_cast<quint64>(kMagic.size()) ||
        tr.offsetTableStart > static_cast<quint64>(t) ||
        tableBytes > static_cast<quint64>(t) - tr.offsetTableStart) {
        return fail(u"the file is truncated or damaged (its object table is out of bounds)"_s);
    }
    return true;
}

bool BinaryPlistReader::claim(qsizetype position, quint64 bytes) {
    // Objects of a sound file never overlap, so together they fit in the object area.
    // Checking the sum keeps a file from naming one large object many times over.
    const quint64 area = m_trailer.offsetTableStart;
    if (static_cast<quint64>(position) > area || bytes > area - static_cast<quint64>(position)) {
        return fail(u"the file is truncated or damaged (an object runs past its end)"_s);
    }
    m_claimedBytes += bytes;
    if (m_claimedBytes > area) {
        return fail(u"the file is damaged (its objects overlap)"_s);
    }
    return true;
}

bool BinaryPlistReader::readLength(qsizetype& position, quint8 info, quint64& length) {
    if (info != 0xF) {
        length = info;
        return true;
    }
    if (!claim(position, 1)) {
        return false;
    }
    const quint8 marker = static_cast<quint8>(m_data[position]);
    const int size = 1 << (marker & 0xF);
    if ((marker >> 4) != Integer || size > 8 || !claim(position + 1, size)) {
        return fail(u"the file is damaged (a bad length)"_s);
    }
    length = bigEndian(position + 1, size);
    position += 1 + size;
    return true;
}

bool BinaryPlistReader::readRefs(qsizetype position, quint64 count, std::vector<quint64>& refs) {
    const int refSize = m_trailer.refSize;
    if (count > m_trailer.offsetTableStart / static_cast<quint64>(refSize) ||
        !claim(position, count * static_cast<quint64>(refSize))) {
        return fail(u"the file is truncated or damaged (a list runs past its end)"_s);
    }
    refs.resize(count);
    for (quint64 i = 0; i < count; ++i) {
        refs[i] = bigEndian(position + static_cast<qsizetype>(i) * refSize, refSize);
        if (refs[i] >= m_trailer.objectCount) {
            return fail(u"the file is damaged (a reference to an object that does not exist)"_s);
        }
    }
    return true;
}

bool BinaryPlistReader::convertChildren(const std::vector<quint64>& refs, int depth) {
    for (const quint64 ref : refs) {
        if (!convert(ref, depth + 1)) {
            return false;
        }
    }
    return true;
}

bool BinaryPlistReader::convert(quint64 object, int depth) {
    switch (m_states[object]) {
    case State::Done:
        return true;
    case State::Visiting:
        return fail(u"the file is damaged (an object contains itself)"_s);
    case State::Unvisited:
        break;
    }
    if (depth > m_limits.maxDepth) {
        return fail(u"the file is nested too deeply"_s);
    }
    m_states[object] = State::Visiting;

    const quint64 offset = bigEndian(
        static_cast<qsizetype>(m_trailer.offsetTableStart + object * m_trailer.offsetSize),
        m_trailer.offsetSize);
    if (offset < static_cast<quint64>(kMagic.size()) || !claim(static_cast<qsizetype>(offset), 1)) {
        return fail(u"the file is damaged (an object outside the file)"_s);
    }
    qsizetype position = static_cast<qsizetype>(offset);
    const quint8 marker = static_cast<quint8>(m_data[position++]);
    const quint8 type = marker >> 4;
    const quint8 info = marker & 0xF;

    QVariant value;
    quint64 expanded = 1;
    switch (type) {
    case Simple:
        if (info == 0x8 || info == 0x9) {
            value = info == 0x9;
        } else if (info != 0x0 && info != 0xF) {
            return fail(u"the file is damaged (an unknown object)"_s);
        }
        break;
    case Integer: {
        const int size = 1 << info;
        if (size > 16 || !claim(position, size)) {
            return fail(u"the file is damaged (a bad number)"_s);
        }
        // 16-byte integers keep their low 64 bits; the high ones are only a sign.
        const quint64 raw = bigEndian(position + (size == 16 ? 8 : 0), std::min(size, 8));
        if (size == 16) {
            value = raw;
        } else {
            value = static_cast<qint64>(raw);
        }
        break;
    }
    case Real:
    case Date: {
        const int size = 1 << info;
        if ((size != 4 && size != 8) || (type == Date && size != 8) || !claim(position, size)) {
            return fail(u"the file is damaged (a bad number)"_s);
        }
        const quint64 raw = bigEndian(position, size);
        const double real = size == 4 ? double(std::bit_cast<float>(static_cast<quint32>(raw)))
                                      : std::bit_cast<double>(raw);
        if (type == Real) {
            value = real;
        } else if (std::isnan(real)) {
            return fail(u"the file is damaged (a bad date)"_s);
        } else {
            const qint64 ms = static_cast<qint64>(std::clamp(real, -1e13, 1e13) * 1000.0);
            value = QDateTime::fromMSecsSinceEpoch(kPlistEpochOffset * 1000 + ms, QTimeZone::utc());
        }
        break;
    }
    case Data:
    case AsciiString:
    case Utf16String: {
        quint64 length = 0;
        if (!readLength(position, info, length)) {
            return false;
        }
        const quint64 bytes = type == Utf16String ? length * 2 : length;
        if (length > m_trailer.offsetTableStart) {
            return fail(u"the file is truncated or damaged (a text runs past its end)"_s);
        }
        if (!claim(position, bytes)) {
            return false;
        }
        const QByteArrayView raw = m_data.sliced(position, static_cast<qsizetype>(bytes));
        if (type == Data) {
            value = raw.toByteArray();
        } else if (type == AsciiString) {
            value = QString::fromLatin1(raw);
        } else {
            QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
            for (qsizetype i = 0; i < text.size(); ++i) {
                text[i] = QChar(static_cast<char16_t>(bigEndian(position + 2 * i, 2)));
            }
            value = text;
        }
        break;
    }
    case Uid: {
        const int size = info + 1;
        if (size > 8 || !claim(position, size)) {
            return fail(u"the file is damaged (a bad reference)"_s);
        }
        value = QVariant::fromValue(PlistUid{bigEndian(position, size)});
        break;
    }
    case Array:
    case Set:
    case Dictionary: {
        quint64 count = 0;
        if (!readLength(position, info, count)) {
            return false;
        }
        std::vector<quint64> refs;
        const quint64 refCount = type == Dictionary ? count * 2 : count;
        if (count > m_trailer.offsetTableStart) {
            return fail(u"the file is truncated or damaged (a list runs past its end)"_s);
        }
        if (!readRefs(position, refCount, refs) || !convertChildren(refs, depth)) {
            return false;
        }
        for (const quint64 ref : refs) {
            expanded += m_expandedCounts[ref];
            if (expanded > static_cast<quint64>(m_limits.maxValues)) {
                return fail(u"the file refers to its objects too many times"_s);
            }
        }
        if (type == Dictionary) {
            QVariantMap map;
            for (quint64 i = 0; i < count; ++i) {
                const QVariant& key = m_values[refs[i]];
                if (key.typeId() != QMetaType::QString) {
                    return fail(u"the file is damaged (a dictionary key that is not text)"_s);
                }
                map.insert(key.toString(), m_values[refs[count + i]]);
            }
            value = map;
        } else {
            QVariantList list;
            list.reserve(static_cast<qsizetype>(count));
            for (const quint64 ref : refs) {
                list.append(m_values[ref]);
            }
            value = list;
        }
        break;
    }
    default:
        return fail(u"the file is damaged (an unknown object)"_s);
    }
    m_values[object] = value;
    m_expandedCounts[object] = expanded;
    m_states[object] = State::Done;
    return true;
}

} // namespace tintmere
