// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "exchangefiles.h"
#include "keyedarchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::fixture;
using testrows::readFile;
using testrows::row;
using testrows::Rows;
using namespace tintmere;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    testrows::writeFile(path, bytes);
    return path;
}

QStringList texts(const Palette& palette) {
    QStringList list;
    for (const Color& color : palette) {
        list.append(storedColorText(color));
    }
    return list;
}

// A favorite as another program writes it; an invalid value leaves its key out.
QVariantMap favorite(const QVariant& name, const QVariant& colors) {
    QVariantMap map{{u"Name"_s, name}, {u"Colors"_s, colors}};
    map.removeIf([](const auto& entry) { return !entry.value().isValid(); });
    return map;
}

// A keyed archive put together by hand: the objects after "$null" and the root's index.
QByteArray handMadeArchive(const QVariantList& objects, quint64 root = 1) {
    return binaryPropertyList(QVariantMap{
        {u"$archiver"_s, u"NSKeyedArchiver"_s},
        {u"$version"_s, 100000},
        {u"$top"_s, QVariantMap{{u"root"_s, QVariant::fromValue(PlistUid{root})}}},
        {u"$objects"_s, QVariantList{u"$null"_s} + objects},
    });
}

template <typename T>
std::optional<FileError> errorOf(const FileResult<T>& result) {
    return result ? std::nullopt : std::optional<FileError>(result.error());
}

QVariant uid(quint64 index) {
    return QVariant::fromValue(PlistUid{index});
}

const QVariantMap kArrayClass{{u"$classname"_s, u"NSMutableArray"_s},
                              {u"$classes"_s, QStringList{u"NSMutableArray"_s, u"NSArray"_s}}};

const QStringList kFour{u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s};

} // namespace

using FavoritesRoundTripRow = std::tuple<QList<int>, QStringList>;
using FavoriteColorsBecomeStoredTextRow = std::tuple<QStringList, QStringList>;
using RefusedRow = std::tuple<QString, QByteArray, QString>;

class TestExchangeFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void olderPaletteIsConvertedInPlace() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, u"old.tnp"_s, fixture(u"old-palette.tnp"_s));
        const FileResult<Palette> read = PaletteFile::read(path);
        QVERIFY(read);
        QCOMPARE(texts(*read), (QStringList{u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"808080"_s}));
        const Expected<KeyedUnarchiver> rewritten = KeyedUnarchiver::fromData(readFile(path));
        QCOMPARE(rewritten->className(rewritten->root()), u"NSMutableArray"_s);
        QCOMPARE(rewritten->arrayAt(rewritten->root())->size(), 4);
        QCOMPARE(texts(*PaletteFile::read(path)), texts(*read));
    }

    void favoritesFromAnotherProgram() {
        QTemporaryDir dir;
        const QString path =
            writeFile(dir, u"Spring Colors.tnf"_s, fixture(u"Spring Colors.tnf"_s));
        const FileResult<FavoritesImport> read = FavoritesFile::read(path);
        QVERIFY(read);
        const QVariantList list = read->toImportList();
        QCOMPARE(list.size(), 4);
        QCOMPARE(list.last(), QVariant(u"Spring Colors"_s));
        QCOMPARE(read->favorites.at(1).name, u"Meadow"_s);
        QCOMPARE(read->favorites.at(2).colors,
                 (QStringList{u"708090"_s, u"b0c4de"_s, u"4682b4"_s, u"f8f8ff"_s}));
    }

    void favoritesRoundTrip_data() {
        const Rows<FavoritesRoundTripRow> row;
        row("second unticked", QList<int>{1, 0, 1}, QStringList{u"A"_s, u"C"_s});
        row("none", QList<int>{0, 0, 0}, QStringList{});
        row("flags other than 1", QList<int>{2, -1, 1}, QStringList{u"C"_s});
    }
    void favoritesRoundTrip() {
        ROW(FavoritesRoundTripRow, flags, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"my.favorites.tnf"_s);
        const QList<FavoriteEntry> favorites{{u"A"_s, kFour}, {u"B"_s, kFour}, {u"C"_s, kFour}};
        QVERIFY(!FavoritesFile::write(path, favorites, flags));
        const FileResult<FavoritesImport> read = FavoritesFile::read(path);
        QVERIFY(read);
        QCOMPARE(read->name, u"my.favorites"_s);
        QStringList names;
        for (const FavoriteEntry& entry : read->favorites) {
            names.append(entry.name);
            QCOMPARE(entry.colors, kFour);
        }
        QCOMPARE(names, written);
    }

    // Files made elsewhere spell colours in many ways; the favorites keep stored colour text.
    void favoriteColorsBecomeStoredText_data() {
        const Rows<FavoriteColorsBecomeStoredTextRow> row;
        row("capitals", QStringList{u"FF0000"_s, u"00FF00"_s, u"0000Ff"_s, u"FFFFFF"_s}, kFour);
        row("hash prefix", QStringList{u"#ff0000"_s, u"#00ff00"_s, u"#0000FF"_s, u"#fff"_s}, kFour);
        row("shorthand and spaces", QStringList{u"f00"_s, u" 00 ff 00 "_s, u"#00F"_s, u"ffffff"_s},
            kFour);
        row("already stored", kFour, kFour);
    }
    void favoriteColorsBecomeStoredText() {
        ROW(FavoriteColorsBecomeStoredTextRow, spelled, stored);
        QTemporaryDir dir;
        const QString path =
            writeFile(dir, u"in.tnf"_s,
                      keyedArchiveWithRootObject(QVariantList{favorite(u"Spelled"_s, spelled)}));
        const FileResult<FavoritesImport> read = FavoritesFile::read(path);
        QVERIFY(read);
        QCOMPARE(read->favorites.at(0).colors, stored);

        // Written out, even from entries that still hold another spelling.
        const QString out = dir.filePath(u"out.tnf"_s);
        QVERIFY(!FavoritesFile::write(out, {{u"Spelled"_s, spelled}}));
        const Expected<KeyedUnarchiver> archive = KeyedUnarchiver::fromData(readFile(out));
        QVERIFY(archive);
        const PlistUid entry = archive->arrayAt(archive->root())->at(0);
        const auto colorRefs = archive->arrayAt(*archive->valueForKey(entry, u"Colors"_s));
        QVERIFY(colorRefs);
        QStringList written;
        for (const PlistUid ref : *colorRefs)
            written.append(archive->stringAt(ref).value_or(QString()));
        QCOMPARE(written, stored);
    }

    void refused_data() {
        const Rows<RefusedRow> row;
        row("garbage", u"tnp"_s, "not an archive at all"_ba, u"property list"_s);
        row("a plain property list", u"tnp"_s, binaryPropertyList(QVariant(kFour)),
            u"not a keyed archive"_s);
        const QByteArray good = keyedArchiveWithRootObject(kFour);
        row("truncated", u"tnp"_s, good.left(good.size() - 40), u"damaged"_s);
        row("hostile nesting", u"tnf"_s, fixture(u"doubling-22.plist"_s), u"nested too deeply"_s);
        row("three colours", u"tnp"_s, keyedArchiveWithRootObject(kFour.mid(1)),
            u"fewer than four"_s);
        row("not colour text", u"tnp"_s,
            keyedArchiveWithRootObject(QStringList{u"purple"_s} + kFour),
            u"“purple” is not a colour"_s);
        row("a number for a colour", u"tnp"_s, keyedArchiveWithRootObject(QVariantList{1, 2, 3, 4}),
            u"colour 1 is not text"_s);
        row("root is text", u"tnp"_s, keyedArchiveWithRootObject(u"ff0000"_s),
            u"does not hold a palette"_s);
        row("dangling reference", u"tnp"_s,
            handMadeArchive(
                {QVariantMap{{u"NS.objects"_s, QVariantList{uid(9)}}, {u"$class"_s, uid(2)}},
                 kArrayClass}),
            u"does not hold a palette"_s);
        row("array holding itself", u"tnp"_s,
            handMadeArchive(
                {QVariantMap{{u"NS.objects"_s, QVariantList(4, uid(1))}, {u"$class"_s, uid(2)}},
                 kArrayClass}),
            u"not text"_s);
        row("class referring to itself", u"tnp"_s,
            handMadeArchive(
                {QVariantMap{{u"NS.objects"_s, QVariantList()}, {u"$class"_s, uid(1)}}}),
            u"does not hold a palette"_s);
        row("root missing", u"tnp"_s, handMadeArchive({}, 5), u"does not exist"_s);
        row("favorites root is a palette", u"tnf"_s, keyedArchiveWithRootObject(u"x"_s),
            u"list of favorites"_s);
        row("favorite without Name", u"tnf"_s,
            keyedArchiveWithRootObject(QVariantList{favorite({}, kFour)}),
            u"favorite 1 cannot be used: it has no “Name”"_s);
        row("favorite without Colors", u"tnf"_s,
            keyedArchiveWithRootObject(
                QVariantList{favorite(u"ok"_s, kFour), favorite(u"x"_s, {})}),
            u"favorite 2 cannot be used: it has no “Colors”"_s);
        row("favorite of two colours", u"tnf"_s,
            keyedArchiveWithRootObject(QVariantList{favorite(u"x"_s, kFour.mid(2))}),
            u"fewer than four"_s);
        row("favorite that is text", u"tnf"_s, keyedArchiveWithRootObject(QVariantList{u"Name"_s}),
            u"no “Name”"_s);
    }
    void refused() {
        ROW(RefusedRow, extension, file, reason);
        QTemporaryDir dir;
        const QString path = writeFile(dir, u"bad."_s + extension, file);
        const std::optional<FileError> error = extension == u"tnp"
                                                   ? errorOf(PaletteFile::read(path))
                                                   : errorOf(FavoritesFile::read(path));
        QVERIFY(error);
        QCOMPARE(error->file, path);
        QVERIFY2(error->message.contains(reason), qPrintable(error->message));
        QVERIFY(error->text().contains(u"bad."_s + extension));
        QCOMPARE(readFile(path), file);
    }
};

QTEST_GUILESS_MAIN(TestExchangeFiles)
#include "tst_exchangefiles.moc"
