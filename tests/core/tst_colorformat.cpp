// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"
#include "datarows.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;

namespace {
const Color kShortColor{1.0f, 0.6f, 0.2f};    // ff9933, short
const Color kUnevenColor{0.5f, 0.25f, 0.75f}; // 7f3fbf, web-safe 6633cc

QByteArray written(const Color& color, const QByteArray& format) {
    return QByteArray::fromStdString(color.colorValueWithFormat(format.toStdString()));
}
} // namespace

using TokensRow = std::tuple<QByteArray, QByteArray, QByteArray>;
using LiteralsRow = std::tuple<QByteArray, QByteArray>;
using FractionsRoundLikePrintfRow = std::tuple<float, QByteArray, QByteArray>;

class TestColorFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokens_data() {
        const Rows<TokensRow> row;
        row("stored colour text", "%Xr%Xg%Xb"_ba, "ff9933"_ba, "7f3fbf"_ba);
        row("uppercase letters", "%XR%XG%XB"_ba, "FF9933"_ba, "7F3FBF"_ba);
        row("shorthand", "%xr%xg%xb"_ba, "f93"_ba, "7f3fbf"_ba);
        row("shorthand after literal", "#%xR%xG%xB"_ba, "#F93"_ba, "#7F3FBF"_ba);
        row("decimal", "rgb(%0r,%0g,%0b)"_ba, "rgb(255,153,51)"_ba, "rgb(127,63,191)"_ba);
        row("fractions", "%3r %3g %3b"_ba, "1.000 0.600 0.200"_ba, "0.500 0.250 0.750"_ba);
        row("web shorthand", "%wxr%wxg%wxb"_ba, "f93"_ba, "63c"_ba);
        row("web hex uppercase", "%wXR%wXG%wXB"_ba, "FF9933"_ba, "6633CC"_ba);
        row("web decimal", "RGB(%w0r,%w0g,%w0b)"_ba, "RGB(255,153,51)"_ba, "RGB(102,51,204)"_ba);
        row("fraction widths", "%1r %2r %w5b"_ba, "1.0 1.00 0.20000"_ba, "0.5 0.50 0.80000"_ba);
        row("escaped percent", "50%% of %0r"_ba, "50% of 255"_ba, "50% of 127"_ba);
        row("case and width per token", "%XR%Xg%xB"_ba, "FF993"_ba, "7F3fBF"_ba);
        row("web fraction", "%w2g"_ba, "0.60"_ba, "0.20"_ba);
    }
    void tokens() {
        ROW(TokensRow, format, shortColor, unevenColor);
        QCOMPARE(written(kShortColor, format), shortColor);
        QCOMPARE(written(kUnevenColor, format), unevenColor);
    }

    // Everything that is not a complete token becomes literal text.
    void literals_data() {
        const Rows<LiteralsRow> row;
        row("empty", ""_ba, ""_ba);
        row("no percent", "plain text"_ba, "plain text"_ba);
        row("unknown notation", "%qz"_ba, "qz"_ba);
        row("unknown notation at the end", "%q"_ba, "%q"_ba);
        row("incomplete token at the end", "abc%X"_ba, "abc%X"_ba);
        row("incomplete web token at the end", "v%w0"_ba, "v%w0"_ba);
        row("unknown channel letter", "%xq"_ba, "xq"_ba);
        row("uppercase letter after 0", "%0R"_ba, "0R"_ba);
        row("unknown web channel", "%wXq"_ba, "wXq"_ba);
        row("uppercase web decimal", "%w0R"_ba, "w0R"_ba);
        // Mended: the text before a final lone "%" used to be lost.
        row("lone percent at the end", "abc%"_ba, "abc%"_ba);
        row("percent after a token", "%0r%"_ba, "127%"_ba);
        row("final %% is a percent sign", "50%%"_ba, "50%"_ba);
        row("three percents", "%%%"_ba, "%%"_ba);
        // An unknown web notation keeps the character after it for the next token.
        row("unknown web notation", "%wq%0r"_ba, "wq127"_ba);
        row("unknown web notation, then text", "%wqz"_ba, "wqz"_ba);
        // Characters after a "%" count as whole characters, so UTF-8 text is never split.
        row("after percent", "%\u00e9x"_ba, "\u00e9x"_ba);
        row("after percent at the end", "%\u00e9"_ba, "%\u00e9"_ba);
        row("as channel letter", "%x\u20ac!"_ba, "x\u20ac!"_ba);
        row("as web channel letter", "%wX\u20ac!"_ba, "wX\u20ac!"_ba);
        row("after web at the end", "%w\u00e9"_ba, "%w\u00e9"_ba);
        row("non-ASCII literal text", "gr\u00fcn %0g"_ba, "gr\u00fcn 63"_ba);
    }
    void literals() {
        ROW(LiteralsRow, format, expected);
        QCOMPARE(written(kUnevenColor, format), expected);
    }

    void fractionsRoundLikePrintf_data() {
        const Rows<FractionsRoundLikePrintfRow> row;
        row("exact tie rounds to even", 0.125f, "%2r"_ba, "0.12"_ba);
        row("float above the tie", 0.375f, "%2r"_ba, "0.38"_ba);
        row("float widened, not rounded first", 0.6f, "%5r"_ba, "0.60000"_ba);
        row("byte value of 0.5", 0.5f, "%0r"_ba, "127"_ba);
        row("out of range limited", 1.7f, "%1r %0r %Xr"_ba, "1.0 255 ff"_ba);
    }
    void fractionsRoundLikePrintf() {
        ROW(FractionsRoundLikePrintfRow, red, format, expected);
        QCOMPARE(written(Color{red, 0.0f, 0.0f}, format), expected);
    }

    void shorthandNeverMixesWidths() {
        for (int n = 0; n < 256; ++n) {
            const Color c = Color::fromBytes(0x11 * (n % 16), n, 0xff);
            const std::string shortText = c.colorValueWithFormat("%xr%xg%xb");
            QCOMPARE(shortText.size(), c.isShortColor() ? 3U : 6U);
            QCOMPARE(c.colorValueWithFormat("%wxr%wxg%wxb").size(), 3U);
        }
    }
};

QTEST_APPLESS_MAIN(TestColorFormat)
#include "tst_colorformat.moc"
