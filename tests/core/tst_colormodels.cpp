// SPDX-License-Identifier: GPL-3.0-or-later
// Reference values: the sRGB primaries' OKLab/OKLCH coordinates as CSS Color 4 gives them
// (red oklch(0.627955 0.257683 29.2339) ...); HSV and HSL by their textbook definitions.
#include "colormodels.h"
#include "csscolor.h"
#include "datarows.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;

// HSV and HSL in degrees, 0..1, 0..1; OKLab as L, a, b; OKLCH as L, C, degrees.
using ModelsRow =
    std::tuple<const char*, QList<double>, QList<double>, QList<double>, QList<double>>;
using OutOfGamutRow = std::tuple<QList<double>, QByteArray>;

namespace {
Color hex(const char* text) {
    return *Color::colorFromHex(text);
}
QByteArray hexOf(const Color& color) {
    return QByteArray::fromStdString(color.hexString());
}
} // namespace

class TestColorModels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void models_data() {
        const Rows<ModelsRow> row;
        row("red", "ff0000", {0.0, 1.0, 1.0}, {0.0, 1.0, 0.5}, {0.627955, 0.224863, 0.125846},
            {0.627955, 0.257683, 29.2339});
        row("lime", "00ff00", {120.0, 1.0, 1.0}, {120.0, 1.0, 0.5}, {0.866440, -0.233888, 0.179498},
            {0.866440, 0.294827, 142.4953});
        row("blue", "0000ff", {240.0, 1.0, 1.0}, {240.0, 1.0, 0.5},
            {0.452014, -0.032457, -0.311528}, {0.452014, 0.313214, 264.0520});
        row("green", "008000", {120.0, 1.0, 128 / 255.0}, {120.0, 1.0, 64 / 255.0},
            {0.519752, -0.140302, 0.107676}, {0.519752, 0.176858, 142.4953});
        row("steel", "336699", {210.0, 2 / 3.0, 0.6}, {210.0, 0.5, 0.4}, {}, {});
        const double magenta = 360 - 60 * 128 / 255.0;
        row("magenta hue wraps", "ff0080", {magenta, 1.0, 1.0}, {magenta, 1.0, 0.5}, {}, {});
        row("white", "ffffff", {0.0, 0.0, 1.0}, {0.0, 0.0, 1.0}, {1.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
        row("black", "000000", {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0});
    }
    void models() {
        ROW(ModelsRow, color, hsv, hsl, oklab, oklch);
        const Color c = hex(color);
        const auto near = [](QList<double> got, const QList<double>& want) {
            for (qsizetype i = 0; i < want.size(); ++i) {
                // Coordinates are published to six places, hues in degrees to four.
                if (std::abs(got[i] - want[i]) > (std::abs(want[i]) > 1.0 ? 1e-4 : 1e-5)) {
                    qWarning() << "got" << got << "want" << want;
                    return false;
                }
            }
            return true;
        };
        const HSV v = hsvFromColor(c);
        const HSL l = hslFromColor(c);
        const OKLab lab = oklabFromColor(c);
        const OKLCH lch = oklchFromColor(c);
        QVERIFY(near({v.hue, v.saturation, v.value}, hsv));
        QVERIFY(near({l.hue, l.saturation, l.lightness}, hsl));
        QVERIFY(near({lab.lightness, lab.a, lab.b}, oklab));
        QVERIFY(near({lch.lightness, lch.chroma, lch.hue}, oklch));
        // Back to the very same colour from each model, and from the published coordinates.
        QCOMPARE(colorFromHSV(v), c);
        QCOMPARE(colorFromHSL(l), c);
        QCOMPARE(colorFromOKLCH(lch), c);
        QCOMPARE(colorFromOKLab(lab), c);
        if (!oklch.isEmpty()) {
            QVERIFY(isInGamut(OKLCH{oklch[0], oklch[1], oklch[2]}));
            QCOMPARE(hexOf(colorFromOKLCH({oklch[0], oklch[1], oklch[2]})), QByteArray(color));
            QCOMPARE(hexOf(colorFromOKLab({oklab[0], oklab[1], oklab[2]})), QByteArray(color));
        }
    }

    // Every 5th value of each channel, 0 and 255 among them; the whole cube of 16,777,216
    // colours is the benchmark bench_colormodels.
    void roundTripsKeepEveryByte() {
        int mismatches = 0;
        for (int r = 0; r < 256; r += 5) {
            for (int g = 0; g < 256; g += 5) {
                for (int b = 0; b < 256; b += 5) {
                    const Color c = Color::fromBytes(r, g, b);
                    mismatches += colorFromHSV(hsvFromColor(c)) != c;
                    mismatches += colorFromHSL(hslFromColor(c)) != c;
                    mismatches += colorFromOKLCH(oklchFromColor(c)) != c;
                }
            }
        }
        QCOMPARE(mismatches, 0);
    }

    void outOfGamut_data() {
        const Rows<OutOfGamutRow> row;
        // The search on chroma may land a byte either way; what it keeps is checked below.
        row("too vivid", {0.9, 0.4, 145.0}, QByteArray());
        row("huge chroma", {0.7, 1e300 * 1e300, 30.0}, QByteArray());
        row("beyond white", {1.2, 0.1, 30.0}, "ffffff"_ba);
        row("below black", {-0.1, 0.1, 30.0}, "000000"_ba);
    }
    void outOfGamut() {
        ROW(OutOfGamutRow, oklch, color);
        const OKLCH asked{oklch[0], oklch[1], oklch[2]};
        QVERIFY(!isInGamut(asked));
        const Color mapped = colorFromOKLCH(asked);
        if (!color.isEmpty()) {
            QCOMPARE(hexOf(mapped), color);
            return;
        }
        // Lightness and hue stay where they were asked, within a noticeable difference.
        const OKLCH got = oklchFromColor(mapped);
        QVERIFY(std::abs(got.lightness - asked.lightness) < 0.02);
        QVERIFY(std::abs(got.hue - asked.hue) < 5.0);
        QVERIFY(got.chroma < asked.chroma);
    }

    void hueWrapsAndRangesAreLimited() {
        QCOMPARE(colorFromHSV({-120.0, 1.0, 1.0}), colorFromHSV({240.0, 1.0, 1.0}));
        QCOMPARE(colorFromHSL({720.0 + 120.0, 1.0, 0.5}), hex("00ff00"));
        QCOMPARE(colorFromHSL({0.0, 2.0, 1.5}), hex("ffffff"));
        QCOMPARE(colorFromHSV({std::nan(""), 1.0, 1.0}), hex("ff0000"));
    }
};

QTEST_APPLESS_MAIN(TestColorModels)
#include "tst_colormodels.moc"
