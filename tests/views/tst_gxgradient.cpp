// SPDX-License-Identifier: GPL-3.0-or-later
#include "gxgradient.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;
using tintmere::GXGradient;
using tintmere::GXGradientElement;

Q_DECLARE_METATYPE(tintmere::GXGradient)

namespace {

// A gradient described as "r,g,b@position;..." with optional alpha "r,g,b,a@position".
GXGradient gradientFrom(const QString& stops, int mode = GXGradient::Linear) {
    GXGradient gradient;
    for (const QString& stop : stops.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = stop.split(u'@');
        const QStringList c = parts[0].split(u',');
        gradient.addElement({c[0].toFloat(), c[1].toFloat(), c[2].toFloat(),
                             c.size() > 3 ? c[3].toFloat() : 1.0f, parts[1].toFloat()});
    }
    gradient.setBlendingMode(mode);
    return gradient;
}

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

// A coder that cannot key its values.
class SequentialCoder : public tintmere::GXCoder {
public:
    bool allowsKeyedCoding() const override { return false; }
    void encodeFloat(float) override {}
    void encodeInt(int, const QString&) override {}
    float decodeFloat() override { return 0.0f; }
    int decodeInt(const QString&) override { return 0; }
};

// Renders a fill into an image of the rectangle's logical size at the device pixel ratio.
QImage rendered(const std::function<void(QPainter&, const QRectF&)>& fill, QSize size, qreal dpr) {
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    fill(painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

class TestGXGradient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colorAtPosition_data() {
        QTest::addColumn<QString>("stops");
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("position");
        QTest::addColumn<Color>("expected");
        const auto row = [](const char* name, const QString& stops, int mode, float at, Color c) {
            QTest::newRow(name) << stops << mode << at << c;
        };
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
        QFETCH(QString, stops);
        QFETCH(int, mode);
        QFETCH(float, position);
        QFETCH(Color, expected);
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
        QTest::addColumn<int>("operation"); // 0 remove at index, 1 remove at position, 2 read
        QTest::addColumn<float>("argument");
        QTest::addColumn<QString>("message");
        QTest::newRow("remove index")
            << 0 << 3.0f << u"-[GXGradient removeColorStopAtIndex:]: index (3) beyond bounds"_s;
        QTest::newRow("remove position")
            << 1 << 0.4f
            << u"-[GXGradient removeColorStopAtPosition:]: no such colorStop at position (0.400000)"_s;
        QTest::newRow("read index")
            << 2 << 7.0f << u"-[GXGradient colorStopAtIndex:]: index (7) beyond bounds"_s;
    }

    void missingStopsRaise() {
        QFETCH(int, operation);
        QFETCH(float, argument);
        QFETCH(QString, message);
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
        QTest::addColumn<GXGradient>("gradient");
        QTest::addColumn<int>("stops");
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("position");
        QTest::addColumn<Color>("expected");
        QTest::newRow("aqua selected") << GXGradient::aquaSelectedGradient() << 4 << 0 << 0.5f
                                       << Color{0.42f, 0.68f, 0.90f, 1};
        // Hydrogen: the bright line at hue 200, and nearly black between the lines.
        QTest::newRow("hydrogen line") << GXGradient::hydrogenSpectrumGradient() << 12 << 1 << 0.71f
                                       << Color{0, 2.0f / 3, 1, 1};
        // Light to dark: the beginning colour lies at position 1.
        const GXGradient lightToDark = GXGradient::gradientWithBeginningColor(
            Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1});
        QTest::newRow("beginning colour at 1")
            << lightToDark << 2 << 0 << 1.0f << Color{0.99f, 0.99f, 0.99f, 1};
        QTest::newRow("ending colour at 0")
            << lightToDark << 2 << 0 << 0.0f << Color{0.93f, 0.93f, 0.93f, 1};
        QTest::newRow("alpha copy of the rainbow is linear")
            << GXGradient::rainbowGradient().gradientWithAlphaComponent(0.5f) << 2 << 0 << 1.0f
            << Color{0.54f, 0, 1, 0.5f};
        QTest::newRow("hydrogen between lines")
            << GXGradient::hydrogenSpectrumGradient() << 12 << 1 << 0.4f << Color{0, 0, 0, 1};
    }

    void madeGradients() {
        QFETCH(GXGradient, gradient);
        QFETCH(int, stops);
        QFETCH(int, mode);
        QFETCH(float, position);
        QFETCH(Color, expected);
        QCOMPARE(gradient.elementCount(), std::size_t(stops));
        QCOMPARE(gradient.blendingMode(), mode);
        const Color actual = gradient.colorAtPosition(position);
        QVERIFY2(near(actual, expected, 2e-3f), describe(actual));
    }

    void archiveRoundTrip_data() {
        QTest::addColumn<GXGradient>("gradient");
        QTest::newRow("empty") << GXGradient();
        QTest::newRow("equal positions") << GXGradient::aquaSelectedGradient();
        QTest::newRow("inverse chromatic")
            << GXGradient::hydrogenSpectrumGradient().gradientWithBlendingMode(
                   GXGradient::InverseChromatic);
    }

    void archiveRoundTrip() {
        QFETCH(GXGradient, gradient);
        tintmere::GXKeyedArchiver archiver;
        gradient.encodeWithCoder(archiver);
        QCOMPARE(archiver.unkeyedValues().size(), 5 * gradient.elementCount());
        QCOMPARE(archiver.keyedValues().value(u"GXGradientElementCount"_s).toInt(),
                 int(gradient.elementCount()));
        QCOMPARE(archiver.keyedValues().value(u"GXGradientBlendingMode"_s).toInt(),
                 gradient.blendingMode());
        const GXGradient decoded(archiver);
        QCOMPARE(decoded, gradient);
    }

    void archiveValueOrder() {
        tintmere::GXKeyedArchiver archiver;
        gradientFrom(u"0.1,0.2,0.3,0.4@0.5;0.6,0.7,0.8,0.9@1"_s).encodeWithCoder(archiver);
        const std::vector<float> expected{0.1f, 0.2f, 0.3f, 0.4f, 0.5f,
                                          0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
        QCOMPARE(archiver.unkeyedValues(), expected);
    }

    void unkeyedCoderIsRefused() {
        SequentialCoder coder;
        try {
            GXGradient::rainbowGradient().encodeWithCoder(coder);
            QFAIL("no exception");
        } catch (const tintmere::GXInvalidArchiveOperationException& error) {
            QCOMPARE(QByteArray(error.what()), "Only supports NSKeyedArchiver coders");
        }
    }

    void damagedArchiveIsRefused_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("values");
        QTest::newRow("more stops than values") << 3 << 0 << 10;
        QTest::newRow("negative count") << -1 << 0 << 0;
        QTest::newRow("unknown mode") << 0 << 7 << 0;
    }

    void damagedArchiveIsRefused() {
        QFETCH(int, count);
        QFETCH(int, mode);
        QFETCH(int, values);
        tintmere::GXKeyedArchiver archiver;
        for (int i = 0; i < values; ++i)
            archiver.encodeFloat(0.5f);
        archiver.encodeInt(count, GXGradient::ElementCountKey);
        archiver.encodeInt(mode, GXGradient::BlendingModeKey);
        QVERIFY_THROWS_EXCEPTION(tintmere::GXInvalidArchiveOperationException,
                                 GXGradient{archiver});
    }

    void axialAxis_data() {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<float>("angle");
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<QPointF>("end");
        const QRectF square(0, 0, 1, 1);
        const QRectF wide(0, 0, 2, 1);
        QTest::newRow("0 runs left to right") << wide << 0.0f << QPointF(0, 0) << QPointF(2, 0);
        QTest::newRow("90 runs bottom to top") << wide << 90.0f << QPointF(0, 0) << QPointF(0, 1);
        QTest::newRow("45 wide") << wide << 45.0f << QPointF(0.25, -0.25) << QPointF(1.75, 1.25);
        // Any angle: the axis runs through the centre and its ends project onto the corners.
        QTest::newRow("30 wide") << wide << 30.0f << QPointF(0.0334936, -0.0580127)
                                 << QPointF(1.9665064, 1.0580127);
        QTest::newRow("135 square") << square << 135.0f << QPointF(1, 0) << QPointF(0, 1);
        QTest::newRow("180 wide") << wide << 180.0f << QPointF(2, 0.5) << QPointF(0, 0.5);
        QTest::newRow("270 moved")
            << QRectF(10, 20, 4, 2) << 270.0f << QPointF(12, 22) << QPointF(12, 20);
    }

    void axialAxis() {
        QFETCH(QRectF, rect);
        QFETCH(float, angle);
        QFETCH(QPointF, start);
        QFETCH(QPointF, end);
        const QLineF axis = GXGradient::axialAxis(rect, angle);
        const auto close = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-5; };
        QVERIFY2(close(axis.p1(), start) && close(axis.p2(), end),
                 qPrintable(u"(%1, %2) (%3, %4)"_s.arg(axis.x1()).arg(axis.y1()).arg(axis.x2()).arg(
                     axis.y2())));
    }

    void paintedFills_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("kind");   // 0: 90 degrees, 1: 45 on 2 by 1, 2: radial, 3: 0 degrees
        QTest::addColumn<QPointF>("at"); // logical point to read
        QTest::addColumn<int>("grey");
        // Vertical light-to-dark background: 0.99 on top, 0.93 at the bottom.
        QTest::newRow("90 top") << 1.0 << 0 << QPointF(20, 0.2) << 252;
        QTest::newRow("90 bottom") << 1.0 << 0 << QPointF(20, 19.8) << 237;
        // Black to white at 45 degrees over 40 by 20: lower left black, upper right white.
        QTest::newRow("45 lower left") << 1.0 << 1 << QPointF(0.2, 19.8) << 0;
        QTest::newRow("45 upper right") << 1.0 << 1 << QPointF(39.8, 0.2) << 255;
        QTest::newRow("45 upper left") << 1.0 << 1 << QPointF(0.2, 0.2) << 85;
        QTest::newRow("radial centre") << 1.0 << 2 << QPointF(20, 10) << 0;
        QTest::newRow("radial corner") << 1.0 << 2 << QPointF(39.8, 0.2) << 255;
        QTest::newRow("0 quarter") << 1.0 << 3 << QPointF(10, 5) << 64;
        QTest::newRow("0 right") << 1.0 << 3 << QPointF(39.8, 10) << 255;
        QTest::newRow("90 bottom @2x") << 2.0 << 0 << QPointF(20, 19.8) << 237;
        QTest::newRow("45 upper left @2x") << 2.0 << 1 << QPointF(0.2, 0.2) << 85;
        QTest::newRow("radial corner @2x") << 2.0 << 2 << QPointF(39.8, 0.2) << 255;
        QTest::newRow("0 quarter @2x") << 2.0 << 3 << QPointF(10, 5) << 64;
    }

    void paintedFills() {
        QFETCH(qreal, dpr);
        QFETCH(int, kind);
        QFETCH(QPointF, at);
        QFETCH(int, grey);
        const GXGradient background = GXGradient::gradientWithBeginningColor(
            Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1});
        const GXGradient blackToWhite = gradientFrom(u"0,0,0@0;1,1,1@1"_s);
        const QImage image = rendered(
            [&](QPainter& painter, const QRectF& rect) {
                if (kind == 0)
                    background.fillRect(painter, rect, 90);
                else if (kind == 1)
                    blackToWhite.fillRect(painter, rect, 45);
                else if (kind == 2)
                    blackToWhite.radialFillRect(painter, rect);
                else
                    blackToWhite.fillRect(painter, rect, 0);
            },
            QSize(40, 20), dpr);
        const QRgb pixel = image.pixel(int(at.x() * dpr), int(at.y() * dpr));
        QVERIFY2(std::abs(qRed(pixel) - grey) <= 1 && qAlpha(pixel) == 255,
                 qPrintable(u"red %1 alpha %2"_s.arg(qRed(pixel)).arg(qAlpha(pixel))));
        QCOMPARE(qGreen(pixel), qRed(pixel));
    }

    void fillStaysInsideItsRectangle() {
        const QImage image = rendered(
            [](QPainter& painter, const QRectF&) {
                GXGradient::rainbowGradient().fillRect(painter, QRectF(10, 5, 20, 10), 30);
            },
            QSize(40, 20), 2.0);
        QCOMPARE(qAlpha(image.pixel(2 * 9, 2 * 10)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 31, 2 * 10)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 20, 2 * 4)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 20, 2 * 10)), 255);
    }
};

QTEST_GUILESS_MAIN(TestGXGradient)
#include "tst_gxgradient.moc"
