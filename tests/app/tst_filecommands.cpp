// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "datarows.h"
#include "defaults.h"
#include "exchangefiles.h"
#include "exportsheet.h"
#include "favoritesselectionsheet.h"
#include "filecommands.h"
#include "simpletreenode.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::row;

// The file commands alone, on a favorites tree and a palette in memory.
class TestFileCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<QMainWindow> m_window;
    std::unique_ptr<SimpleTreeNode> m_tree;
    QUndoStack m_stack;
    FakePaletteEditor m_palette;
    FakePrompts* m_prompts = nullptr;
    std::unique_ptr<FakePrompts> m_ownPrompts;
    std::unique_ptr<FileCommands> m_files;

    TreeNode* root() const { return m_tree.get(); }
    QString topLevel() const { return topLevelNames(root()); }
    void addLibrary() { addTestLibrary(root()); }
    template <typename Sheet>
    Sheet* waitForSheet() const {
        // Sheets that follow another one show once it has gone.
        QDeadlineTimer deadline(2000);
        while (!qobject_cast<Sheet*>(m_files->sheet()) && !deadline.hasExpired())
            QTest::qWait(10);
        return qobject_cast<Sheet*>(m_files->sheet());
    }
    // Saves the favorites to `name` with the given rows unticked in the selection sheet.
    QString exportFavorites(const QTemporaryDir& folder, const QString& name,
                            const QList<int>& unticked) {
        m_prompts->fileToSave = folder.filePath(name);
        m_files->saveDocument();
        waitForSheet<ExportSheet>()->favoritesButton()->click();
        auto* selection = waitForSheet<FavoritesSelectionSheet>();
        if (!selection)
            return {};
        for (int i : unticked)
            selection->setTicked(i, false);
        selection->acceptButton()->click();
        return m_prompts->fileToSave;
    }
    QString writeIn(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        return testrows::writeFile(path, bytes) ? path : QString();
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_stack.clear();
        m_palette.colors = FakePaletteEditor().colors;
        m_window = std::make_unique<QMainWindow>();
        m_tree = SimpleTreeNode::emptyLibrary();
        m_ownPrompts = std::make_unique<FakePrompts>();
        m_prompts = m_ownPrompts.get();
        m_files = std::make_unique<FileCommands>(
            FileCommandsWidgets{m_window.get(), new QAction(m_window.get()),
                                new QAction(m_window.get()), &m_stack},
            *m_tree, m_palette, [this]() -> UserPrompts& { return *m_prompts; });
    }
    void cleanup() {
        m_files.reset();
        m_window.reset();
    }

    void exportsThroughTheSheets_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("cancelled");
        row("palette", u"tnp"_s, false);
        row("palette, cancelled", u"tnp"_s, true);
        row("favorites, second unticked", u"tnf"_s, false);
    }
    void exportsThroughTheSheets() {
        QFETCH(QString, kind);
        QFETCH(bool, cancelled);
        addLibrary();
        m_palette.colors[1] = *Color::colorFromHex("336699");
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Out."_s + kind);
        m_prompts->fileToSave = cancelled ? QString() : path;
        if (kind == u"tnp") {
            m_files->saveDocument();
            waitForSheet<ExportSheet>()->paletteButton()->click();
        } else {
            QCOMPARE(exportFavorites(folder, u"Out.tnf"_s, {1}), path);
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
        m_files->openDocument();
        auto* sheet = waitForSheet<FavoritesSelectionSheet>();
        QVERIFY(sheet);
        sheet->setTicked(1, false);
        sheet->acceptButton()->click();

        QCOMPARE(topLevel(), u"A,B,top,Spring"_s);
        TreeNode* spring = root()->lastChild();
        QCOMPARE(topLevelNames(spring), u"s1,s3"_s);
        QVERIFY(!SimpleTreeNode::dataOf(spring)->expStart());
        // Favorites files leave the Open dialog's folder alone.
        QCOMPARE(Defaults::standard().stringValue(keys::LastOpenDirectory), u"~/Desktop"_s);
    }

    void opensPaletteFiles() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Sea.tnp"_s);
        QVERIFY(!PaletteFile::write(
            path, {*Color::colorFromHex("001122"), *Color::colorFromHex("334455"),
                   *Color::colorFromHex("667788"), *Color::colorFromHex("99aabb")}));
        QSignalSpy windowNeeded(m_files.get(), &FileCommands::windowNeeded);
        m_files->openFiles({path, folder.filePath(u"notes.txt"_s)});
        QCOMPARE(windowNeeded.count(), 1);
        QVERIFY(m_window->statusBar()->currentMessage().contains(u"notes.txt"_s));
        QCOMPARE(paletteText(m_palette.colors), u"001122 334455 667788 99aabb"_s);
        QVERIFY(!m_files->openFile(folder.filePath(u"notes.txt"_s)));
        m_stack.undo();
        QCOMPARE(paletteText(m_palette.colors), u"ffffff ffffff ffffff ffffff"_s);
        // Through the Open dialog, which then starts in the palette's folder.
        m_prompts->fileToOpen = path;
        m_files->openDocument();
        QCOMPARE(paletteText(m_palette.colors), u"001122 334455 667788 99aabb"_s);
        QCOMPARE(Defaults::standard().stringValue(keys::LastOpenDirectory), folder.path());
    }

    void damagedFilesChangeNothing_data() {
        QTest::addColumn<QString>("name");
        for (const char* type : {"tnp", "tnf", "gpl", "css", "json"})
            QTest::newRow(type) << u"Broken."_s + QLatin1StringView(type);
    }
    void damagedFilesChangeNothing() {
        QFETCH(QString, name);
        addLibrary();
        QTemporaryDir folder;
        m_prompts->fileToOpen = writeIn(folder, name, "bplist00\x01\x02garbage"_ba);
        m_files->openDocument();
        QCOMPARE(m_prompts->errors.size(), 1);
        QVERIFY(m_prompts->errors.first().contains(name));
        QVERIFY(!m_files->sheet());
        QCOMPARE(topLevel(), u"A,B,top"_s);
        QCOMPARE(paletteText(m_palette.colors), u"ffffff ffffff ffffff ffffff"_s);
        QCOMPARE(m_stack.count(), 0);
    }

    // A file of up to four colours goes into the wells as one undo step; fewer leave the
    // rest alone.
    void importsPalettesOfOtherPrograms_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("wells");
        row("GIMP, two colours", u"Two.gpl"_s, "GIMP Palette\n1 2 3\n4 5 6\n"_ba,
            u"010203 040506 123456 123456"_s);
        row("CSS", u"Brand.css"_s, ":root { --a: #336699; --b: red; --c: #fff; --d: #000; }"_ba,
            u"336699 ff0000 ffffff 000000"_s);
    }
    void importsPalettesOfOtherPrograms() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, wells);
        m_palette.colors.fill(*Color::colorFromHex("123456"));
        QTemporaryDir folder;
        m_prompts->fileToOpen = writeIn(folder, name, bytes);
        m_files->openDocument();
        QVERIFY(!m_files->sheet());
        QCOMPARE(paletteText(m_palette.colors), wells);
        QCOMPARE(m_window->statusBar()->currentMessage().contains(u"unchanged"_s),
                 wells.endsWith(u"123456"_s));
        QCOMPARE(m_stack.count(), 1);
        m_stack.undo();
        QCOMPARE(paletteText(m_palette.colors), u"123456 123456 123456 123456"_s);
    }

    // The file's extension decides its format; without a known one, the dialog's filter.
    void exportedPalettesReadBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QByteArray>("start");
        row("gpl", u"Out.gpl"_s, u"tnp"_s, "GIMP Palette\nName: Out\n"_ba);
        row("css", u"Out.css"_s, u"json"_s, "/* Out */"_ba);
        row("json", u"Out.json"_s, QString(), "{"_ba);
        row("by filter", u"Out.txt"_s, u"gpl"_s, "GIMP Palette\n"_ba);
    }
    void exportedPalettesReadBack() {
        QFETCH(QString, name);
        QFETCH(QString, picked);
        QFETCH(QByteArray, start);
        const QString colors = u"336699 ff9933 000000 abcdef"_s;
        for (int i = 0; i < 4; ++i)
            m_palette.colors[i] = *Color::colorFromHex(colors.section(u' ', i, i).toStdString());
        QTemporaryDir folder;
        m_prompts->fileToSave = folder.filePath(name);
        m_prompts->typeToSave = picked;
        m_files->saveDocument();
        waitForSheet<ExportSheet>()->paletteButton()->click();
        QCOMPARE(m_prompts->typesOffered, (QStringList{u"tnp"_s, u"gpl"_s, u"css"_s, u"json"_s}));
        QVERIFY2(testrows::readFile(m_prompts->fileToSave).startsWith(start), qPrintable(name));
        if (name.endsWith(u".txt"))
            return;
        m_palette.colors = FakePaletteEditor().colors;
        m_prompts->fileToOpen = m_prompts->fileToSave;
        m_files->openDocument();
        QCOMPARE(paletteText(m_palette.colors), colors);
        QVERIFY(m_prompts->errors.isEmpty());
    }

    // Chosen favorites keep their names and groups in the file, and come back under a group
    // named after it.
    void exportedFavoritesKeepTheirGroups() {
        addLibrary();
        QTemporaryDir folder;
        m_prompts->fileToOpen = exportFavorites(folder, u"Fav.gpl"_s, {1});
        m_files->openDocument();
        auto* import = waitForSheet<FavoritesSelectionSheet>();
        QVERIFY(import);
        QCOMPARE(import->entries().first().name, u"A / a1"_s);
        import->setTicked(2, false);
        import->acceptButton()->click();
        QCOMPARE(topLevel(), u"A,B,top,Fav"_s);
        const TreeNode* fav = root()->lastChild();
        QCOMPARE(topLevelNames(fav), u"A,B"_s);
        QCOMPARE(topLevelNames(fav->childAtIndex(0)), u"a1"_s);
    }

    // No favorite ticked: a GIMP palette of no colours could not be read back.
    void exportingNoFavoritesToGimpWritesNothing() {
        addLibrary();
        QTemporaryDir folder;
        QVERIFY(!QFile::exists(exportFavorites(folder, u"None.gpl"_s, {0, 1, 2, 3})));
        QCOMPARE(m_prompts->errors.size(), 1);
        QVERIFY(m_prompts->errors.first().contains(u"None.gpl"_s));
    }

    // Many bad files handed over at once make one message that names the first few.
    void badFilesHandedOverTogetherGiveOneMessage_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("summary");
        row("one", 1, QString());
        row("three", 3, u"3 files could not be opened"_s);
        row("150", 150, u"… and 140 more."_s);
    }
    void badFilesHandedOverTogetherGiveOneMessage() {
        QFETCH(int, count);
        QFETCH(QString, summary);
        QTemporaryDir folder;
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << folder.filePath(u"Missing %1.%2"_s.arg(i).arg(i % 2 ? u"tnp"_s : u"tnf"_s));
        m_files->openFiles(files);
        QCOMPARE(m_prompts->errors.size(), 1);
        const QString message = m_prompts->errors.first();
        QVERIFY2(message.contains(u"Missing 0.tnf"_s), qPrintable(message));
        QVERIFY2(message.contains(summary), qPrintable(message));
        QVERIFY(!m_files->sheet());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
