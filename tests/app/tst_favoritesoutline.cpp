// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "defaults.h"
#include "favoriteslibrary.h"
#include "favoritesmodel.h"
#include "favoritesoutline.h"
#include "favoritespane.h"
#include "propertylist.h"
#include "qvcustomtableview.h"
#include "simpletreenode.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

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

    template <typename T> // QFETCH as an expression
    static T fetch(const char* n) {
        return *static_cast<T*>(QTest::qData(n, qMetaTypeId<T>()));
    }
    QString libraryPath() const { return m_dir.filePath(u"Favorites.plist"_s); }
    TreeNode* root() const { return m_tree.get(); }
    QVCustomTableView* outline() const { return m_outline->pane()->outline(); }
    FavoritesPane* pane() const { return m_outline->pane(); }
    QString topLevel() const { return topLevelNames(root()); }
    void addLibrary() { addTestLibrary(root()); }
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

    // Where new items go is the outline's rule, tested with it; here the commands' part.
    void addingTakesThePaletteAndOpensTheName() {
        m_palette.colors[1] = *Color::colorFromHex("336699");
        m_outline->addFavorite();
        TreeNode* added = root()->lastChild();
        QCOMPARE(SimpleTreeNode::dataOf(added)->colorArray(),
                 (QStringList{u"ffffff"_s, u"336699"_s, u"ffffff"_s, u"ffffff"_s}));
        static const QRegularExpression moment(uR"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d{4}$)"_s);
        QVERIFY(moment.match(nameOf(added)).hasMatch());
        QCOMPARE(outline()->selectedNodes(), QList<TreeNode*>{added});
        QVERIFY(outline()->viewport()->findChild<QLineEdit*>()); // the name is open for typing
        m_outline->addGroup();
        QCOMPARE(nameOf(root()->lastChild()), u"untitled"_s);
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
        FavoritesModel* model = m_outline->model();
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
        m_outline->remFavorite(); // nothing selected: nothing asked
        QCOMPARE(m_prompts->deleteQuestions, 2);
    }

    void everyChangeReachesTheFileSoon() {
        m_outline->addFavorite();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(libraryPath()), 3000);
        FavoritesLibrary library(libraryPath());
        const auto loaded = library.load();
        QCOMPARE(loaded.root->numberOfChildren(), 1);
        QVERIFY(!loaded.problem);
    }

    // The library that cannot be written at quit is not dropped in silence: the user is asked
    // until they retry with success, save a copy elsewhere or choose to quit anyway.
    void failedSaveAtQuitAsksTheUser_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("copied");
        using Choice = UserPrompts::FailedSaveChoice;
        QTest::newRow("quit anyway") << QList<int>{int(Choice::QuitAnyway)} << false << 1 << false;
        QTest::newRow("retry, then quit anyway")
            << QList<int>{int(Choice::Retry), int(Choice::QuitAnyway)} << false << 2 << false;
        QTest::newRow("save elsewhere")
            << QList<int>{int(Choice::SaveElsewhere)} << true << 1 << true;
        QTest::newRow("save elsewhere cancelled, then quit anyway")
            << QList<int>{int(Choice::SaveElsewhere), int(Choice::QuitAnyway)} << false << 2
            << false;
    }
    void failedSaveAtQuitAsksTheUser() {
        // A plain file where the library's folder should be makes every save fail.
        const QString blocker = m_dir.filePath(u"blocker"_s);
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        start(blocker + u"/Favorites.plist"_s);
        FakePrompts* prompts = m_prompts.get();
        for (int answer : fetch<QList<int>>("answers"))
            prompts->failedSaveChoices << UserPrompts::FailedSaveChoice(answer);
        const QString copy = m_dir.filePath(u"Copy.plist"_s);
        QFile::remove(copy);
        if (fetch<bool>("chooseFile"))
            prompts->fileToSave = copy;

        m_outline->saveLibrary();
        QCOMPARE(prompts->failedSaveQuestions.size(), fetch<int>("questions"));
        // The message names the folder and the cause, not an "Unknown error".
        const QString question = prompts->failedSaveQuestions.first();
        QVERIFY2(question.contains(m_dir.path()), qPrintable(question));
        QVERIFY2(!question.contains(u"Unknown error"_s), qPrintable(question));
        QCOMPARE(QFile::exists(copy), fetch<bool>("copied"));
        if (fetch<bool>("copied"))
            QVERIFY(!FavoritesLibrary(copy).load().problem);
        QFile::remove(blocker);
    }

    // Quitting does not write a library the file already holds (a large one takes a while),
    // but writes it when the file went away or changed meanwhile.
    void quitWritesTheLibraryOnlyWhenTheFileDiffers_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("file removed") << u"remove"_s << true;
        QTest::newRow("file replaced") << u"replace"_s << true;
    }
    void quitWritesTheLibraryOnlyWhenTheFileDiffers() {
        const QString path = libraryPath();
        m_outline->saveLibrary();
        QVERIFY(QFile::exists(path));
        start(path);
        const QString meanwhile = fetch<QString>("meanwhile");
        if (!meanwhile.isEmpty())
            QVERIFY(QFile::remove(path));
        if (meanwhile == u"replace"_s) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(xmlPropertyList(
                libraryDictionaryFromArray({QVariant(QVariantList{u"Other"_s, u"ff0000"_s})})));
        }
        const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
        if (QFile::exists(path)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
        }
        m_outline->saveLibrary();
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).lastModified() != before, fetch<bool>("rewritten"));
    }
};

QTEST_MAIN(TestFavoritesOutline)
#include "tst_favoritesoutline.moc"
