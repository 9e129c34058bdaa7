// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"
#include "colorparsing.h"
#include "datarows.h"
#include "formatpresets.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;

namespace {
// A colour as its stored text, or "none".
QByteArray stored(const std::optional<Color>& color) {
    return color ? QByteArray::fromStdString(
                       color->colorValueWithFormat(tintmere::kStoredColorFormat))
                 : "none"_ba;
}

std::optional<Color> fromDropText(const QByteArray& text) {
    return Color::colorFromString(text.toStdString(), tintmere::kDropFormats);
}

bool inRange(const Color& c) {
    return c.red >= 0.0f && c.red <= 1.0f && c.green >= 0.0f && c.green <= 1.0f && c.blue >= 0.0f &&
           c.blue <= 1.0f && c.alpha == 1.0f;
}
} // namespace

using DropTextRow = std::tuple<QByteArray, int, QByteArray>;
using OtherFormatsRow = std::tuple<QByteArray, QByteArray, QByteArray>;
using ComponentsStayInRangeRow = std::tuple<QByteArray, QByteArray>;
using HexRow = std::tuple<QByteArray, QByteArray>;

class TestColorParsing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dropText_data() {
        const Rows<DropTextRow> row; // format: 1-based, 0 for none
        row("six digits", "ff9933"_ba, 1, "ff9933"_ba);
        row("with #", "#ff9933"_ba, 2, "ff9933"_ba);
        row("spaced", " # FF 99 33 "_ba, 2, "ff9933"_ba);
        row("rgb", "rgb(255,153,51)"_ba, 3, "ff9933"_ba);
        row("RGB spaced everywhere", "RGB( 255 , 153 , 51 )"_ba, 3, "ff9933"_ba);
        row("tabs and line breaks", "\trgb(255,\n153,\r\n51)\n"_ba, 3, "ff9933"_ba);
        row("no-break space", "#ff\u00a099\u300033"_ba, 2, "ff9933"_ba);
        row("short", "f93"_ba, 4, "ff9933"_ba);
        row("short with #", "#F93"_ba, 5, "ff9933"_ba);
        row("four digits", "ff99"_ba, 4, "ffff99"_ba);
        row("small decimals", "rgb(199,7,0)"_ba, 3, "c70700"_ba);
        row("leading zero", "rgb(07,0,0)"_ba, 3, "070000"_ba);
        row("limits", "rgb(250,249,200)"_ba, 3, "faf9c8"_ba);
        row("256", "rgb(256,0,0)"_ba, 0, "none"_ba);
        row("double leading zero", "rgb(007,0,0)"_ba, 0, "none"_ba);
        row("fraction in rgb", "rgb(0.5,0,0)"_ba, 0, "none"_ba);
        row("dashes", "ff-99-33"_ba, 0, "none"_ba);
        row("seven digits", "#ff99334"_ba, 0, "none"_ba);
        row("two digits", "ff"_ba, 0, "none"_ba);
        row("empty", ""_ba, 0, "none"_ba);
        row("only white space", " \n\t"_ba, 0, "none"_ba);
        row("missing parenthesis", "rgb(1,2,3"_ba, 0, "none"_ba);
        row("non-hex letter", "ff99gg"_ba, 0, "none"_ba);
        row("non-ASCII digit look-alike", "ff99\u0663\u0663"_ba, 0, "none"_ba);
    }
    void dropText() {
        ROW(DropTextRow, text, format, color);
        const auto index = tintmere::matchString(text.toStdString(), tintmere::kDropFormats);
        QCOMPARE(index ? int(*index) + 1 : 0, format);
        QCOMPARE(stored(fromDropText(text)), color);
    }

    // Text written with any preset reads back as the colour, or its web-safe snap.
    void presetsReadBack() {
        for (int n = 0; n < 256; n += 3) {
            const Color c = Color::fromBytes(n, 255 - n, (n * 37) % 256);
            for (bool shorthand : {false, true}) {
                for (bool uppercase : {false, true}) {
                    for (int variant = 0; variant < 6; ++variant) {
                        const tintmere::FormatSettings s{variant, variant, variant, shorthand,
                                                         uppercase};
                        const std::string hex = tintmere::hexStringOfColor(c, s);
                        const std::string rgb = tintmere::rgbStringOfColor(c, s);
                        const std::string web = tintmere::webStringOfColor(c, s);
                        QCOMPARE(stored(fromDropText(QByteArray::fromStdString(hex))), stored(c));
                        QCOMPARE(stored(fromDropText(QByteArray::fromStdString(rgb))), stored(c));
                        QCOMPARE(stored(fromDropText(QByteArray::fromStdString(web))),
                                 stored(c.webColor()));
                    }
                }
            }
        }
    }

    // Any format can be read back, not only the drop formats.
    void otherFormats_data() {
        const Rows<OtherFormatsRow> row;
        row("fractions", "%3r, %3g, %3b"_ba, "1.000, 0.600, 0.200"_ba, "ff9933"_ba);
        row("fractions without separators", "%1r%1g%1b"_ba, ".51.00"_ba, "7fff00"_ba);
        row("fraction suffix", "(%2r;%2g;%2b)"_ba, "(0.5f;1;.25F)"_ba, "7fff3f"_ba);
        row("channels in another order", "%0b-%0g-%0r"_ba, "1-2-3"_ba, "030201"_ba);
        row("unnamed channels stay 0", "g=%Xg"_ba, "G=80"_ba, "008000"_ba);
        row("escaped percent", "%0r%%"_ba, "50%"_ba, "320000"_ba);
        row("regex characters are literal", "[%Xr]*.+"_ba, "[ff]*.+"_ba, "ff0000"_ba);
        row("regex characters do not act", "%Xr.+"_ba, "ffxx"_ba, "none"_ba);
        row("backslash is literal", "\\d%0r"_ba, "\\d5"_ba, "050000"_ba);
        row("uppercase tail", "%0rX%0gY%0b"_ba, "1x2y3"_ba, "010203"_ba);
        row("fraction above 1 refused", "%1r"_ba, "1.5"_ba, "none"_ba);
        row("long text", "%1r,%1g"_ba, "0.5" + QByteArray(100, '0') + ",1.0"_ba, "7fff00"_ba);
        row("long text, no match", "%1r,%1g"_ba, "0.5" + QByteArray(100, '0') + ",2"_ba, "none"_ba);
        row("web tokens read plainly", "%wXr%w0g"_ba, "7f63"_ba, "7f3f00"_ba);
    }
    void otherFormats() {
        ROW(OtherFormatsRow, format, text, color);
        const std::string_view formats[] = {format.constData()};
        QCOMPARE(stored(Color::colorFromString(text.toStdString(), formats)), color);
    }

    // The pieces read numbers by their own rules, which can split matched text differently
    // from the pattern ("2551" matches as 255 and 1 but reads as 2 and 551); the components
    // still stay within 0..1.
    void componentsStayInRange_data() {
        const Rows<ComponentsStayInRangeRow> row;
        row("decimal 551", "%0r%0g"_ba, "2551"_ba);
        row("fraction 5.5", "%1r%1g"_ba, "0.55.5"_ba);
    }
    void componentsStayInRange() {
        ROW(ComponentsStayInRangeRow, format, text);
        const std::string_view formats[] = {format.constData()};
        const auto color = Color::colorFromString(text.toStdString(), formats);
        QVERIFY(color.has_value());
        QVERIFY(inRange(*color));
    }

    void hex_data() {
        const Rows<HexRow> row;
        row("three digits, uppercase, prefix", "#FFF"_ba, "ffffff"_ba);
        row("mixed case", "AbCdEf"_ba, "abcdef"_ba);
        row("prefix and spaces", "#ff 99 33"_ba, "ff9933"_ba);
        row("punctuation removed", "ff-99-33"_ba, "ff9933"_ba);
        row("more than six: first six", "ff99334"_ba, "ff9933"_ba);
        row("more than six, rest not hex", "ff9933 zz"_ba, "ff9933"_ba);
        row("non-ASCII punctuation removed", "\u00abff9933\u00bb"_ba, "ff9933"_ba);
        // Mended: these used to read past the text or yield components above 1.
        row("empty", ""_ba, "none"_ba);
        row("two digits", "ff"_ba, "none"_ba);
        row("five digits", "#ff993"_ba, "none"_ba);
        row("only punctuation", "#(),."_ba, "none"_ba);
        row("one bad digit", "ff99g3"_ba, "none"_ba);
        row("three with a bad digit", "fgf"_ba, "none"_ba);
        row("symbol is not punctuation", "ff99+33"_ba, "none"_ba);
        row("non-ASCII letter", "ff99\u00e93"_ba, "none"_ba);
        row("malformed UTF-8",
            "ff\xff\xfe"
            "93"_ba,
            "none"_ba);
    }
    void hex() {
        ROW(HexRow, text, color);
        QCOMPARE(stored(Color::colorFromHex(text.toStdString())), color);
    }
};

QTEST_APPLESS_MAIN(TestColorParsing)
#include "tst_colorparsing.moc"
