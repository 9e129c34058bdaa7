// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "interchangefiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::readFile;
using testrows::Rows;

Q_DECLARE_METATYPE(InterchangeContents)

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    testrows::writeFile(dir.filePath(name), bytes);
    return dir.filePath(name);
}

const QStringList kFour{u"336699"_s, u"ff9933"_s, u"ffffff"_s, u"000000"_s};

InterchangeContents favorites() {
    return {u"Spring “mix”"_s,
            {FavoriteGroup{{}, {FavoriteEntry{u"Loose"_s, kFour}}},
             FavoriteGroup{
                 u"Flowers */ \\ und Blätter"_s,
                 {FavoriteEntry{u"Sky"_s, {u"87ceeb"_s, u"663399"_s, u"010203"_s, u"fefefe"_s}},
                  FavoriteEntry{u"Sky"_s, kFour}, FavoriteEntry{u"#1 ✿"_s, kFour}}},
             FavoriteGroup{{}, {FavoriteEntry{u"Loose again"_s, kFour}}}},
            false};
}

} // namespace

using HostileFilesRow = std::tuple<QString, QByteArray, QString>;

class TestInterchangeFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<InterchangeContents>("contents");
        const InterchangeContents palette = InterchangeContents::ofPalette(
            u"Wells"_s, {Color::fromBytes(51, 102, 153), Color::fromBytes(255, 153, 51),
                         Color::fromBytes(0, 0, 0), Color::fromBytes(255, 255, 255)});
        for (const QString& extension : {u"gpl"_s, u"css"_s, u"json"_s}) {
            QTest::addRow("palette %s", qPrintable(extension)) << u"p."_s + extension << palette;
            QTest::addRow("favorites %s", qPrintable(extension))
                << u"f."_s + extension << favorites();
        }
    }
    void roundTrip() {
        QFETCH(QString, file);
        QFETCH(InterchangeContents, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QVERIFY(!InterchangeFile::write(path, contents));
        const FileResult<InterchangeContents> read = InterchangeFile::read(path);
        QVERIFY2(read, qPrintable(read ? QString() : read.error().text()));
        QCOMPARE(read->title, contents.title);
        QCOMPARE(read->groups, contents.groups);
        // Only JSON says whether it holds a palette; any file gives one.
        QCOMPARE(read->palette, contents.palette && file.endsWith(u"json"));
        QCOMPARE(storedColorText(read->firstPalette()->at(0)), u"336699"_s);
    }

    // Rows as GIMP writes them come in as they are: four to a favorite, named by the first.
    void gimpPaletteImportsUnchanged() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, u"gimp.gpl"_s,
                                       "GIMP Palette\r\nName: Bright\r\nColumns: 16\r\n#\r\n"
                                       "255   0   0\tRed\r\n  0 255   0\tGreen\r\n"
                                       "  0   0 255\tBlue\r\n\r\n# a comment\r\n"
                                       " 10  20  30\tUntitled\r\n255 255 255 White\r\n"_ba);
        const FileResult<InterchangeContents> read = InterchangeFile::read(path);
        QVERIFY(read);
        QCOMPARE(read->title, u"Bright"_s);
        const QList<FavoriteEntry> expected{
            {u"Red"_s, {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"0a141e"_s}},
            {u"White"_s, {u"ffffff"_s, u"ffffff"_s, u"ffffff"_s, u"ffffff"_s}}};
        QCOMPARE(read->allFavorites(), expected);
        QCOMPARE(read->colorCount, 5);
        // Line breaks cannot be in a row; they become spaces.
        const InterchangeContents odd{u"a\nb"_s,
                                      {FavoriteGroup{u"g\tx"_s, {{u"n\r\nm"_s, kFour}}}}};
        const QByteArray written = *InterchangeFile::encode(InterchangeFormat::GimpPalette, odd);
        QVERIFY(written.startsWith("GIMP Palette\nName: a b\nColumns: 4\n"));
        QVERIFY(written.contains("# Group: g x\n") && written.contains(" 51 102 153\tn  m\n"));
    }

    void hostileFiles_data() {
        const Rows<HostileFilesRow> row;
        const QByteArray tenMB(10 << 20, 'x');
        const QByteArray gpl = "GIMP Palette\n"_ba;
        const QByteArray fourReds = "{\"colors\":[\"red\",\"red\",\"red\",\"red\"]},"_ba;
        row("gpl missing header", u"a.gpl"_s, "Name: x\n1 2 3\n"_ba, u"not a GIMP palette"_s);
        row("gpl empty", u"a.gpl"_s, ""_ba, u"empty"_s);
        row("gpl no rows", u"a.gpl"_s, gpl, u"no colours"_s);
        row("gpl non-numeric", u"a.gpl"_s, gpl + "1 2 3\n1 two 3\n", u"line 3 has “two”"_s);
        row("gpl beyond 255", u"a.gpl"_s, gpl + "1 256 3\n", u"“256”"_s);
        row("gpl short row", u"a.gpl"_s, gpl + "1 2\n", u"fewer than three"_s);
        row("gpl huge row", u"a.gpl"_s, gpl + QByteArray(1 << 20, '9'), u"where a value"_s);
        row("gpl 10 MB name", u"a.gpl"_s, gpl + "1 2 3 " + tenMB, u"longer than"_s);
        row("gpl a million rows", u"a.gpl"_s, gpl + "1 2 3\n"_ba.repeated(1000000),
            u"more than 100000"_s);
        row("css no colours", u"a.css"_s, ":root { --gap: 4px; color: red; }"_ba,
            u"no colour properties"_s);
        row("css 10 MB name", u"a.css"_s, "--" + tenMB + ": red;", u"longer than"_s);
        row("css 10 MB comment", u"a.css"_s, "--a: red; /* Group: " + tenMB + " */",
            u"longer than"_s);
        row("css a million rows", u"a.css"_s, "--a:red;"_ba.repeated(1000000),
            u"more than 100000"_s);
        row("json broken", u"a.json"_s, "{\"format\": "_ba, u"not valid JSON"_s);
        row("json array", u"a.json"_s, "[]"_ba, u"JSON object"_s);
        row("json other format", u"a.json"_s, "{\"colors\": []}"_ba, u"“format” is neither"_s);
        row("json three colours", u"a.json"_s,
            "{\"format\": \"tintmere-palette\", \"colors\": [\"red\", \"red\", \"red\"]}"_ba,
            u"does not have four"_s);
        row("json not a colour", u"a.json"_s,
            "{\"format\": \"tintmere-favorites\", \"favorites\": "
            "[{\"colors\": [\"red\", 5, \"red\", \"red\"]}]}"_ba,
            u"favorite 1 has “”"_s);
        row("json no favorites", u"a.json"_s, "{\"format\": \"tintmere-favorites\"}"_ba,
            u"no list"_s);
        row("json 10 MB name", u"a.json"_s,
            "{\"format\": \"tintmere-palette\", \"name\": \"" + tenMB + "\"}", u"longer than"_s);
        row("json a million rows", u"a.json"_s,
            "{\"format\": \"tintmere-favorites\", \"favorites\": [" + fourReds.repeated(300000) +
                "{}]}",
            u"more than 100000"_s);
        row("too large", u"a.json"_s, QByteArray(17 << 20, ' '), u"too large"_s);
        row("unknown kind", u"a.txt"_s, "1 2 3"_ba, u"not a GIMP palette (.gpl)"_s);
    }
    void hostileFiles() {
        ROW(HostileFilesRow, file, bytes, message);
        QTemporaryDir dir;
        const QString path = writeFile(dir, file, bytes);
        QElapsedTimer timer;
        timer.start();
        const FileResult<InterchangeContents> read = InterchangeFile::read(path);
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!read);
        QVERIFY2(read.error().text().contains(message), qPrintable(read.error().text().left(300)));
        QCOMPARE(readFile(path), bytes);
    }

    // Nothing is written that could not be read back.
    void writeRefusesWhatCannotBeRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"long.gpl"_s);
        const std::optional<FileError> error = InterchangeFile::write(
            path, InterchangeContents::ofFavorites(u"t"_s, {{QString(2000, u'n'), kFour}}));
        QVERIFY(error && error->kind == FileError::Kind::BeyondReadLimits);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestInterchangeFiles)
#include "tst_interchangefiles.moc"
