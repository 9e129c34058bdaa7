// SPDX-License-Identifier: GPL-3.0-or-later
// Reference values: the sRGB primaries' OKLab/OKLCH coordinates as CSS Color 4 gives them
// (red oklch(0.627955 0.257683 29.2339) ...); HSV and HSL by their textbook definitions.
#include "colormodels.h"
#include "csscolor.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

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
        QTest::addColumn<QByteArray>("color");
        QTest::addColumn<QList<double>>("hsv");   // degrees, 0..1, 0..1
        QTest::addColumn<QList<double>>("hsl");   // degrees, 0..1, 0..1
        QTest::addColumn<QList<double>>("oklab"); // L, a, b
        QTest::addColumn<QList<double>>("oklch"); // L, C, degrees
        QTest::newRow("red") << "ff0000"_ba << QList{0.0, 1.0, 1.0} << QList{0.0, 1.0, 0.5}
                             << QList{0.627955, 0.224863, 0.125846}
                             << QList{0.627955, 0.257683, 29.2339};
        QTest::newRow("lime") << "00ff00"_ba << QList{120.0, 1.0, 1.0} << QList{120.0, 1.0, 0.5}
                              << QList{0.866440, -0.233888, 0.179498}
                              << QList{0.866440, 0.294827, 142.4953};
        QTest::newRow("blue") << "0000ff"_ba << QList{240.0, 1.0, 1.0} << QList{240.0, 1.0, 0.5}
                              << QList{0.452014, -0.032457, -0.311528}
                              << QList{0.452014, 0.313214, 264.0520};
        QTest::newRow("green") << "008000"_ba << QList{120.0, 1.0, 128 / 255.0}
                               << QList{120.0, 1.0, 64 / 255.0}
                               << QList{0.519752, -0.140302, 0.107676}
                               << QList{0.519752, 0.176858, 142.4953};
        QTest::newRow("steel") << "336699"_ba << QList{210.0, 2 / 3.0, 0.6}
                               << QList{210.0, 0.5, 0.4} << QList<double>{} << QList<double>{};
        QTest::newRow("magenta hue wraps")
            << "ff0080"_ba << QList{360 - 60 * 128 / 255.0, 1.0, 1.0}
            << QList{360 - 60 * 128 / 255.0, 1.0, 0.5} << QList<double>{} << QList<double>{};
        QTest::newRow("white") << "ffffff"_ba << QList{0.0, 0.0, 1.0} << QList{0.0, 0.0, 1.0}
                               << QList{1.0, 0.0, 0.0} << QList{1.0, 0.0, 0.0};
        QTest::newRow("black") << "000000"_ba << QList{0.0, 0.0, 0.0} << QList{0.0, 0.0, 0.0}
                               << QList{0.0, 0.0, 0.0} << QList{0.0, 0.0, 0.0};
    }
    void models() {
        QFETCH(QByteArray, color);
        QFETCH(QList<double>, hsv);
        QFETCH(QList<double>, hsl);
        QFETCH(QList<double>, oklab);
        QFETCH(QList<double>, oklch);
        const Color c = hex(color.constData());
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
            QCOMPARE(hexOf(colorFromOKLCH({oklch[0], oklch[1], oklch[2]})), color);
            QCOMPARE(hexOf(colorFromOKLab({oklab[0], oklab[1], oklab[2]})), color);
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
        QTest::addColumn<QList<double>>("oklch");
        QTest::addColumn<QByteArray>("color");
        // The search on chroma may land a byte either way; what it keeps is checked below.
        QTest::newRow("too vivid green") << QList{0.9, 0.4, 145.0} << QByteArray();
        QTest::newRow("too vivid blue") << QList{0.5, 0.4, 264.0} << QByteArray();
        QTest::newRow("huge chroma") << QList{0.7, 1e300 * 1e300, 30.0} << QByteArray();
        QTest::newRow("beyond white") << QList{1.2, 0.1, 30.0} << "ffffff"_ba;
        QTest::newRow("below black") << QList{-0.1, 0.1, 30.0} << "000000"_ba;
    }
    void outOfGamut() {
        QFETCH(QList<double>, oklch);
        QFETCH(QByteArray, color);
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
