// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorparsing.h"
#include "csscolor.h"
#include "datarows.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;

namespace {
// "#rrggbbaa" or "none".
QByteArray hexAlpha(const std::optional<Color>& color) {
    return color ? QByteArray::fromStdString(cssHexAlphaString(*color)) : "none"_ba;
}
QByteArray text(const std::string& s) {
    return QByteArray::fromStdString(s);
}
} // namespace

// #rrggbbaa, then rgb, hsl, oklch and name as written.
using WritingRow = std::tuple<QByteArray, QByteArray, QByteArray, QByteArray, QByteArray>;
using ReadingRow = std::tuple<QByteArray, QByteArray>; // text, #rrggbbaa or none

class TestCSSColor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writing_data() {
        const Rows<WritingRow> row;
        row("steel", "#336699ff"_ba, "rgb(51 102 153)"_ba, "hsl(210 50% 40%)"_ba,
            "oklch(0.49931 0.09866 250.43)"_ba, "steelblue (ΔEOK 0.089)"_ba);
        row("named", "#663399ff"_ba, "rgb(102 51 153)"_ba, "hsl(270 50% 40%)"_ba,
            "oklch(0.44027 0.1603 303.37)"_ba, "rebeccapurple"_ba);
        row("first of two names", "#00ffffff"_ba, "rgb(0 255 255)"_ba, "hsl(180 100% 50%)"_ba,
            "oklch(0.9054 0.15455 194.77)"_ba, "aqua"_ba);
        row("grey has hue 0", "#808080ff"_ba, "rgb(128 128 128)"_ba, "hsl(0 0% 50.2%)"_ba,
            "oklch(0.59987 0 0)"_ba, "gray"_ba);
        row("half transparent", "#ff993380"_ba, "rgb(255 153 51 / 0.502)"_ba,
            "hsl(30 100% 60% / 0.502)"_ba, "oklch(0.77369 0.16292 60.28 / 0.502)"_ba,
            "darkorange (ΔEOK 0.029)"_ba);
    }
    void writing() {
        ROW(WritingRow, color, rgb, hsl, oklch, name);
        const Color c = *colorFromCSS(color.toStdString());
        QCOMPARE(text(cssHexAlphaString(c)), color);
        QCOMPARE(text(cssRGBString(c)), rgb);
        QCOMPARE(text(cssHSLString(c)), hsl);
        QCOMPARE(text(cssOKLCHString(c)), oklch);
        QCOMPARE(text(cssNameString(c)), name);
        // Each string reads back within one byte (the byte forms exactly).
        QCOMPARE(hexAlpha(colorFromCSS(cssRGBString(c))).left(7), color.left(7));
        for (const std::string& written : {cssHSLString(c), cssOKLCHString(c)}) {
            const Color back = *colorFromCSS(written);
            for (const Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
                QVERIFY2(std::abs(byteValue(back.component(channel)) -
                                  byteValue(c.component(channel))) <= 1,
                         written.c_str());
            }
        }
    }

    void reading_data() {
        const Rows<ReadingRow> row;
        row("rgb commas", "rgb(51, 102, 153)"_ba, "#336699ff"_ba);
        row("rgba percent alpha", "RGBA(51,102,153,50%)"_ba, "#3366997f"_ba);
        row("rgb slash alpha", " rgb(20% 40% 60% / .25) "_ba, "#3366993f"_ba);
        row("rgb out of range", "rgb(300 -5 1e2)"_ba, "#ff0064ff"_ba);
        row("rgb none", "rgb(none 255 0)"_ba, "#00ff00ff"_ba);
        row("hsla legacy with deg", "hsla(210deg, 50%, 40%, 1)"_ba, "#336699ff"_ba);
        row("hsl turn, bare numbers", "hsl(0.5turn 100 50)"_ba, "#00ffffff"_ba);
        row("hsl negative rad", "hsl(-3.14159265rad 100% 50%)"_ba, "#00ffffff"_ba);
        row("oklch percent", "OKLCH(62.7955% 64.42075% 29.2339deg)"_ba, "#ff0000ff"_ba);
        row("oklch beyond white", "oklch(1.2 0.3 30)"_ba, "#ffffffff"_ba);
        row("oklab", "oklab(0.627955 0.224863 0.125846 / 1)"_ba, "#ff0000ff"_ba);
        row("name any case", "\tRebeccaPurple\n"_ba, "#663399ff"_ba);
        row("hex 3", "#f93"_ba, "#ff9933ff"_ba);
        row("hex 4", "#f938"_ba, "#ff993388"_ba);
        row("hex 8", "#FF993380"_ba, "#ff993380"_ba);
        row("hex 5", "#ff993"_ba, "none"_ba);
        row("hex not a digit", "#ff99zz"_ba, "none"_ba);
        row("unknown name", "rebecca purple"_ba, "none"_ba);
        row("mixed separators", "rgb(1, 2 3)"_ba, "none"_ba);
        row("comma then slash", "rgb(1, 2, 3 / 1)"_ba, "none"_ba);
        row("two values", "rgb(1 2)"_ba, "none"_ba);
        row("five values", "rgb(1, 2, 3, 4, 5)"_ba, "none"_ba);
        row("oklch with commas", "oklch(0.7, 0.1, 200)"_ba, "none"_ba);
        row("hsl legacy needs percent", "hsl(210, 50, 40)"_ba, "none"_ba);
        row("angle in rgb", "rgb(1deg 2 3)"_ba, "none"_ba);
        row("unknown unit", "hsl(1px 2% 3%)"_ba, "none"_ba);
        row("run together", "rgb(1 2 3.4.5)"_ba, "none"_ba);
        row("nan", "rgb(nan 0 0)"_ba, "none"_ba);
        row("huge exponent", "rgb(1e999 0 0)"_ba, "none"_ba);
        row("unclosed", "rgb(1 2 3"_ba, "none"_ba);
        row("unknown function", "lab(50 0 0)"_ba, "none"_ba);
        row("empty", ""_ba, "none"_ba);
        row("very long", "rgb(" + QByteArray(100000, ' ') + "1 2 3)", "none"_ba);
    }
    void reading() {
        ROW(ReadingRow, css, color);
        QCOMPARE(hexAlpha(colorFromCSS(css.toStdString())), color);
    }

    // Pasted text is read as a well reads a drop first, so "#ff99" stays the drop reading.
    void pasted_data() {
        const Rows<ReadingRow> row;
        row("drop short four digits", "#ff99"_ba, "#ffff99ff"_ba);
        row("drop rgb", "RGB(255, 153, 51)"_ba, "#ff9933ff"_ba);
        row("css", "oklch(0.7 0.1 200)"_ba, "#40b1b6ff"_ba);
        row("neither", "hello"_ba, "none"_ba);
    }
    void pasted() {
        ROW(ReadingRow, pasted, color);
        QCOMPARE(hexAlpha(colorFromPastedText(pasted.toStdString())), color);
    }
};

QTEST_APPLESS_MAIN(TestCSSColor)
#include "tst_csscolor.moc"
