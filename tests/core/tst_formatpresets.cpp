// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "formatpresets.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;
using tintmere::FormatSettings;

using PresetsRow = std::tuple<int, int, bool, bool, QByteArray, QByteArray>;

class TestFormatPresets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presets_data() {
        const Rows<PresetsRow> row;
        row("hex 0", 0, 0, false, false, "#ff9933"_ba, "#7f3fbf"_ba);
        row("hex 0 uppercase keeps #", 0, 0, false, true, "#FF9933"_ba, "#7F3FBF"_ba);
        row("hex 0 shorthand", 0, 0, true, false, "#f93"_ba, "#7f3fbf"_ba);
        row("hex 1 shorthand uppercase", 0, 1, true, true, "F93"_ba, "7F3FBF"_ba);
        row("hex other variant is 1", 0, 7, false, false, "ff9933"_ba, "7f3fbf"_ba);
        row("rgb 0", 1, 0, false, false, "RGB(255,153,51)"_ba, "RGB(127,63,191)"_ba);
        row("rgb 0 ignores uppercase", 1, 0, true, true, "RGB(255,153,51)"_ba,
            "RGB(127,63,191)"_ba);
        row("rgb 1", 1, 1, false, true, "rgb(255,153,51)"_ba, "rgb(127,63,191)"_ba);
        row("rgb other variant is 1", 1, -2, false, false, "rgb(255,153,51)"_ba,
            "rgb(127,63,191)"_ba);
        row("web 0", 2, 0, false, false, "#f93"_ba, "#63c"_ba);
        row("web 1 uppercase", 2, 1, false, true, "#FF9933"_ba, "#6633CC"_ba);
        row("web 2", 2, 2, false, false, "f93"_ba, "63c"_ba);
        row("web 3", 2, 3, false, false, "ff9933"_ba, "6633cc"_ba);
        row("web 3 ignores shorthand", 2, 3, true, false, "ff9933"_ba, "6633cc"_ba);
        row("web 4 always lowercase", 2, 4, false, true, "rgb(255,153,51)"_ba,
            "rgb(102,51,204)"_ba);
        row("web 5 always uppercase", 2, 5, false, false, "RGB(255,153,51)"_ba,
            "RGB(102,51,204)"_ba);
        row("web above 5 acts as 5", 2, 6, false, false, "RGB(255,153,51)"_ba,
            "RGB(102,51,204)"_ba);
        row("web below 0 acts as 5", 2, -1, false, false, "RGB(255,153,51)"_ba,
            "RGB(102,51,204)"_ba);
        row("unknown family", 3, 0, false, false, "none"_ba, "none"_ba);
        row("negative family", -1, 0, false, false, "none"_ba, "none"_ba);
    }
    void presets() {
        ROW(PresetsRow, family, variant, shorthand, uppercase, shortColor, unevenColor);
        const FormatSettings settings{variant, variant, variant, shorthand, uppercase};
        const auto text = [&](const Color& c) {
            const auto s = tintmere::stringOfColor(c, family, settings);
            return s ? QByteArray::fromStdString(*s) : "none"_ba;
        };
        QCOMPARE(text(Color{1.0f, 0.6f, 0.2f}), shortColor);
        QCOMPARE(text(Color{0.5f, 0.25f, 0.75f}), unevenColor);
    }
};

QTEST_APPLESS_MAIN(TestFormatPresets)
#include "tst_formatpresets.moc"
