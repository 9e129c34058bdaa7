// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient's stops, the colour at a position in each blending mode, the made gradients
// and the hue conversions behind the chromatic modes.
#include "datarows.h"
#include "gradienttext.h"
#include "gxgradient.h"

#include <QString>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;
using tintmere::GXGradient;
using tintmere::GXGradientElement;
using tintmere::test::gradientFrom;

Q_DECLARE_METATYPE(tintmere::Color)
Q_DECLARE_METATYPE(tintmere::GXGradient)

namespace {

bool near(float a, float b, float tolerance = 1e-4f) {
    return std::fabs(a - b) <= tolerance;
}

bool near(const Color& a, const Color& b, float tolerance = 1e-4f) {
    return near(a.red, b.red, tolerance) && near(a.green, b.green, tolerance) &&
           near(a.blue, b.blue, tolerance) && near(a.alpha, b.alpha, tolerance);
}

QByteArray describe(const Color& c) {
    return u"(%1, %2, %3, %4)"_s.arg(c.red).arg(c.green).arg(c.blue).arg(c.alpha).toUtf8();
}

} // namespace

using ColorAtPositionRow = std::tuple<QString, int, float, Color>;
using MissingStopsRaiseRow = std::tuple<int, float, QString>;
using MadeGradientsRow = std::tuple<GXGradient, int, int, float, Color>;
using HsvConversionsRow = std::tuple<Color, float, float, float>;

class TestGXGradient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colorAtPosition_data() {
        const Rows<ColorAtPositionRow> row;
        const int L = GXGradient::Linear;
        const int C = GXGradient::Chromatic;
        const int I = GXGradient::InverseChromatic;
        const QString bw = u"0,0,0@0;1,1,1@1"_s;
        row("empty is white", QString(), L, 0.3f, {1, 1, 1, 1});
        row("quarter grey", bw, L, 0.25f, {0.25f, 0.25f, 0.25f, 1});
        row("held before the first stop", bw, L, -1.0f, {0, 0, 0, 1});
        row("held after the last stop", bw, L, 2.0f, {1, 1, 1, 1});
        row("one stop everywhere", u"0.2,0.4,0.6@0.5"_s, L, 0.9f, {0.2f, 0.4f, 0.6f, 1});
        row("alpha blends too", u"1,0,0,0@0;1,0,0,1@1"_s, L, 0.5f, {1, 0, 0, 0.5f});
        row("three stops, second span", u"0,0,0@0;1,0,0@0.5;1,1,0@1"_s, L, 0.75f, {1, 0.5f, 0, 1});
        const QString jump = u"0.95,0.95,0.95@0;0.83,0.83,0.83@0.5;0.95,0.95,0.95@0.5;1,1,1@1"_s;
        row("jump: the first stop at the shared position", jump, L, 0.5f, {0.83f, 0.83f, 0.83f, 1});
        row("jump: just past the shared position", jump, L, 0.5f + 1e-6f, {0.95f, 0.95f, 0.95f, 1});
        // Red (hue 0) to violet (hue 272.4): forward through green, backward through magenta.
        const QString rainbow = u"1,0,0@0;0.54,0,1@1"_s;
        row("chromatic midway is green", rainbow, C, 0.5f, {0, 1, 0.27f, 1});
        row("inverse chromatic midway is magenta", rainbow, I, 0.5f, {1, 0, 0.73f, 1});
        // Blue (240) to red (0): forward wraps past 360, backward passes green.
        row("chromatic wraps forward", u"0,0,1@0;1,0,0@1"_s, C, 0.5f, {1, 0, 1, 1});
        row("inverse chromatic goes back", u"0,0,1@0;1,0,0@1"_s, I, 0.5f, {0, 1, 0, 1});
        row("grey stop takes the other hue", u"0,0,0@0;1,0,0@1"_s, C, 0.5f,
            {0.5f, 0.25f, 0.25f, 1});
        row("two greys blend in value", bw, C, 0.5f, {0.5f, 0.5f, 0.5f, 1});
        row("chromatic alpha", u"1,0,0,1@0;0,1,0,0@1"_s, C, 0.5f, {1, 1, 0, 0.5f});
    }

    void colorAtPosition() {
        ROW(ColorAtPositionRow, stops, mode, position, expected);
        const Color actual = gradientFrom(stops, mode).colorAtPosition(position);
        QVERIFY2(near(actual, expected, 1e-3f), describe(actual));
    }

    // Equal positions keep their order of adding, and a new first stop goes before them.
    void stopsStaySorted() {
        const QList<float> added{0.3f, 0.3f, 0.1f, 0.3f};
        const QList<float> positions{0.1f, 0.3f, 0.3f, 0.3f};
        const QList<int> orderOfAdding{2, 0, 1, 3};
        GXGradient gradient;
        // The red component records the order of adding.
        for (int i = 0; i < added.size(); ++i)
            gradient = gradient.addColorStop(Color{float(i), 0, 0, 1}, added[i]);
        QCOMPARE(gradient.elementCount(), std::size_t(added.size()));
        for (int i = 0; i < added.size(); ++i) {
            QCOMPARE(gradient.elementAtIndex(i)->position, positions[i]);
            QCOMPARE(gradient.colorStopAtIndex(i).red, float(orderOfAdding[i]));
        }
        QCOMPARE(gradient.elementAtIndex(added.size()), nullptr);
    }

    void removalLeavesTheReceiver() {
        const GXGradient gradient = gradientFrom(u"0,0,0@0;0.5,0.5,0.5@0.3;1,1,1@1"_s);
        const GXGradient byPosition = gradient.removeColorStopAtPosition(0.3f);
        QCOMPARE(byPosition.elementCount(), std::size_t(2));
        QCOMPARE(gradient.elementCount(), std::size_t(3));
        const GXGradient byIndex = gradient.removeColorStopAtIndex(0);
        QCOMPARE(byIndex.elementAtIndex(0)->position, 0.3f);
        QCOMPARE(gradient.elementAtIndex(0)->position, 0.0f);
    }

    void missingStopsRaise_data() {
        const Rows<MissingStopsRaiseRow>
            row; // operation: 0 remove at index, 1 remove at position, 2 read
        row("remove index", 0, 3.0f,
            u"-[GXGradient removeColorStopAtIndex:]: index (3) beyond bounds"_s);
        row("remove position", 1, 0.4f,
            u"-[GXGradient removeColorStopAtPosition:]: no such colorStop at position (0.400000)"_s);
        row("read index", 2, 7.0f, u"-[GXGradient colorStopAtIndex:]: index (7) beyond bounds"_s);
    }

    void missingStopsRaise() {
        ROW(MissingStopsRaiseRow, operation, argument, message);
        const GXGradient gradient = gradientFrom(u"0,0,0@0;0.5,0.5,0.5@0.3;1,1,1@1"_s);
        try {
            if (operation == 0)
                gradient.removeColorStopAtIndex(std::size_t(argument));
            else if (operation == 1)
                gradient.removeColorStopAtPosition(argument);
            else
                gradient.colorStopAtIndex(std::size_t(argument));
            QFAIL("no exception");
        } catch (const tintmere::GXRangeException& error) {
            QCOMPARE(QString::fromStdString(error.what()), message);
        }
        QCOMPARE(gradient.elementCount(), std::size_t(3));
    }

    void lowLevelRemovalOfNothing() {
        GXGradient gradient = gradientFrom(u"0,0,0@0"_s);
        const GXGradientElement none = gradient.removeElementAtPosition(0.5f);
        QVERIFY(std::isnan(none.position));
        QCOMPARE(none.red + none.green + none.blue + none.alpha, 0.0f);
        QVERIFY(std::isnan(gradient.removeElementAtIndex(4).position));
        QCOMPARE(gradient.elementCount(), std::size_t(1));
    }

    void madeGradients_data() {
        const Rows<MadeGradientsRow> row;
        row("aqua selected", GXGradient::aquaSelectedGradient(), 4, 0, 0.5f,
            Color{0.42f, 0.68f, 0.90f, 1});
        // Hydrogen: the bright line at hue 200, and nearly black between the lines.
        row("hydrogen line", GXGradient::hydrogenSpectrumGradient(), 12, 1, 0.71f,
            Color{0, 2.0f / 3, 1, 1});
        // Light to dark: the beginning colour lies at position 1.
        const GXGradient lightToDark = GXGradient::gradientWithBeginningColor(
            Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1});
        row("beginning colour at 1", lightToDark, 2, 0, 1.0f, Color{0.99f, 0.99f, 0.99f, 1});
        row("ending colour at 0", lightToDark, 2, 0, 0.0f, Color{0.93f, 0.93f, 0.93f, 1});
        row("alpha copy of the rainbow is linear",
            GXGradient::rainbowGradient().gradientWithAlphaComponent(0.5f), 2, 0, 1.0f,
            Color{0.54f, 0, 1, 0.5f});
        row("hydrogen between lines", GXGradient::hydrogenSpectrumGradient(), 12, 1, 0.4f,
            Color{0, 0, 0, 1});
    }

    void madeGradients() {
        ROW(MadeGradientsRow, gradient, stops, mode, position, expected);
        QCOMPARE(gradient.elementCount(), std::size_t(stops));
        QCOMPARE(gradient.blendingMode(), mode);
        const Color actual = gradient.colorAtPosition(position);
        QVERIFY2(near(actual, expected, 2e-3f), describe(actual));
    }

    // Hue in degrees (NaN for a grey), saturation and value, and back again.
    void hsvConversions_data() {
        const Rows<HsvConversionsRow> row;
        row("red", Color{1, 0, 0, 1}, 0.0f, 1.0f, 1.0f);
        row("green", Color{0, 1, 0, 1}, 120.0f, 1.0f, 1.0f);
        row("blue", Color{0, 0, 1, 1}, 240.0f, 1.0f, 1.0f);
        row("magenta side wraps below 360", Color{1, 0, 0.5f, 1}, 330.0f, 1.0f, 1.0f);
        row("dark teal", Color{0, 0.25f, 0.5f, 1}, 210.0f, 1.0f, 0.5f);
        row("pale", Color{0.5f, 1, 1, 1}, 180.0f, 0.5f, 1.0f);
    }

    void hsvConversions() {
        ROW(HsvConversionsRow, rgb, hue, saturation, value);
        float c[3] = {rgb.red, rgb.green, rgb.blue};
        tintmere::transformRGB_HSV(c);
        QVERIFY2(near(c[0], hue) && near(c[1], saturation) && near(c[2], value),
                 qPrintable(u"%1 %2 %3"_s.arg(c[0]).arg(c[1]).arg(c[2])));
        tintmere::transformHSV_RGB(c);
        QVERIFY(near(Color{c[0], c[1], c[2], 1}, rgb));
    }

    // A grey has no hue: it takes the other colour's, and two greys both get 0. A hue below
    // zero counts from the other end of the circle.
    void greysAndNegativeHues() {
        float grey[3] = {0.4f, 0.4f, 0.4f};
        tintmere::transformRGB_HSV(grey);
        QVERIFY(std::isnan(grey[0]));
        QCOMPARE(grey[1], 0.0f);
        float black[3] = {0, 0, 0};
        tintmere::transformRGB_HSV(black);
        QCOMPARE(black[1], 0.0f);
        float red[3] = {0, 1, 1};
        float greyCopy[3] = {grey[0], grey[1], grey[2]};
        tintmere::resolveHSV(greyCopy, red);
        QCOMPARE(greyCopy[0], 0.0f);
        float blue[3] = {240, 1, 1};
        tintmere::resolveHSV(blue, grey);
        QCOMPARE(grey[0], 240.0f);
        tintmere::resolveHSV(black, black);
        QCOMPARE(black[0], 0.0f);
        float negative[3] = {-120.0f, 1, 1}; // the same as 240: blue
        tintmere::transformHSV_RGB(negative);
        QVERIFY(near(Color{negative[0], negative[1], negative[2], 1}, Color{0, 0, 1, 1}));
    }
};

QTEST_GUILESS_MAIN(TestGXGradient)
#include "tst_gxgradient.moc"
