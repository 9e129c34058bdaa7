// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "apptesting.h"
#include "defaults.h"
#include "exchangefiles.h"
#include "exportsheet.h"
#include "favoritesmodel.h"
#include "favoritespane.h"
#include "favoritesselectionsheet.h"
#include "qvcustomtableview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "simpletreenode.h"
#include "storedcolors.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

QVariantMap favorite(const QString& name, const QString& colors) {
    return {{u"Name"_s, name}, {u"Colors"_s, colors.split(u' ')}};
}

QVariantMap group(const QString& name, const QVariantList& entries) {
    return {{u"Group"_s, name}, {u"Entries"_s, entries}};
}

QString nameOf(const TreeNode* node) {
    return SimpleTreeNode::dataOf(node)->name();
}

} // namespace

class TestFavoritesCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;
    FakePrompts* m_prompts = nullptr;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    TreeNode* root() const { return m_controller->treeData(); }
    QVCustomTableView* outline() const { return m_controller->favoritesPane()->outline(); }
    FavoritesPane* pane() const { return m_controller->favoritesPane(); }
    QString libraryPath() const { return m_dir.filePath(u"Favorites.plist"_s); }
    QString topLevel() const {
        QStringList names;
        for (const TreeNode* node : root()->children())
            names << nameOf(node);
        return names.join(u',');
    }
    // Two groups holding three favorites, and a favorite at the top level.
    void addLibrary() {
        const auto library = SimpleTreeNode::treeFromDictionary(
            group(u"Root"_s, {group(u"A"_s, {favorite(u"a1"_s, u"ff0000 00ff00 0000ff 000000"_s),
                                             favorite(u"a2"_s, u"111111 222222 333333 444444"_s)}),
                              group(u"B"_s, {favorite(u"b1"_s, u"aaaaaa bbbbbb cccccc dddddd"_s)}),
                              favorite(u"top"_s, u"123456 654321 abcdef fedcba"_s)}));
        root()->insertChildren(library->removeChildrenIdenticalTo(library->children()), 0);
    }
    void select(const QStringList& paths) {
        QList<TreeNode*> nodes;
        for (const QString& path : paths) {
            TreeNode* node = root();
            for (QStringView step : QStringView(path).split(u'/')) {
                if (node != root())
                    outline()->expand(m_controller->favoritesModel()->indexOfNode(node));
                node = node->childAtIndex(step.toInt());
            }
            nodes << node;
        }
        outline()->selectNodes(nodes);
    }
    template <typename Sheet>
    Sheet* waitForSheet() const {
        // Sheets that follow another one show once it has gone.
        QDeadlineTimer deadline(2000);
        while (!qobject_cast<Sheet*>(m_controller->sheet()) && !deadline.hasExpired())
            QTest::qWait(10);
        return qobject_cast<Sheet*>(m_controller->sheet());
    }
    QString hexes() const { return paletteText(m_controller->colorArray()); }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        QFile::remove(libraryPath());
        m_controller = std::make_unique<AppController>(libraryPath());
        auto prompts = std::make_unique<FakePrompts>();
        m_prompts = prompts.get();
        m_controller->setPrompts(std::move(prompts));
    }
    void cleanup() { m_controller.reset(); }

    // Where new items go is the outline's rule, tested with it; here the commands' part.
    void addingTakesThePaletteAndOpensTheName() {
        m_controller->setColor(*Color::colorFromHex("336699"), 1);
        m_controller->addFavorite();
        TreeNode* added = root()->lastChild();
        QCOMPARE(SimpleTreeNode::dataOf(added)->colorArray(),
                 (QStringList{u"ffffff"_s, u"336699"_s, u"ffffff"_s, u"ffffff"_s}));
        static const QRegularExpression moment(uR"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d{4}$)"_s);
        QVERIFY(moment.match(nameOf(added)).hasMatch());
        QCOMPARE(outline()->selectedNodes(), QList<TreeNode*>{added});
        QVERIFY(outline()->viewport()->findChild<QLineEdit*>()); // the name is open for typing
        m_controller->addGroup();
        QCOMPARE(nameOf(root()->lastChild()), u"untitled"_s);
    }

    void commandsFollowTheSelection_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("enabled"); // use, replace, delete
        QTest::newRow("nothing") << QStringList() << u"---"_s;
        QTest::newRow("one favorite") << QStringList{u"2"_s} << u"urd"_s;
        QTest::newRow("a group") << QStringList{u"0"_s} << u"--d"_s;
        QTest::newRow("two favorites") << QStringList{u"0/0"_s, u"2"_s} << u"--d"_s;
    }
    void commandsFollowTheSelection() {
        QFETCH(QStringList, selection);
        QFETCH(QString, enabled);
        addLibrary();
        select(selection);
        const QString shown = QString(pane()->useAction()->isEnabled() ? u'u' : u'-') +
                              (pane()->replaceAction()->isEnabled() ? u'r' : u'-') +
                              (pane()->deleteAction()->isEnabled() ? u'd' : u'-');
        QCOMPARE(shown, enabled);
        m_controller->mainWindow()->show();
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(m_controller->validateMenuItem(o().favoritesItems[i]), enabled[i] != u'-');
        // The preview shows the one selected favorite, white otherwise.
        const Color first = pane()->preview()->colors().first();
        QCOMPARE(first, (enabled == u"urd" ? *Color::colorFromHex("123456") : Color{1, 1, 1, 1}));
    }

    // Closing a group lets go of the rows it hides; the commands and the preview follow.
    void collapsingDeselectsWhatItHides_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("collapsed");
        QTest::addColumn<QString>("kept");    // names still selected
        QTest::addColumn<QString>("enabled"); // use, replace, delete
        QTest::newRow("a favorite inside")
            << QStringList{u"0/1"_s} << u"0"_s << QString() << u"---"_s;
        QTest::newRow("one inside, one outside")
            << QStringList{u"0/0"_s, u"2"_s} << u"0"_s << u"top"_s << u"urd"_s;
        QTest::newRow("the group itself") << QStringList{u"0"_s} << u"0"_s << u"A"_s << u"--d"_s;
        QTest::newRow("another group") << QStringList{u"1/0"_s} << u"0"_s << u"b1"_s << u"urd"_s;
    }
    void collapsingDeselectsWhatItHides() {
        QFETCH(QStringList, selection);
        QFETCH(QString, collapsed);
        QFETCH(QString, kept);
        QFETCH(QString, enabled);
        addLibrary();
        select(selection);
        QCOMPARE(outline()->selectedNodes().size(), selection.size());
        outline()->collapse(
            m_controller->favoritesModel()->indexOfNode(root()->childAtIndex(collapsed.toInt())));
        QStringList names;
        for (const TreeNode* node : outline()->selectedNodes())
            names << nameOf(node);
        QCOMPARE(names.join(u','), kept);
        const QString shown = QString(pane()->useAction()->isEnabled() ? u'u' : u'-') +
                              (pane()->replaceAction()->isEnabled() ? u'r' : u'-') +
                              (pane()->deleteAction()->isEnabled() ? u'd' : u'-');
        QCOMPARE(shown, enabled);
        if (enabled != u"urd")
            QCOMPARE(pane()->preview()->colors().first(), (Color{1, 1, 1, 1}));
        // Deleting acts on what is seen.
        m_prompts->deleteAnswer = true;
        pane()->deleteAction()->trigger();
        QCOMPARE(SimpleTreeNode::dataOf(root()->childAtIndex(0))->name(),
                 kept == u"A" ? u"B"_s : u"A"_s);
        QCOMPARE(root()->childAtIndex(0)->numberOfChildren(), kept == u"A" ? 1 : 2);
    }

    // A new favorite always shows, in edit, even when it lands in a closed group.
    void newFavoriteIsVisibleAndInEdit_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("parent");
        QTest::newRow("nothing selected") << QString() << u"Root"_s;
        QTest::newRow("selection hidden by a closed group") << u"0/1"_s << u"Root"_s;
        QTest::newRow("a closed group") << u"1"_s << u"B"_s;
    }
    void newFavoriteIsVisibleAndInEdit() {
        QFETCH(QString, selected);
        QFETCH(QString, parent);
        addLibrary();
        if (!selected.isEmpty())
            select({selected});
        FavoritesModel* model = m_controller->favoritesModel();
        outline()->collapse(model->indexOfNode(root()->childAtIndex(0)));
        outline()->collapse(model->indexOfNode(root()->childAtIndex(1)));
        pane()->addFavoriteAction()->trigger();
        const QList<TreeNode*> chosen = outline()->selectedNodes();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(nameOf(chosen.first()->nodeParent()), parent);
        for (QModelIndex up = model->indexOfNode(chosen.first()).parent(); up.isValid();
             up = up.parent())
            QVERIFY(outline()->isExpanded(up));
        QVERIFY(outline()->viewport()->findChild<QLineEdit*>());
    }

    void deletingAsksFirst() {
        addLibrary();
        select({u"0"_s, u"2"_s});
        QTest::keyClick(outline(), Qt::Key_Delete); // answered "Cancel"
        QCOMPARE(m_prompts->deleteQuestions, 1);
        QCOMPARE(topLevel(), u"A,B,top"_s);
        m_prompts->deleteAnswer = true;
        pane()->deleteAction()->trigger();
        QCOMPARE(topLevel(), u"B"_s);
        QVERIFY(outline()->selectedNodes().isEmpty());
        outline()->clearSelection();
        m_controller->remFavorite(); // nothing selected: nothing asked
        QCOMPARE(m_prompts->deleteQuestions, 2);
    }

    void useAndReplaceSelectedFavorite() {
        addLibrary();
        select({u"0/1"_s});
        o().favoritesItems[0]->trigger();
        QCOMPARE(hexes(), u"111111 222222 333333 444444"_s);
        m_controller->setColor(*Color::colorFromHex("abcdef"), 0);
        pane()->replaceAction()->trigger();
        QCOMPARE(SimpleTreeNode::dataOf(root()->childAtIndex(0)->childAtIndex(1))->colorArray(),
                 (QStringList{u"abcdef"_s, u"222222"_s, u"333333"_s, u"444444"_s}));
        QCOMPARE(pane()->preview()->colors().first(), *Color::colorFromHex("abcdef"));
        o().undoStack->undo();
        o().undoStack->undo();
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);

        outline()->clearSelection(); // "Use" with nothing chosen keeps the palette
        m_controller->sendToCurrent(SendSource::FavoritesPreview);
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);
    }

    void everyChangeReachesTheFileSoon() {
        m_controller->addFavorite();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(libraryPath()), 3000);
        FavoritesLibrary library(libraryPath());
        const auto loaded = library.load();
        QCOMPARE(loaded.root->numberOfChildren(), 1);
        QVERIFY(!loaded.problem);
    }

    void exportsThroughTheSheets_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("palette") << u"tnp"_s << false;
        QTest::newRow("palette, cancelled") << u"tnp"_s << true;
        QTest::newRow("favorites, second unticked") << u"tnf"_s << false;
    }
    void exportsThroughTheSheets() {
        QFETCH(QString, kind);
        QFETCH(bool, cancelled);
        addLibrary();
        m_controller->setColor(*Color::colorFromHex("336699"), 1);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Out."_s + kind);
        m_prompts->fileToSave = cancelled ? QString() : path;

        m_controller->saveDocument();
        auto* choice = waitForSheet<ExportSheet>();
        QVERIFY(choice);
        QCOMPARE(choice->windowModality(), Qt::WindowModal);
        if (kind == u"tnp") {
            choice->paletteButton()->click();
        } else {
            choice->favoritesButton()->click();
            auto* selection = waitForSheet<FavoritesSelectionSheet>();
            QVERIFY(selection);
            QCOMPARE(selection->flags(), (QList<int>{1, 1, 1, 1}));
            selection->setTicked(1, false);
            selection->acceptButton()->click();
        }
        QCOMPARE(m_prompts->folders.size(), 1);
        QCOMPARE(QFile::exists(path), !cancelled);
        QCOMPARE(Defaults::standard().stringValue(keys::LastSaveDirectory),
                 cancelled ? u"~/Desktop"_s : folder.path());
        if (kind == u"tnp" && !cancelled)
            QCOMPARE(PaletteFile::read(path)->at(1), *Color::colorFromHex("336699"));
        if (kind == u"tnf") {
            QStringList names;
            const FileResult<FavoritesImport> written = FavoritesFile::read(path);
            for (const FavoriteEntry& entry : written->favorites)
                names << entry.name;
            QCOMPARE(names, (QStringList{u"a1"_s, u"b1"_s, u"top"_s}));
        }
    }

    void importsTheTickedFavoritesAsAClosedGroup() {
        addLibrary();
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Spring.tnf"_s);
        QVERIFY(!FavoritesFile::write(path, {{u"s1"_s, QStringList(4, u"ff0000"_s)},
                                             {u"s2"_s, QStringList(4, u"00ff00"_s)},
                                             {u"s3"_s, QStringList(4, u"0000ff"_s)}}));
        m_prompts->fileToOpen = path;
        m_controller->openDocument();
        auto* sheet = waitForSheet<FavoritesSelectionSheet>();
        QVERIFY(sheet);
        QCOMPARE(sheet->flags(), (QList<int>{1, 1, 1}));
        sheet->setTicked(1, false);
        sheet->acceptButton()->click();

        QCOMPARE(topLevel(), u"A,B,top,Spring"_s);
        TreeNode* spring = root()->lastChild();
        QCOMPARE(nameOf(spring->childAtIndex(0)) + nameOf(spring->childAtIndex(1)), u"s1s3"_s);
        QCOMPARE(spring->numberOfChildren(), 2);
        QVERIFY(!outline()->isExpanded(m_controller->favoritesModel()->indexOfNode(spring)));
        // Favorites files leave the Open dialog's folder alone.
        QCOMPARE(Defaults::standard().stringValue(keys::LastOpenDirectory), u"~/Desktop"_s);
    }

    void opensPaletteFiles() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Sea.tnp"_s);
        QVERIFY(!PaletteFile::write(
            path, {*Color::colorFromHex("001122"), *Color::colorFromHex("334455"),
                   *Color::colorFromHex("667788"), *Color::colorFromHex("99aabb")}));
        m_controller->openFiles({path, folder.filePath(u"notes.txt"_s)});
        QVERIFY(m_controller->mainWindow()->isVisible());
        QCOMPARE(hexes(), u"001122 334455 667788 99aabb"_s);
        QVERIFY(!m_controller->openFile(folder.filePath(u"notes.txt"_s)));
        o().undoStack->undo();
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);
        // Through the Open dialog, which then starts in the palette's folder.
        m_prompts->fileToOpen = path;
        m_controller->openDocument();
        QCOMPARE(hexes(), u"001122 334455 667788 99aabb"_s);
        QCOMPARE(Defaults::standard().stringValue(keys::LastOpenDirectory), folder.path());
    }

    void damagedFilesChangeNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("palette") << u"Broken.tnp"_s;
        QTest::newRow("favorites") << u"Broken.tnf"_s;
    }
    void damagedFilesChangeNothing() {
        QFETCH(QString, name);
        addLibrary();
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bplist00\x01\x02garbage");
        file.close();
        m_controller->openFiles({file.fileName()});
        QCOMPARE(m_prompts->errors.size(), 1);
        QVERIFY(m_prompts->errors.first().contains(name));
        QVERIFY(!m_controller->sheet());
        QCOMPARE(topLevel(), u"A,B,top"_s);
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);
    }

    // Many bad files handed over at once make one message that names the first few.
    void badFilesHandedOverTogetherGiveOneMessage_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("summary");
        QTest::newRow("one") << 1 << QString();
        QTest::newRow("three") << 3 << u"3 files could not be opened"_s;
        QTest::newRow("150") << 150 << u"… and 140 more."_s;
    }
    void badFilesHandedOverTogetherGiveOneMessage() {
        QFETCH(int, count);
        QFETCH(QString, summary);
        QTemporaryDir folder;
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << folder.filePath(u"Missing %1.%2"_s.arg(i).arg(i % 2 ? u"tnp"_s : u"tnf"_s));
        m_controller->openFiles(files);
        QCOMPARE(m_prompts->errors.size(), 1);
        const QString message = m_prompts->errors.first();
        QVERIFY2(message.contains(u"Missing 0.tnf"_s), qPrintable(message));
        QVERIFY2(message.contains(summary), qPrintable(message));
        QVERIFY(!m_controller->sheet());
    }
};

QTEST_MAIN(TestFavoritesCommands)
#include "tst_favoritescommands.moc"
