// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "defaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using namespace tintmere;

namespace {

QString colorText(const std::optional<Color>& color) {
    return color ? QString::fromStdString(color->colorValueWithFormat(kStoredColorFormat))
                 : u"none"_s;
}

// The INI file with one line replaced or added under [General], as a user might edit it.
void writeIni(const QString& path, const QByteArray& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + lines + "\n");
}

} // namespace

using TolerantReadsRow = std::tuple<QByteArray, int, bool, QString>;
using ColoursRow = std::tuple<QString, QString>;

class TestDefaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Whatever a hand-edited file holds, the typed reads answer without failing.
    void tolerantReads_data() {
        const Rows<TolerantReadsRow> row;
        row("number", "Float%20Format=2"_ba, 2, true, u"2"_s);
        row("negative", "Float%20Format=-4"_ba, -4, false, u"-4"_s);
        row("fraction", "Float%20Format=3.9"_ba, 3, true, u"3.9"_s);
        row("word", "Float%20Format=lots"_ba, 0, false, u"lots"_s);
        row("YES", "Float%20Format=YES"_ba, 0, true, u"YES"_s);
        row("huge", "Float%20Format=99999999999999"_ba, 2147483647, true, u"99999999999999"_s);
        row("list", "Float%20Format=1, 2"_ba, 0, false, u"1, 2"_s);
        row("empty", "Float%20Format="_ba, 0, false, u""_s);
        row("invalid variant", "Float%20Format=@Invalid()"_ba, 3, true, u""_s);
    }
    void tolerantReads() {
        ROW(TolerantReadsRow, line, intValue, boolValue, stringValue);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.conf"_s);
        writeIni(path, line);
        auto defaults = Defaults::fromFile(path);
        QCOMPARE(defaults->intValue(keys::FloatFormat), intValue);
        QCOMPARE(defaults->boolValue(keys::FloatFormat), boolValue);
        QCOMPARE(defaults->stringValue(keys::FloatFormat), stringValue);
        QVERIFY(defaults->dictionaryValue(keys::FloatFormat).isEmpty());
    }

    void colours_data() {
        const Rows<ColoursRow> row;
        row("uppercase", u"00FF7F"_s, u"00ff7f"_s);
        row("not a colour", u"purple"_s, u"ffffff"_s);
    }
    void colours() {
        ROW(ColoursRow, stored, read);
        auto defaults = Defaults::inMemory();
        defaults->setString(keys::ResetColor, stored);
        QCOMPARE(colorText(defaults->colorValue(keys::ResetColor)), read);
        defaults->setColor(keys::ResetColor, Color::fromBytes(51, 102, 153));
        QCOMPARE(defaults->stringValue(keys::ResetColor), u"336699"_s);
    }

    // Every kind of value comes back from the file, and registered values are never written.
    void fileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tintmere.conf"_s);
        const QStringList palette{u"ff0000"_s, u"a, b"_s, u"ffffff"_s, u"000000"_s};
        const QVariantMap primary{{u"Hex"_s, 1}, {u"RGB"_s, 0}, {u"Web Safe"_s, 5}};
        const QByteArray frame("\x01\x00\xff geometry", 12);
        {
            auto defaults = Defaults::fromFile(path);
            defaults->setStringArray(keys::SavedColors, palette);
            defaults->setDictionary(keys::PrimaryFormat, primary);
            defaults->setBool(keys::UseShorthand, true);
            defaults->setInt(keys::SelectedColorIndex, 2);
            defaults->setString(keys::LastOpenDirectory, u"/tmp/a, b"_s);
            defaults->saveGeometry(keys::PrefsWindow, frame);
        }
        auto defaults = Defaults::fromFile(path);
        QCOMPARE(defaults->stringArrayValue(keys::SavedColors), palette);
        QCOMPARE(defaults->boolValue(keys::UseShorthand), true);
        QCOMPARE(defaults->intValue(keys::SelectedColorIndex), 2);
        QCOMPARE(defaults->stringValue(keys::LastOpenDirectory), u"/tmp/a, b"_s);
        QCOMPARE(defaults->restoreGeometry(keys::PrefsWindow), frame);
        QVERIFY(defaults->restoreGeometry(keys::GlobalPanel).isEmpty());
        const FormatSettings format = defaults->formatSettings();
        QCOMPARE(format.hexVariant, 1);
        QCOMPARE(format.webVariant, 5);
        QVERIFY(format.useShorthand);

        defaults->removeValue(keys::SelectedColorIndex);
        defaults->sync();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Primary%20Format]"), text);
        QVERIFY(!text.contains("Selected%20Color%20Index"));
        QVERIFY(!text.contains("Draw%20Grid")); // registered only
    }

    void deeplyNestedGroupsDoNotExhaustTheStack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.conf"_s);
        writeIni(path, "Preferences"_ba + "/x"_ba.repeated(20000) + "=1\nDraw%20Grid=false"_ba);
        auto defaults = Defaults::fromFile(path);
        QVERIFY(!defaults->boolValue(keys::DrawGrid));
        QVERIFY(defaults->hasStoredValue(keys::LegacyPreferences));
    }

    // A settings file that cannot be written is reported once, by the quiet write after a
    // change as well as by an explicit sync, and the values live on in memory.
    void unwritableFileIsReportedOnceAndValuesStay_data() {
        QTest::addColumn<bool>("explicitSync");
        row("written shortly after the change", false);
        row("sync at quit", true);
    }
    void unwritableFileIsReportedOnceAndValuesStay() {
        QFETCH(bool, explicitSync);
        QTemporaryDir dir;
        // A plain file where the settings folder should be: no file can be made in it.
        writeIni(dir.filePath(u"config"_s), "x");
        auto defaults = Defaults::fromFile(dir.filePath(u"config/Tintmere/Tintmere.conf"_s));
        QStringList reports;
        defaults->setWriteFailureHandler([&](const QString& text) { reports << text; });
        defaults->setInt(keys::FloatFormat, 1);
        if (explicitSync)
            QVERIFY(!defaults->sync());
        QTRY_COMPARE(reports.size(), 1);
        QVERIFY2(reports.first().contains(dir.filePath(u"config/Tintmere"_s)),
                 qPrintable(reports.first()));
        defaults->setInt(keys::FloatFormat, 2);
        defaults->setBool(keys::DrawGrid, false);
        QVERIFY(!defaults->sync());
        QTest::qWait(700);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(defaults->intValue(keys::FloatFormat), 2);
        QVERIFY(!defaults->boolValue(keys::DrawGrid));
    }

    void everyKeyIsUnique() {
        QStringList names;
        for (const SettingKey& key : keys::allKeys)
            names << key.name.toString();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }
};

QTEST_GUILESS_MAIN(TestDefaults)
#include "tst_defaults.moc"
