// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "qvblendview.h"
#include "viewrendering.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::Rows;
using tintmere::Color;

namespace {

// Red rises, green stays, blue falls: each midpoint channel shows how far along it lies.
const Color kStart{0.0f, 0.2f, 1.0f, 0.5f};
const Color kEnd{1.0f, 0.2f, 0.0f, 0.25f};

QByteArray describe(const Color& c) {
    return QByteArray::number(c.red, 'g', 9) + ", " + QByteArray::number(c.green, 'g', 9) + ", " +
           QByteArray::number(c.blue, 'g', 9) + ", " + QByteArray::number(c.alpha);
}

// The colour `fraction` of the way from kStart to kEnd, alpha 1, to within rounding.
bool liesAt(const Color& c, double fraction) {
    const auto near = [](float actual, double expected) {
        return std::abs(actual - expected) < 2e-6;
    };
    return near(c.red, fraction) && near(c.green, 0.2) && near(c.blue, 1 - fraction) &&
           c.alpha == 1.0f;
}

} // namespace

using MidpointsRow = std::tuple<int, float, QList<double>>;
using PaintingRow = std::tuple<qreal, int, int, QString>;

class TestBlendView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void midpoints_data() {
        const Rows<MidpointsRow> row; // fractions: of the way, per midpoint
        row("one at 0 is the start", 0, 0.0f, QList<double>{0.0});
        row("one at 50 is the average", 0, 50.0f, QList<double>{0.5});
        row("two at 50 are thirds", 1, 50.0f, QList<double>{1 / 3.0, 2 / 3.0});
        // 51 / 100 in single precision is below 0.51: still spread from the start.
        row("two at 51 from the start", 1, 51.0f, QList<double>{0.34, 0.68});
        row("two at 52 from the end", 1, 52.0f, QList<double>{0.36, 0.68});
        row("two at 0 on the start", 1, 0.0f, QList<double>{0.0, 0.0});
    }

    void midpoints() {
        ROW(MidpointsRow, mode, percent, fractions);
        QVBlendView view;
        view.setColorOne(kStart);
        view.setColorTwo(kEnd);
        view.setPercentAmount(percent);
        view.setMode(mode);
        const QList<Color> swatches = view.swatchColors();
        QCOMPARE(swatches.size(), fractions.size() + 2);
        // The end colours keep their own alpha; only midpoints are made opaque.
        QCOMPARE(swatches.first(), kStart);
        QCOMPARE(swatches.last(), kEnd);
        for (qsizetype i = 0; i < fractions.size(); ++i)
            QVERIFY2(liesAt(swatches[i + 1], fractions[i]), describe(swatches[i + 1]));
    }

    void eachModeKeepsTheOthersMidpoints() {
        QVBlendView view;
        view.setMode(1);
        view.setPercentAmount(20.0f);
        const Color first = view.fourColorOne();
        view.setMode(0);
        view.setPercentAmount(80.0f);
        QCOMPARE(view.fourColorOne(), first);
        const Color three = view.threeColor();
        view.setMode(1);
        view.setColorTwo(Color{0, 1, 0, 1});
        QCOMPARE(view.threeColor(), three);
        QVERIFY(view.fourColorOne() != first);
    }

    void toggleMode() {
        QVBlendView view;
        for (const int toggled : {1, 0}) {
            view.toggleMode();
            QCOMPARE(view.mode(), toggled);
        }
        view.setMode(2);
        view.toggleMode();
        QCOMPARE(view.mode(), 2);
    }

    void painting_data() {
        const Rows<PaintingRow> row; // expected: "black", "unpainted", or a swatch number
        row("left frame", 1.0, 0, 0, u"black"_s);
        row("first separator", 1.0, 0, 33, u"black"_s);
        row("midpoint", 1.0, 0, 34, u"1"_s);
        row("end swatch reaches the frame", 1.0, 0, 98, u"2"_s);
        row("right frame", 1.0, 0, 99, u"black"_s);
        row("two: last separator", 1.0, 1, 72, u"black"_s);
        row("two: end swatch", 1.0, 1, 95, u"3"_s);
        row("two: columns left over", 1.0, 1, 96, u"unpainted"_s);
        row("mode 2: only the frame", 1.0, 2, 50, u"unpainted"_s);
        row("first separator @2x", 2.0, 0, 33, u"black"_s);
        row("two: columns left over @2x", 2.0, 1, 96, u"unpainted"_s);
    }

    void painting() {
        ROW(PaintingRow, dpr, mode, x, expected);
        QVBlendView view;
        view.resize(100, 20);
        view.setColorOne(Color{1, 0, 0, 1});
        view.setColorTwo(Color{0, 0, 1, 1});
        view.setPercentAmount(25.0f);
        view.setMode(mode);
        const QImage image = viewtest::render(&view, dpr);
        const QColor middle = viewtest::pixel(image, QPointF(x + 0.5, 10));
        // Top and bottom frame lines run the whole width.
        QCOMPARE(viewtest::pixel(image, QPointF(x + 0.5, 0.5)), QColor(Qt::black));
        QCOMPARE(viewtest::pixel(image, QPointF(x + 0.5, 19.5)), QColor(Qt::black));
        if (expected == u"black")
            QCOMPARE(middle, QColor(Qt::black));
        else if (expected == u"unpainted")
            QCOMPARE(middle, viewtest::kUnpainted);
        else
            QVERIFY2(viewtest::sameColor(middle, view.swatchColors().at(expected.toInt())),
                     viewtest::describe(middle));
    }
};

QTEST_MAIN(TestBlendView)
#include "tst_blendview.moc"
