// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertylist.h"

#include <QByteArrayView>
#include <QVariant>

#include <vector>

namespace tintmere {

// Reads the binary property list format without trusting it. Objects are kept by their
// index in the file and converted once each, so a shared reference costs no copy; cycles,
// references out of range, overlapping objects and lists that would expand beyond the
// limits are refused before anything large is built.
class BinaryPlistReader {
public:
    BinaryPlistReader(QByteArrayView data, const PropertyListLimits& limits);

    static bool looksLikeBinary(QByteArrayView data);

    Expected<QVariant> read();

private:
    struct Trailer {
        int offsetSize = 0;
        int refSize = 0;
        quint64 objectCount = 0;
        quint64 topObject = 0;
        quint64 offsetTableStart = 0;
    };
    enum class State : quint8 { Unvisited, Visiting, Done };

    bool readTrailer();
    bool convert(quint64 object, int depth);
    bool readLength(qsizetype& position, quint8 info, quint64& length);
    bool claim(qsizetype position, quint64 bytes);
    bool readRefs(qsizetype position, quint64 count, std::vector<quint64>& refs);
    bool convertChildren(const std::vector<quint64>& refs, int depth);
    quint64 bigEndian(qsizetype position, int size) const;
    bool fail(const QString& reason);

    QByteArrayView m_data;
    PropertyListLimits m_limits;
    Trailer m_trailer;
    std::vector<QVariant> m_values;
    std::vector<quint64> m_expandedCounts;
    std::vector<State> m_states;
    quint64 m_claimedBytes = 0;
    QString m_error;
};

} // namespace tintmere
