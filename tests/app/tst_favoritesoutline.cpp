// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "datarows.h"
#include "favoriteslibrary.h"
#include "favoritesoutline.h"
#include "favoritespane.h"
#include "propertylist.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using FailedSaveRow = std::tuple<QList<UserPrompts::FailedSaveChoice>, bool, int, bool>;

// The favorites outline alone, on a library of its own and a palette in memory.
class TestFavoritesOutline : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<FavoritesLibrary> m_library;
    std::unique_ptr<SimpleTreeNode> m_tree;
    FakePaletteEditor m_palette;
    std::unique_ptr<FakePrompts> m_prompts;
    std::unique_ptr<FavoritesOutline> m_outline;

    QString libraryPath() const { return m_dir.filePath(u"Favorites.plist"_s); }
    TreeNode* root() const { return m_tree.get(); }
    QVCustomTableView* outline() const { return m_outline->pane()->outline(); }
    FavoritesPane* pane() const { return m_outline->pane(); }
    QString topLevel() const { return topLevelNames(root()); }
    void select(const QStringList& paths) { selectPaths(outline(), m_outline->model(), paths); }
    // As at start: the library as loaded, or an empty one.
    void start(const QString& path) {
        m_outline.reset();
        m_prompts = std::make_unique<FakePrompts>();
        m_window = std::make_unique<QWidget>();
        auto* area = new QWidget(m_window.get());
        new QVBoxLayout(area);
        auto* menu = new QMenu(m_window.get());
        FavoritesOutlineWidgets widgets{area, {}, m_window.get()};
        for (QAction*& item : widgets.favoritesItems)
            item = menu->addAction(u"item"_s);
        m_library = std::make_unique<FavoritesLibrary>(path);
        FavoritesLibrary::LoadResult loaded = m_library->load();
        m_tree = loaded.root ? std::move(loaded.root) : SimpleTreeNode::emptyLibrary();
        m_outline =
            std::make_unique<FavoritesOutline>(widgets, *m_library, *m_tree, m_palette,
                                               [this]() -> UserPrompts& { return *m_prompts; });
        if (loaded.upToDate)
            m_outline->setFileHoldsTree();
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        QFile::remove(libraryPath());
        start(libraryPath());
    }
    void cleanup() {
        m_outline.reset();
        m_window.reset();
    }

    // A new favorite takes the palette and always shows, its name (the moment) open for typing,
    // even when it lands in a closed group. Where it goes is the outline's rule, tested there.
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
        addTestLibrary(root());
        if (!selected.isEmpty())
            select({selected});
        FavoritesModel* model = m_outline->model();
        outline()->collapse(model->indexOfNode(root()->childAtIndex(0)));
        outline()->collapse(model->indexOfNode(root()->childAtIndex(1)));
        m_palette.colors[1] = *Color::colorFromHex("336699");
        pane()->addFavoriteAction()->trigger();
        const QList<TreeNode*> chosen = outline()->selectedNodes();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(nameOf(chosen.first()->nodeParent()), parent);
        QCOMPARE(SimpleTreeNode::dataOf(chosen.first())->colorArray(),
                 (QStringList{u"ffffff"_s, u"336699"_s, u"ffffff"_s, u"ffffff"_s}));
        static const QRegularExpression moment(uR"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d{4}$)"_s);
        QVERIFY(moment.match(nameOf(chosen.first())).hasMatch());
        for (QModelIndex up = model->indexOfNode(chosen.first()).parent(); up.isValid();
             up = up.parent())
            QVERIFY(outline()->isExpanded(up));
        QVERIFY(outline()->viewport()->findChild<QLineEdit*>());
        if (selected.isEmpty()) {
            m_outline->addGroup();
            QCOMPARE(nameOf(root()->lastChild()), u"untitled"_s);
        }
    }

    void deletingAsksFirst() {
        addTestLibrary(root());
        select({u"0"_s, u"2"_s});
        QTest::keyClick(outline(), Qt::Key_Delete); // answered "Cancel"
        QCOMPARE(m_prompts->deleteQuestions, 1);
        QCOMPARE(topLevel(), u"A,B,top"_s);
        m_prompts->deleteAnswer = true;
        pane()->deleteAction()->trigger();
        QCOMPARE(topLevel(), u"B"_s);
        QVERIFY(outline()->selectedNodes().isEmpty());
        outline()->clearSelection();
        m_outline->remFavorite(); // nothing selected: nothing asked
        QCOMPARE(m_prompts->deleteQuestions, 2);
    }

    // The library that cannot be written at quit is not dropped in silence: the user is asked
    // until they retry with success, save a copy elsewhere or choose to quit anyway.
    void failedSaveAtQuitAsksTheUser_data() {
        using enum UserPrompts::FailedSaveChoice;
        const Rows<FailedSaveRow> row; // answers, a file chosen, questions asked, copy written
        row("retry, then quit anyway", QList{Retry, QuitAnyway}, false, 2, false);
        row("save elsewhere", QList{SaveElsewhere}, true, 1, true);
        row("save elsewhere cancelled, then quit anyway", QList{SaveElsewhere, QuitAnyway}, false,
            2, false);
    }
    void failedSaveAtQuitAsksTheUser() {
        // A plain file where the library's folder should be makes every save fail.
        const QString blocker = m_dir.filePath(u"blocker"_s);
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        start(blocker + u"/Favorites.plist"_s);
        ROW(FailedSaveRow, answers, chooseFile, questions, copied);
        FakePrompts* prompts = m_prompts.get();
        prompts->failedSaveChoices = answers;
        const QString copy = m_dir.filePath(u"Copy.plist"_s);
        QFile::remove(copy);
        if (chooseFile)
            prompts->fileToSave = copy;
        m_outline->saveLibrary();
        QCOMPARE(prompts->failedSaveQuestions.size(), questions);
        // The message names the folder and the cause, not an "Unknown error".
        const QString question = prompts->failedSaveQuestions.first();
        QVERIFY2(question.contains(m_dir.path()), qPrintable(question));
        QVERIFY2(!question.contains(u"Unknown error"_s), qPrintable(question));
        QCOMPARE(QFile::exists(copy), copied);
        if (copied)
            QVERIFY(!FavoritesLibrary(copy).load().problem);
        QFile::remove(blocker);
    }

    // Quitting does not write a library the file already holds (a large one takes a while),
    // but writes it when the file went away or changed meanwhile.
    void quitWritesTheLibraryOnlyWhenTheFileDiffers_data() {
        QTest::addColumn<QString>("meanwhile");
        for (const char* meanwhile : {"nothing", "remove", "replace"})
            QTest::newRow(meanwhile) << QString::fromLatin1(meanwhile);
    }
    void quitWritesTheLibraryOnlyWhenTheFileDiffers() {
        const QString path = libraryPath();
        m_outline->saveLibrary();
        QVERIFY(QFile::exists(path));
        start(path);
        QFETCH(QString, meanwhile);
        if (meanwhile != u"nothing")
            QVERIFY(QFile::remove(path));
        if (meanwhile == u"replace")
            QVERIFY(testrows::writeFile(path, xmlPropertyList(libraryDictionaryFromArray({QVariant(
                                                  QVariantList{u"Other"_s, u"ff0000"_s})}))));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
        if (QFile::exists(path)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
        }
        m_outline->saveLibrary();
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).lastModified() != before, meanwhile != u"nothing");
    }
};

QTEST_MAIN(TestFavoritesOutline)
#include "tst_favoritesoutline.moc"
