// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimppalette.h"

#include <QStringView>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::gimppalette {

namespace {

constexpr QLatin1StringView kHeader("GIMP Palette");
constexpr QLatin1StringView kGroupComment("# Group:");

Expected<bool> failure(qsizetype lineNumber, const QString& message) {
    return Expected<bool>::failure(u"line %1 %2"_s.arg(lineNumber).arg(message));
}

// "  51 102 153\tSky" into the collector.
Expected<bool> readRow(QStringView line, qsizetype lineNumber, FavoriteCollector& collector) {
    int values[3] = {};
    qsizetype pos = 0;
    for (int& value : values) {
        while (pos < line.size() && line[pos].isSpace()) {
            ++pos;
        }
        const qsizetype start = pos;
        while (pos < line.size() && !line[pos].isSpace()) {
            ++pos;
        }
        const QStringView token = line.mid(start, pos - start);
        if (token.isEmpty()) {
            return failure(lineNumber, u"has fewer than three colour values"_s);
        }
        bool ok = false;
        value = token.size() <= 3 ? token.toInt(&ok) : -1;
        if (!ok || value < 0 || value > 255) {
            return failure(lineNumber, u"has “%1” where a value from 0 to 255 belongs"_s.arg(
                                           token.left(20).toString()));
        }
    }
    return collector.add(Color::fromBytes(values[0], values[1], values[2]),
                         line.mid(pos).trimmed().toString());
}

} // namespace

QByteArray write(const InterchangeContents& contents) {
    QString text = kHeader + u"\nName: "_s + oneLineName(contents.title) +
                   u"\nColumns: 4\n# Four rows to a favorite.\n"_s;
    for (const FavoriteGroup& group : contents.groups) {
        // An empty name after a group ends it.
        if (!group.name.isEmpty() || &group != &contents.groups.first()) {
            text += kGroupComment + u' ' + oneLineName(group.name) + u'\n';
        }
        for (const FavoriteEntry& favorite : group.favorites) {
            const QString name = oneLineName(favorite.name);
            for (const QString& stored : mendedPalette(favorite.colors)) {
                const Color color = *colorFromStoredText(stored);
                text += u"%1 %2 %3\t%4\n"_s.arg(byteValue(color.red), 3)
                            .arg(byteValue(color.green), 3)
                            .arg(byteValue(color.blue), 3)
                            .arg(name);
            }
        }
    }
    return text.toUtf8();
}

Expected<InterchangeContents> parse(QByteArrayView data) {
    using Result = Expected<InterchangeContents>;
    const QString text = QString::fromUtf8(data);
    QStringView rest(text);
    if (rest.startsWith(QChar::ByteOrderMark)) {
        rest = rest.mid(1);
    }
    InterchangeContents contents;
    FavoriteCollector collector;
    bool headerSeen = false;
    for (qsizetype lineNumber = 1; !rest.isEmpty(); ++lineNumber) {
        const qsizetype end = rest.indexOf(u'\n');
        const QStringView line = (end < 0 ? rest : rest.left(end)).trimmed();
        rest = end < 0 ? QStringView() : rest.mid(end + 1);
        Expected<bool> ok = true;
        if (!headerSeen) {
            if (line != kHeader) {
                return Result::failure(
                    u"it is not a GIMP palette (it does not begin with “GIMP Palette”)"_s);
            }
            headerSeen = true;
        } else if (line.startsWith(u"Name:")) {
            contents.title = line.mid(5).trimmed().toString();
            ok = checkedName(contents.title);
        } else if (line.startsWith(kGroupComment)) {
            ok = collector.startGroup(line.mid(kGroupComment.size()).trimmed().toString());
        } else if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u"Columns:")) {
            continue;
        } else {
            ok = readRow(line, lineNumber, collector);
        }
        if (!ok) {
            return Result::failure(ok.error());
        }
    }
    if (!headerSeen) {
        return Result::failure(u"the file is empty"_s);
    }
    Expected<QList<FavoriteGroup>> groups = collector.finish();
    if (!groups) {
        return Result::failure(groups.error());
    }
    contents.groups = std::move(groups).value();
    contents.colorCount = collector.colorCount();
    return contents;
}

} // namespace tintmere::gimppalette
