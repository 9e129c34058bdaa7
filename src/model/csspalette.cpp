// SPDX-License-Identifier: GPL-3.0-or-later
#include "csspalette.h"

#include "csscolor.h"

#include <QSet>
#include <QStringView>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::csspalette {

namespace {

constexpr QLatin1StringView kGroupPrefix("Group:");
constexpr QLatin1StringView kFavoritePrefix("Favorite:");

// Names inside comments: "*/" would end the comment, so it is written "*\/", and a
// backslash as two. Control characters, which could drive a terminal showing the file,
// become spaces.
QString commentText(const QString& name) {
    QString text = oneLineName(name);
    text.replace(u'\\', u"\\\\"_s);
    text.replace(u"*/"_s, u"*\\/"_s);
    return text;
}

QString nameFromComment(QStringView text) {
    QString name;
    name.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
        }
        name += text[i];
    }
    return name;
}

// Lowercase ASCII letters and digits with single dashes between the runs.
QString slug(const QString& name) {
    QString slug;
    for (const QChar c : name) {
        const bool keep =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (keep) {
            slug += c.toLower();
        } else if (!slug.isEmpty() && !slug.endsWith(u'-')) {
            slug += u'-';
        }
    }
    while (slug.endsWith(u'-')) {
        slug.chop(1);
    }
    return slug;
}

// The property name without "--" and a final "-N".
QString favoriteNameFromProperty(QStringView property) {
    QStringView name = property.mid(2);
    const qsizetype dash = name.lastIndexOf(u'-');
    if (dash > 0) {
        bool number = false;
        (void)name.mid(dash + 1).toInt(&number);
        if (number) {
            name = name.left(dash);
        }
    }
    return name.toString();
}

class Reader {
public:
    explicit Reader(const QString& text)
        : text_(text) {}

    Expected<InterchangeContents> read() {
        using Result = Expected<InterchangeContents>;
        while (pos_ < text_.size()) {
            Expected<bool> ok = true;
            if (text_.mid(pos_).startsWith(u"/*")) {
                ok = comment();
            } else if (text_.mid(pos_).startsWith(u"--")) {
                ok = declaration();
            } else {
                ++pos_;
            }
            if (!ok) {
                return Result::failure(ok.error());
            }
        }
        Expected<QList<FavoriteGroup>> groups = collector_.finish();
        if (!groups) {
            return Result::failure(u"it holds no colour properties"_s);
        }
        contents_.groups = std::move(groups).value();
        contents_.colorCount = collector_.colorCount();
        return contents_;
    }

private:
    Expected<bool> comment() {
        const qsizetype start = pos_ + 2;
        const qsizetype end = text_.indexOf(u"*/", start);
        pos_ = end < 0 ? text_.size() : end + 2;
        const QStringView inside =
            text_.mid(start, (end < 0 ? text_.size() : end) - start).trimmed();
        if (inside.startsWith(kGroupPrefix)) {
            favoriteName_.reset();
            return collector_.startGroup(
                nameFromComment(inside.mid(kGroupPrefix.size()).trimmed()));
        }
        if (inside.startsWith(kFavoritePrefix)) {
            collector_.finishFavorite();
            favoriteName_ = nameFromComment(inside.mid(kFavoritePrefix.size()).trimmed());
            return checkedName(*favoriteName_);
        }
        // A first comment short enough to be a name is the title (a licence is not).
        if (!sawContent_ && contents_.title.isEmpty() && inside.size() <= kMaxInterchangeName &&
            !inside.contains(u'\n')) {
            contents_.title = nameFromComment(inside);
        }
        return true;
    }

    // "--name: value;" or up to the end of the block; values that are no colour are skipped.
    Expected<bool> declaration() {
        sawContent_ = true;
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u':' && text_[pos_] != u';' &&
               text_[pos_] != u'}' && !text_[pos_].isSpace()) {
            ++pos_;
        }
        const QStringView property = text_.mid(start, pos_ - start);
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            ++pos_;
        }
        if (pos_ == text_.size() || text_[pos_] != u':') {
            return true;
        }
        const qsizetype valueStart = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != u';' && text_[pos_] != u'}') {
            ++pos_;
        }
        const QStringView value = text_.mid(valueStart, pos_ - valueStart).trimmed();
        std::optional<Color> color;
        if (value.size() < 100) {
            color = colorFromCSS(value.toString().toStdString());
        }
        if (!color) {
            return true;
        }
        color->alpha = 1.0f;
        Expected<bool> ok = collector_.add(
            *color, favoriteName_ ? *favoriteName_ : favoriteNameFromProperty(property));
        return ok;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    InterchangeContents contents_;
    FavoriteCollector collector_;
    std::optional<QString> favoriteName_;
    bool sawContent_ = false;
};

} // namespace

QByteArray write(const InterchangeContents& contents) {
    QString text;
    if (!contents.title.isEmpty()) {
        text += u"/* "_s + commentText(contents.title) + u" */\n"_s;
    }
    text += u":root {\n"_s;
    QSet<QString> used;
    for (const FavoriteGroup& group : contents.groups) {
        // An empty name after a group ends it.
        if (!group.name.isEmpty() || &group != &contents.groups.first()) {
            text += u"  /* Group: "_s + commentText(group.name) + u" */\n"_s;
        }
        for (const FavoriteEntry& favorite : group.favorites) {
            text += u"  /* Favorite: "_s + commentText(favorite.name) + u" */\n"_s;
            QString base = slug(group.name);
            const QString own = slug(favorite.name);
            base += (base.isEmpty() || own.isEmpty() ? u""_s : u"-"_s) + own;
            if (base.isEmpty()) {
                base = u"color"_s;
            }
            QString unique = base;
            for (int n = 2; used.contains(unique); ++n) {
                unique = base + u"-v"_s + QString::number(n);
            }
            used.insert(unique);
            int index = 1;
            for (const QString& stored : mendedPalette(favorite.colors)) {
                text += u"  --%1-%2: #%3;\n"_s.arg(unique).arg(index++).arg(stored.toLower());
            }
        }
    }
    text += u"}\n"_s;
    return text.toUtf8();
}

Expected<InterchangeContents> parse(QByteArrayView data) {
    const QString text = QString::fromUtf8(data);
    return Reader(text).read();
}

} // namespace tintmere::csspalette
