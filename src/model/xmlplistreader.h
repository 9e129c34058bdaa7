// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertylist.h"

#include <QXmlStreamReader>

namespace tintmere {

// Reads the XML property list format with bounded depth and size. A dictionary whose only
// key is "CF$UID" is a keyed archive's reference and reads as a PlistUid.
class XmlPlistReader {
public:
    XmlPlistReader(QByteArrayView data, const PropertyListLimits& limits);

    Expected<QVariant> read();

private:
    bool readValue(QVariant& value, int depth);
    bool readDictionary(QVariant& value, int depth);
    bool readArray(QVariant& value, int depth);
    bool readScalar(QVariant& value);
    bool fail(const QString& reason);

    QXmlStreamReader m_xml;
    PropertyListLimits m_limits;
    qint64 m_valueCount = 0;
    QString m_error;
};

} // namespace tintmere
