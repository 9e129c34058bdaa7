// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "defaults.h"
#include "exchangefiles.h"
#include "exportsheet.h"
#include "favoritesselectionsheet.h"
#include "filecommands.h"
#include "interchangefiles.h"
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
        QTest::newRow("palette") << u"tnp"_s << false;
        QTest::newRow("palette, cancelled") << u"tnp"_s << true;
        QTest::newRow("favorites, second unticked") << u"tnf"_s << false;
    }
    void exportsThroughTheSheets() {
        QFETCH(QString, kind);
        QFETCH(bool, cancelled);
        addLibrary();
        m_palette.colors[1] = *Color::colorFromHex("336699");
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Out."_s + kind);
        m_prompts->fileToSave = cancelled ? QString() : path;

        m_files->saveDocument();
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
        m_files->openDocument();
        auto* sheet = waitForSheet<FavoritesSelectionSheet>();
        QVERIFY(sheet);
        QCOMPARE(sheet->flags(), (QList<int>{1, 1, 1}));
        sheet->setTicked(1, false);
        sheet->acceptButton()->click();

        QCOMPARE(topLevel(), u"A,B,top,Spring"_s);
        TreeNode* spring = root()->lastChild();
        QCOMPARE(nameOf(spring->childAtIndex(0)) + nameOf(spring->childAtIndex(1)), u"s1s3"_s);
        QCOMPARE(spring->numberOfChildren(), 2);
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
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bplist00\x01\x02garbage");
        file.close();
        m_prompts->fileToOpen = file.fileName();
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
        QTest::newRow("GIMP") << u"Bright.gpl"_s
                              << "GIMP Palette\r\nName: Bright\r\nColumns: 16\r\n#\r\n"
                                 "255   0   0\tRed\r\n  0 255   0\tGreen\r\n"
                                 "  0   0 255\tBlue\r\n 10  20  30\tUntitled\r\n"_ba
                              << u"ff0000 00ff00 0000ff 0a141e"_s;
        QTest::newRow("GIMP, two colours") << u"Two.gpl"_s << "GIMP Palette\n1 2 3\n4 5 6\n"_ba
                                           << u"010203 040506 123456 123456"_s;
        QTest::newRow("CSS") << u"Brand.css"_s
                             << ":root {\n  --brand: #336699;\n  --accent: rebeccapurple;\n"
                                "  --gap: 4px;\n  --warn: rgb(255 0 0);\n  --ink: #000;\n}\n"_ba
                             << u"336699 663399 ff0000 000000"_s;
        QTest::newRow("JSON") << u"Wells.json"_s << R"({"format": "tintmere-palette", "version": 1,
                                     "colors": ["#336699", "red", "#fff", "#000000"]})"_ba
                              << u"336699 ff0000 ffffff 000000"_s;
    }
    void importsPalettesOfOtherPrograms() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, wells);
        m_palette.colors.fill(*Color::colorFromHex("123456"));
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        m_prompts->fileToOpen = file.fileName();
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
        QTest::newRow("gpl") << u"Out.gpl"_s << u"tnp"_s << "GIMP Palette\nName: Out\n"_ba;
        QTest::newRow("css") << u"Out.css"_s << u"json"_s << "/* Out */"_ba;
        QTest::newRow("json") << u"Out.json"_s << QString() << "{"_ba;
        QTest::newRow("by filter") << u"Out.txt"_s << u"gpl"_s << "GIMP Palette\n"_ba;
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
        QFile file(m_prompts->fileToSave);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(start), qPrintable(name));
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
    void exportedFavoritesKeepTheirGroups_data() {
        QTest::addColumn<QString>("type");
        for (const char* type : {"gpl", "css", "json"})
            QTest::newRow(type) << QString::fromLatin1(type);
    }
    void exportedFavoritesKeepTheirGroups() {
        QFETCH(QString, type);
        addLibrary();
        QTemporaryDir folder;
        m_prompts->fileToSave = folder.filePath(u"Fav."_s + type);
        m_files->saveDocument();
        waitForSheet<ExportSheet>()->favoritesButton()->click();
        auto* selection = waitForSheet<FavoritesSelectionSheet>();
        QVERIFY(selection);
        selection->setTicked(1, false);
        selection->acceptButton()->click();

        const FileResult<InterchangeContents> written =
            InterchangeFile::read(m_prompts->fileToSave);
        QVERIFY(written);
        const QList<FavoriteGroup> groups{
            {u"A"_s, {{u"a1"_s, {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"000000"_s}}}},
            {u"B"_s, {{u"b1"_s, {u"aaaaaa"_s, u"bbbbbb"_s, u"cccccc"_s, u"dddddd"_s}}}},
            {{}, {{u"top"_s, {u"123456"_s, u"654321"_s, u"abcdef"_s, u"fedcba"_s}}}}};
        QCOMPARE(written->groups, groups);

        m_prompts->fileToOpen = m_prompts->fileToSave;
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
        m_prompts->fileToSave = folder.filePath(u"None.gpl"_s);
        m_files->saveDocument();
        waitForSheet<ExportSheet>()->favoritesButton()->click();
        auto* selection = waitForSheet<FavoritesSelectionSheet>();
        for (int row = 0; row < 4; ++row)
            selection->setTicked(row, false);
        selection->acceptButton()->click();
        QCOMPARE(m_prompts->errors.size(), 1);
        QVERIFY(m_prompts->errors.first().contains(u"None.gpl"_s));
        QVERIFY(!QFile::exists(m_prompts->fileToSave));
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
