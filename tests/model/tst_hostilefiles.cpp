// SPDX-License-Identifier: GPL-3.0-or-later
// Files shaped to make a careless reader hang, crash or eat the memory: each is read or refused
// with a message, within a bound generous enough for a loaded machine.
#include "datarows.h"
#include "exchangefiles.h"
#include "favoriteslibrary.h"
#include "propertylist.h"
#include "simpletreenode.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using testrows::Rows;
using namespace tintmere;

namespace {

constexpr qint64 kAnswerMs = 5000;

// A small XML library with the given markup between the XML declaration and its root, and
// `inside` as the first thing in the root's dictionary.
QByteArray xmlLibrary(const QByteArray& prolog, const QByteArray& inside = {}) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"_ba + prolog +
           "<plist version=\"1.0\"><dict>"_ba + inside +
           "<key>Group</key><string>Root</string></dict></plist>\n"_ba;
}

const QByteArray kDocType = "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                            "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"_ba;

// What a path can be besides a file.
enum class Kind { LinkToDevZero, Fifo, Folder, Socket };

bool make(Kind kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::LinkToDevZero:
        return QFile::link(u"/dev/zero"_s, path);
    case Kind::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case Kind::Folder:
        return QDir().mkpath(path) && testrows::writeFile(path + u"/inside"_s, "kept"_ba);
    case Kind::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (name.size() >= qsizetype(sizeof(address.sun_path)))
            return false;
        qstrcpy(address.sun_path, name.constData());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address),
                                             sizeof(address)) == 0;
        if (fd >= 0)
            ::close(fd);
        return bound;
    }
    }
    return false;
}

// The type of what is at the path itself (a link is a link), -1 for nothing.
int typeAt(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & S_IFMT)
                                                                      : -1;
}

std::unique_ptr<SimpleTreeNode> node(const QString& name, bool favorite) {
    return std::make_unique<SimpleTreeNode>(
        favorite ? SimpleNodeData::leafDataWithName(
                       name, {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s})
                 : SimpleNodeData::groupDataWithName(name));
}

// A library of that many favorites and empty groups at the top. In the XML the root is 3
// values, a favorite 7 and a group 4.
std::unique_ptr<SimpleTreeNode> flatLibrary(int favorites, int groups) {
    std::unique_ptr<SimpleTreeNode> root = SimpleTreeNode::emptyLibrary();
    for (int i = 0; i < favorites + groups; ++i)
        root->insertChild(node(u"N%1"_s.arg(i), i < favorites), i);
    return root;
}

// Groups inside groups, `levels` deep, with one favorite at the bottom or none. Group n
// (from 1) sits at depth 2n, its favorite's colours at 2 levels + 4, an empty innermost
// group's entries at 2 levels + 1.
std::unique_ptr<SimpleTreeNode> deepLibrary(int levels, bool withFavorite) {
    std::unique_ptr<SimpleTreeNode> root = SimpleTreeNode::emptyLibrary();
    TreeNode* parent = root.get();
    for (int i = 0; i < levels; ++i, parent = parent->firstChild())
        parent->insertChild(node(u"L%1"_s.arg(i), false), 0);
    if (withFavorite)
        parent->insertChild(node(u"Deep"_s, true), 0);
    return root;
}

// One favorite whose name makes the XML library file exactly `bytes` long.
std::unique_ptr<SimpleTreeNode> libraryOfSize(qsizetype bytes) {
    std::unique_ptr<SimpleTreeNode> root = SimpleTreeNode::emptyLibrary();
    root->insertChild(node({}, true), 0);
    const qsizetype base = xmlPropertyList(FavoritesLibrary::contentOfTree(*root)).size();
    root = SimpleTreeNode::emptyLibrary();
    root->insertChild(node(QString(bytes - base, u'a'), true), 0);
    return root;
}

using TreeMaker = std::function<std::unique_ptr<SimpleTreeNode>()>;

qsizetype countNodes(const TreeNode& node) {
    qsizetype count = 1;
    for (const TreeNode* child : node.children())
        count += countNodes(*child);
    return count;
}

} // namespace

using XmlDocumentTypesRow = std::tuple<QByteArray, QString>;
using NotAFileRow = std::tuple<Kind, QString>;
using ReadingStopsAtTheLimitRow = std::tuple<QString, qint64, qint64, QString>;
using LibraryAtTheLimitsRow = std::tuple<TreeMaker, bool>;
using FavoritesFileAtTheLimitsRow = std::tuple<int, bool>;

class TestHostileFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One document type before the root, nothing else: every scan ends with the construct it
    // reads, so the size of the file bounds the time.
    void xmlDocumentTypes_data() {
        const Rows<XmlDocumentTypesRow> row;
        const QByteArray many = "<!DOCTYPE plist>\n"_ba.repeated(980000); // 16 MB
        row("none", xmlLibrary({}), u"read"_s);
        row("one", xmlLibrary(kDocType), u"read"_s);
        row("one, after a comment", xmlLibrary("<!-- [ --><!DOCTYPE plist>"_ba), u"read"_s);
        row("one, a bracket later in the file",
            xmlLibrary(kDocType, "<key>[</key><string>[</string>"_ba), u"read"_s);
        row("two", xmlLibrary(kDocType + kDocType), u"more than once"_s);
        row("980,000 in 16 MB", xmlLibrary(many), u"more than once"_s);
        row("inside the root", xmlLibrary({}, "<!DOCTYPE plist>"_ba), u"after the first element"_s);
        row("980,000 inside the root", xmlLibrary({}, many), u"after the first element"_s);
        row("after the root", xmlLibrary(kDocType) + "<!DOCTYPE plist>"_ba,
            u"after the first element"_s);
        row("never closed",
            "<?xml version=\"1.0\"?><!DOCTYPE plist "_ba + QByteArray(16'000'000, 'x'),
            u"truncated"_s);
        row("a million comments", xmlLibrary("<!-- -->"_ba.repeated(1'000'000)), u"read"_s);
        row("a million references without an end",
            xmlLibrary({},
                       "<key>a</key><string>"_ba + "&amp"_ba.repeated(1'000'000) + "</string>"_ba),
            u"unknown reference"_s);
    }
    void xmlDocumentTypes() {
        ROW(XmlDocumentTypesRow, file, answer);
        QElapsedTimer timer;
        timer.start();
        const Expected<QVariant> read = readPropertyList(file);
        const qint64 elapsed = timer.elapsed();
        const QString got = read ? u"read"_s : read.error();
        QVERIFY2(got.contains(answer), qPrintable(got));
        QVERIFY2(elapsed < kAnswerMs, qPrintable(u"%1 ms"_s.arg(elapsed)));
    }

    // Opening never waits for a writer, and nothing but a file is read. As the library, such
    // a path is set aside whole like a damaged file and the program starts with an empty one.
    void notAFile_data() {
        const Rows<NotAFileRow> row;
        row("link to /dev/zero", Kind::LinkToDevZero, u"a device, not a file"_s);
        row("named pipe", Kind::Fifo, u"a pipe, not a file"_s);
        row("folder", Kind::Folder, u"a folder, not a file"_s);
        row("socket", Kind::Socket, u"a socket, not a file"_s);
    }
    void notAFile() {
        ROW(NotAFileRow, kind, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Favorites.plist"_s);
        QVERIFY(make(kind, path));
        const int type = typeAt(path);
        QElapsedTimer timer;
        timer.start();
        const FileResult<QByteArray> whole = readWholeFile(path, 1024);
        const FileResult<Palette> palette = PaletteFile::read(path);
        const FileResult<FavoritesImport> favorites = FavoritesFile::read(path);
        QVERIFY(!whole && !palette && !favorites);
        for (const FileError& error : {whole.error(), palette.error(), favorites.error()})
            QVERIFY2(error.text().contains(reason) && error.text().contains(u"Favorites.plist"_s),
                     qPrintable(error.text()));
        QCOMPARE(typeAt(path), type);

        FavoritesLibrary library(path);
        FavoritesLibrary::LoadResult loaded = library.load();
        const qint64 elapsed = timer.elapsed();
        QVERIFY(loaded.root && loaded.root->children().empty());
        QVERIFY(loaded.problem);
        QVERIFY2(loaded.problem->message.contains(reason) &&
                     loaded.problem->message.contains(u"Favorites.plist.damaged"_s),
                 qPrintable(loaded.problem->message));
        QCOMPARE(typeAt(path + u".damaged"_s), type);
        QVERIFY(kind != Kind::Folder || QFile::exists(path + u".damaged/inside"_s));
        QVERIFY(!library.save(*loaded.root));
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY2(elapsed < kAnswerMs, qPrintable(u"%1 ms"_s.arg(elapsed)));
    }

    // The limit holds, to the byte, whatever size the file reports: files of /proc report none.
    void readingStopsAtTheLimit_data() {
        const Rows<ReadingStopsAtTheLimitRow> row; // path: empty: a file of `size` bytes
        const QString proc = u"/proc/self/status"_s;
        row("/proc file over the limit", proc, qint64(0), qint64(16), u"too large"_s);
        row("/proc file within it", proc, qint64(0), qint64(1 << 20), u"Name:"_s);
        row("missing", u"/nonexistent/file"_s, qint64(0), qint64(16), u"No such file"_s);
        row("empty", QString(), qint64(0), qint64(100'000), QString());
        row("one byte under", QString(), qint64(99'999), qint64(100'000), u"x"_s.repeated(99'999));
        row("at the limit", QString(), qint64(100'000), qint64(100'000), u"x"_s.repeated(100'000));
        row("one byte over", QString(), qint64(100'001), qint64(100'000), u"too large"_s);
    }
    void readingStopsAtTheLimit() {
        ROW(ReadingStopsAtTheLimitRow, path, size, limit, answer);
        QTemporaryDir dir;
        if (path.isEmpty())
            QVERIFY(testrows::writeFile(path = dir.filePath(u"f"_s), QByteArray(size, 'x')));
        const FileResult<QByteArray> read = readWholeFile(path, limit);
        const QString got = read ? QString::fromUtf8(*read) : read.error().message;
        // A file of ours comes back exactly; anything else names what happened.
        const bool ours = read && path.startsWith(dir.path());
        QVERIFY2(ours ? got == answer : got.contains(answer), qPrintable(got.left(80)));
    }

    // What is saved loads again: a library the reader would refuse is not written, and the
    // file already there stays as it was.
    void libraryAtTheLimits_data() {
        const Rows<LibraryAtTheLimitsRow> row;
        const qsizetype maxBytes = PropertyListLimits::library().maxBytes;
        row("1,000,000 values", TreeMaker([] { return flatLibrary(142855, 3); }), true);
        row("1,000,001 values", TreeMaker([] { return flatLibrary(142854, 5); }), false);
        row("256 levels", TreeMaker([] { return deepLibrary(126, true); }), true);
        row("257 levels", TreeMaker([] { return deepLibrary(128, false); }), false);
        row("64 MB", TreeMaker([=] { return libraryOfSize(maxBytes); }), true);
        row("64 MB and a byte", TreeMaker([=] { return libraryOfSize(maxBytes + 1); }), false);
    }
    void libraryAtTheLimits() {
        ROW(LibraryAtTheLimitsRow, makeTree, saved);
        const std::unique_ptr<SimpleTreeNode> tree = makeTree();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Favorites.plist"_s);
        QVERIFY(testrows::writeFile(
            path, xmlPropertyList(FavoritesLibrary::contentOfTree(*flatLibrary(1, 0)))));
        FavoritesLibrary library(path);
        const std::optional<FileError> error = library.save(*tree);
        QCOMPARE(!error, saved);
        FavoritesLibrary::LoadResult loaded = library.load();
        QVERIFY2(!loaded.problem, qPrintable(loaded.problem ? loaded.problem->text() : QString()));
        // Refused, the one favorite saved before is still there.
        QCOMPARE(countNodes(*loaded.root), saved ? countNodes(*tree) : 2);
        if (!saved) {
            QCOMPARE(error->kind, FileError::Kind::BeyondReadLimits);
            QVERIFY2(error->text().contains(u"could not be saved"_s) &&
                         error->text().contains(u"to be opened again"_s),
                     qPrintable(error->text()));
        }
    }

    void favoritesFileAtTheLimits_data() {
        const Rows<FavoritesFileAtTheLimitsRow> row;
        row("40,000 favorites", 40000, true);
        row("50,000 favorites", 50000, false);
    }
    void favoritesFileAtTheLimits() {
        ROW(FavoritesFileAtTheLimitsRow, count, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Many.tnf"_s);
        QList<FavoriteEntry> many;
        for (int i = 0; i < count; ++i)
            many.append({u"F%1"_s.arg(i), {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s}});
        const std::optional<FileError> error = FavoritesFile::write(path, many);
        QCOMPARE(!error, saved);
        const FileResult<FavoritesImport> read = FavoritesFile::read(path);
        QCOMPARE(read ? read->favorites.size() : 0, saved ? count : 0);
        QCOMPARE(QFile::exists(path), saved);
        if (!saved)
            QCOMPARE(error->kind, FileError::Kind::BeyondReadLimits);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
