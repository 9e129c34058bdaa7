// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "defaults.h"
#include "favoriteslibrary.h"
#include "propertylist.h"
#include "settingsconversion.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using testrows::writeFile;
using namespace tintmere;

namespace {

constexpr SettingKey kTooltip = keys::TooltipFormat;

QStringList favoriteNames(const TreeNode* root) {
    QStringList names;
    for (const FavoriteEntry& entry :
         SimpleTreeNode::itemsArrayFromRootChildren(root->children())) {
        names.append(entry.name);
    }
    return names;
}

QVariantList legacyFavorites(const QStringList& names) {
    QVariantList favorites;
    for (const QString& name : names) {
        favorites.append(
            QVariant(QVariantList{name, u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s}));
    }
    return favorites;
}

} // namespace

using SavedColorsRow = std::tuple<QVariant, QStringList>;
using FavoritesMoveIntoTheLibraryRow = std::tuple<QByteArray, QStringList, QString>;

class TestSettingsConversion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void legacyPreferences() {
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        auto defaults = Defaults::inMemory();
        defaults->setValueNamed(u"Preferences"_s, QVariantMap{{u"Tooltip Format"_s, 2},
                                                              {u"Border Width"_s, 3},
                                                              {u"Reset Color"_s, u"000000"_s},
                                                              {u"Crosshair Color"_s, u"ff0000"_s}});
        defaults->setValueNamed(u"midpoint"_s, 1);
        defaults->setValueNamed(u"Windows"_s, QVariantList{u"frame"_s});
        QVERIFY(!SettingsConversion::run(*defaults, library));
        QCOMPARE(defaults->intValue(kTooltip), 2);
        QCOMPARE(defaults->intValue(keys::BlendMode), 1);
        QCOMPARE(defaults->stringValue(keys::ResetColor), u"ffffff"_s);
        QCOMPARE(defaults->storedKeys(), (QStringList{u"Blend Mode"_s, u"Tooltip Format"_s}));

        // A second start finds nothing left to do.
        QVERIFY(!SettingsConversion::run(*defaults, library));
        QCOMPARE(defaults->storedKeys(), (QStringList{u"Blend Mode"_s, u"Tooltip Format"_s}));
        QVERIFY(!QFile::exists(library.path()));
    }

    void savedColors_data() {
        const Rows<SavedColorsRow> row;
        const QStringList ordered{u"ff0000"_s, u"808080"_s, u"ffffff"_s, u"000000"_s};
        row("older dictionary",
            QVariant(QVariantMap{{u"4"_s, u"000000"_s},
                                 {u"2"_s, u"808080"_s},
                                 {u"1"_s, u"ff0000"_s},
                                 {u"3"_s, u"ffffff"_s}}),
            ordered);
        row("dictionary missing a well",
            QVariant(
                QVariantMap{{u"1"_s, u"ff0000"_s}, {u"2"_s, u"808080"_s}, {u"4"_s, u"000000"_s}}),
            ordered);
        row("uppercase kept", QVariant(QStringList(4, u"ABCDEF"_s)), QStringList(4, u"ABCDEF"_s));
        row("three colours", QVariant(QStringList{u"ff0000"_s, u"808080"_s, u"ffffff"_s}),
            QStringList{u"ff0000"_s, u"808080"_s, u"ffffff"_s, u"ffffff"_s});
        row("five colours", QVariant(ordered + QStringList{u"123456"_s}), ordered);
        row("not colours", QVariant(QStringList{u"red"_s, u"808080"_s, u""_s, u"#000"_s}),
            QStringList{u"ffffff"_s, u"808080"_s, u"ffffff"_s, u"#000"_s});
        row("one string", QVariant(u"ff0000"_s),
            QStringList{u"ff0000"_s, u"ffffff"_s, u"ffffff"_s, u"ffffff"_s});
        row("a number", QVariant(12), QStringList(4, u"ffffff"_s));
    }
    void savedColors() {
        ROW(SavedColorsRow, stored, palette);
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        auto defaults = Defaults::inMemory();
        defaults->setValue(keys::SavedColors, stored);
        SettingsConversion::run(*defaults, library);
        QCOMPARE(defaults->stringArrayValue(keys::SavedColors), palette);
        QCOMPARE(defaults->paletteValue(keys::SavedColors), palette);
    }

    // outcome: "moved", "set aside" (a damaged library) or "kept" (the library cannot be
    // written, so the favorites stay in the settings)
    void favoritesMoveIntoTheLibrary_data() {
        const Rows<FavoritesMoveIntoTheLibraryRow> row;
        const QVariantMap current{
            {u"Group"_s, u"Root"_s},
            {u"Entries"_s,
             QVariantList{QVariantMap{
                 {u"Group"_s, u"G"_s},
                 {u"Entries"_s, QVariantList{QVariantMap{{u"Name"_s, u"In G"_s},
                                                         {u"Colors"_s, QStringList()}}}}}}}};
        row("no library", QByteArray(), QStringList{u"Old 1"_s, u"Old 2"_s}, u"moved"_s);
        row("older array form", xmlPropertyList(legacyFavorites({u"Kept"_s})),
            QStringList{u"Kept"_s, u"Old 1"_s, u"Old 2"_s}, u"moved"_s);
        // Favorites inside a group come before those after it.
        row("current form", xmlPropertyList(current),
            QStringList{u"In G"_s, u"Old 1"_s, u"Old 2"_s}, u"moved"_s);
        row("damaged library", "garbage"_ba, QStringList{u"Old 1"_s, u"Old 2"_s}, u"set aside"_s);
        row("library cannot be written", "a file"_ba, QStringList(), u"kept"_s);
    }
    void favoritesMoveIntoTheLibrary() {
        ROW(FavoritesMoveIntoTheLibraryRow, file, favorites, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"sub/Favorites.plist"_s);
        if (outcome == u"kept")
            QVERIFY(writeFile(dir.filePath(u"sub"_s), file)); // where the folder should be
        else if (!file.isEmpty())
            QVERIFY(QDir().mkpath(dir.filePath(u"sub"_s)) && writeFile(path, file));
        FavoritesLibrary library(path);
        auto defaults = Defaults::inMemory();
        const QVariant legacy = legacyFavorites({u"Old 1"_s, u"Old 2"_s});
        defaults->setValue(keys::LegacyFavorites, legacy);
        QCOMPARE(SettingsConversion::run(*defaults, library).has_value(), outcome != u"moved");
        QCOMPARE(defaults->hasValue(keys::LegacyFavorites), outcome == u"kept");
        if (outcome == u"kept") {
            QCOMPARE(defaults->value(keys::LegacyFavorites), legacy);
            return;
        }
        QCOMPARE(QFile::exists(path + u".damaged"_s), outcome == u"set aside");
        const FavoritesLibrary::LoadResult loaded = library.load();
        QVERIFY(!loaded.problem);
        QCOMPARE(favoriteNames(loaded.root.get()), favorites);
    }
};

QTEST_GUILESS_MAIN(TestSettingsConversion)
#include "tst_settingsconversion.moc"
