// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertylist.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace tintmere {

// Reads the XML property list format straight from its UTF-8 bytes, with bounded depth and
// value count, in time linear in its size: every scan ends with the construct it reads.
// Only what property lists use is understood: the plist elements, comments, processing
// instructions, one DOCTYPE before the root without an internal subset (so no entity can
// expand), CDATA sections and the predefined and numeric character references. A dictionary
// whose only key is "CF$UID" is a keyed archive's reference and reads as a PlistUid.
class XmlPlistReader {
public:
    XmlPlistReader(QByteArrayView data, const PropertyListLimits& limits);

    Expected<QVariant> read();

private:
    struct Tag {
        QByteArrayView name;
        bool closing = false;     // </name>
        bool selfClosing = false; // <name/>
    };

    bool readValue(const Tag& tag, QVariant& value, int depth);
    bool readDictionary(QVariant& value, int depth);
    bool readArray(QVariant& value, int depth);
    bool readKey(const Tag& tag, QString& key);
    bool readText(const Tag& tag, QString& text);
    bool readTag(Tag& tag);
    bool expectClosing(QByteArrayView name);
    bool skipMarkup();
    bool skip(QByteArrayView terminator);
    void skipSpace();
    bool atEnd() const { return m_pos >= m_data.size(); }
    bool startsWith(QByteArrayView text) const;
    bool fail(const QString& reason);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    PropertyListLimits m_limits;
    qint64 m_valueCount = 0;
    // A document type may come once, before the first element.
    bool m_inProlog = true;
    bool m_sawDocType = false;
    QHash<QByteArray, QString> m_keys;
    QString m_error;
};

} // namespace tintmere
