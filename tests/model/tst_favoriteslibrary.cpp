// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "favoriteslibrary.h"
#include "propertylist.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::fixture;
using testrows::readFile;
using testrows::row;
using testrows::Rows;
using testrows::writeFile;
using namespace tintmere;

namespace {

// A tree in one line: groups as name[children], "+" for a group shown expanded,
// favorites as name=colours.
QString outline(const TreeNode* node) {
    const SimpleNodeData* data = SimpleTreeNode::dataOf(node);
    if (data->isLeaf()) {
        return data->name() + u"="_s + data->colorArray().join(u' ');
    }
    QStringList children;
    for (const TreeNode* child : node->children()) {
        children.append(outline(child));
    }
    return data->name() + (data->expStart() ? u"+"_s : QString()) + u"["_s +
           children.join(u", "_s) + u"]"_s;
}

const QString kNested = u"Root[Level 1[Level 2[Level 3+[Deep=102030 405060 708090 a0b0c0]]], "
                        u"Damaged=ff0000 ffffff ffffff ffffff]"_s;

} // namespace

using LoadRow = std::tuple<QByteArray, QString>;
using DamagedFileIsSetAsideRow = std::tuple<QByteArray, QString>;
using SaveKeepsAVersionChangedElsewhereRow = std::tuple<QString, bool>;

class TestFavoritesLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void load_data() {
        const Rows<LoadRow> row;
        row("no file", QByteArray(), u"Root[]"_s);
        row("older array form", fixture(u"library-array-form.plist"_s),
            u"Root[Warm=FF0000 FF8000 FFFF00 FFFFFF]"_s);
        row("nested groups", fixture(u"library-nested.plist"_s), kNested);
        row("binary encoding",
            binaryPropertyList(*readPropertyList(fixture(u"library-nested.plist"_s))), kNested);
        row("array form, odd elements",
            xmlPropertyList(
                QVariantList{u"text"_s, QVariantList{}, QVariantList{u"Short"_s, u"123456"_s}}),
            u"Root[Short=123456 ffffff ffffff ffffff]"_s);
        row("group without a name, favorite without colours",
            xmlPropertyList(
                QVariantMap{{u"Group"_s, u"Root"_s},
                            {u"Entries"_s, QVariantList{QVariantMap{{u"Group"_s, 7}},
                                                        QVariantMap{{u"Name"_s, u"Bare"_s}}}}}),
            u"Root[[], Bare=ffffff ffffff ffffff ffffff]"_s);
    }
    void load() {
        ROW(LoadRow, file, tree);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Favorites.plist"_s);
        if (!file.isEmpty()) {
            QVERIFY(writeFile(path, file));
        }
        FavoritesLibrary library(path);
        FavoritesLibrary::LoadResult loaded = library.load();
        QVERIFY(!loaded.problem);
        QCOMPARE(outline(loaded.root.get()), tree);
        QCOMPARE(readFile(path), file); // loading never rewrites

        // Saved in the current form and loaded again, nothing changes.
        QVERIFY(!library.save(*loaded.root));
        const Expected<QVariant> saved = readPropertyList(readFile(path));
        QCOMPARE(saved->toMap().value(u"Group"_s), QVariant(u"Root"_s));
        QVERIFY(readFile(path).startsWith("<?xml"));
        QCOMPARE(outline(library.load().root.get()), tree);
    }

    void damagedFileIsSetAside_data() {
        const Rows<DamagedFileIsSetAsideRow> row;
        row("empty", QByteArray(), u"empty"_s);
        row("garbage", "\x89PNG\r\n\x1a\n"_ba, u"property list"_s);
        row("truncated", fixture(u"library-nested.plist"_s).left(900), u"truncated"_s);
        row("text at the top", xmlPropertyList(u"hello"_s), u"no favorites"_s);
        row("shared 22 levels", fixture(u"doubling-22.plist"_s), u"too many"_s);
        row("cycle", fixture(u"cycle.plist"_s), u"itself"_s);
    }
    void damagedFileIsSetAside() {
        ROW(DamagedFileIsSetAsideRow, file, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Favorites.plist"_s);
        QVERIFY(writeFile(path + u".damaged"_s, "an earlier one"_ba));
        QVERIFY(writeFile(path, file));
        FavoritesLibrary library(path);
        FavoritesLibrary::LoadResult loaded = library.load();
        QCOMPARE(outline(loaded.root.get()), u"Root[]"_s);
        QVERIFY(loaded.problem);
        QCOMPARE(loaded.problem->file, path);
        QVERIFY2(loaded.problem->message.contains(reason), qPrintable(loaded.problem->message));
        QVERIFY2(loaded.problem->message.contains(u"Favorites.plist.damaged-2"_s),
                 qPrintable(loaded.problem->message));
        QCOMPARE(readFile(path + u".damaged-2"_s), file);
        QCOMPARE(readFile(path + u".damaged"_s), "an earlier one"_ba);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!library.save(*loaded.root));
    }

    void saveCreatesTheFolderAndAsksWhatIsExpanded() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a/b/Favorites.plist"_s);
        FavoritesLibrary library(path);
        std::unique_ptr<SimpleTreeNode> root = library.load().root;
        auto group = std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(u"G"_s));
        root->insertChild(std::move(group), 0);
        QVERIFY(!library.save(*root, [](const TreeNode&) { return true; }));
        QCOMPARE(outline(library.load().root.get()), u"Root[G+[]]"_s);
        QVERIFY(!library.save(*root));
        QCOMPARE(outline(library.load().root.get()), u"Root[G[]]"_s);
    }

    // A file that changed since this library read or wrote it (another copy of the program,
    // a sync tool) is never overwritten: it is kept beside the new one and the user is told.
    void saveKeepsAVersionChangedElsewhere_data() {
        const Rows<SaveKeepsAVersionChangedElsewhereRow>
            row; // elsewhere: what happens to the file between saves
        row("rewritten with other favorites", u"rewrite"_s, true);
        row("created after an empty start", u"create"_s, true);
        row("touched, same content", u"touch"_s, false);
        row("removed", u"remove"_s, false);
        row("nothing: our own saves", u"nothing"_s, false);
    }
    void saveKeepsAVersionChangedElsewhere() {
        ROW(SaveKeepsAVersionChangedElsewhereRow, elsewhere, kept);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Favorites.plist"_s);
        const QByteArray theirs = xmlPropertyList(QVariantMap{
            {u"Group"_s, u"Root"_s},
            {u"Entries"_s, QVariantList{QVariantMap{{u"Name"_s, u"Theirs"_s},
                                                    {u"Colors"_s, QStringList{u"ff0000"_s}}}}}});
        if (elsewhere != u"create"_s)
            QVERIFY(writeFile(path, xmlPropertyList(libraryDictionaryFromArray({}))));
        FavoritesLibrary library(path);
        std::unique_ptr<SimpleTreeNode> root = library.load().root;
        root->insertChild(std::make_unique<SimpleTreeNode>(
                              SimpleNodeData::leafDataWithName(u"Ours"_s, {u"00ff00"_s})),
                          0);
        if (elsewhere != u"create"_s)
            QVERIFY(!library.write(FavoritesLibrary::contentOfTree(*root)).problem);

        QTest::qWait(20); // a different modification time
        if (elsewhere == u"rewrite"_s || elsewhere == u"create"_s) {
            QVERIFY(writeFile(path, theirs));
        } else if (elsewhere == u"touch"_s) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                     QFileDevice::FileModificationTime));
        } else if (elsewhere == u"remove"_s) {
            QVERIFY(QFile::remove(path));
        }
        const FavoritesLibrary::SaveResult saved =
            library.write(FavoritesLibrary::contentOfTree(*root));
        QVERIFY(!saved.problem);
        // A favorite of fewer than four colours is filled with white.
        QCOMPARE(outline(library.load().root.get()), u"Root[Ours=00ff00 ffffff ffffff ffffff]"_s);
        const QString aside = path + u".changed-elsewhere"_s;
        QCOMPARE(QFile::exists(aside), kept);
        QCOMPARE(saved.notice.has_value(), kept);
        if (kept) {
            QCOMPARE(readFile(aside), theirs);
            QVERIFY(saved.notice->contains(u"Favorites.plist.changed-elsewhere"_s));
        }
    }
};

QTEST_GUILESS_MAIN(TestFavoritesLibrary)
#include "tst_favoriteslibrary.moc"
