// SPDX-License-Identifier: GPL-3.0-or-later
// Archiving a gradient: what is written, in which order, and what is refused.
#include "datarows.h"
#include "gradienttext.h"
#include "gxgradientcoding.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::GXGradient;
using tintmere::test::gradientFrom;

Q_DECLARE_METATYPE(tintmere::GXGradient)

namespace {

// A coder that cannot key its values.
class SequentialCoder : public tintmere::GXCoder {
public:
    bool allowsKeyedCoding() const override { return false; }
    void encodeFloat(float) override {}
    void encodeInt(int, const QString&) override {}
    float decodeFloat() override { return 0.0f; }
    int decodeInt(const QString&) override { return 0; }
};

} // namespace

using DamagedArchiveIsRefusedRow = std::tuple<int, int, int>;

class TestGXGradientCoding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void archiveRoundTrip_data() {
        QTest::addColumn<GXGradient>("gradient");
        row("empty", GXGradient());
        row("equal positions", GXGradient::aquaSelectedGradient());
        row("inverse chromatic", GXGradient::hydrogenSpectrumGradient().gradientWithBlendingMode(
                                     GXGradient::InverseChromatic));
    }

    void archiveRoundTrip() {
        QFETCH(GXGradient, gradient);
        tintmere::GXKeyedArchiver archiver;
        tintmere::encodeWithCoder(gradient, archiver);
        QCOMPARE(archiver.unkeyedValues().size(), 5 * gradient.elementCount());
        QCOMPARE(archiver.keyedValues().value(u"GXGradientElementCount"_s).toInt(),
                 int(gradient.elementCount()));
        QCOMPARE(archiver.keyedValues().value(u"GXGradientBlendingMode"_s).toInt(),
                 gradient.blendingMode());
        const GXGradient decoded = tintmere::initWithCoder(archiver);
        QCOMPARE(decoded, gradient);
    }

    void archiveValueOrder() {
        tintmere::GXKeyedArchiver archiver;
        tintmere::encodeWithCoder(gradientFrom(u"0.1,0.2,0.3,0.4@0.5;0.6,0.7,0.8,0.9@1"_s),
                                  archiver);
        const std::vector<float> expected{0.1f, 0.2f, 0.3f, 0.4f, 0.5f,
                                          0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
        QCOMPARE(archiver.unkeyedValues(), expected);
    }

    void unkeyedCoderIsRefused() {
        SequentialCoder coder;
        QVERIFY_THROWS_EXCEPTION(tintmere::GXInvalidArchiveOperationException,
                                 tintmere::encodeWithCoder(GXGradient::rainbowGradient(), coder));
    }

    void damagedArchiveIsRefused_data() {
        const Rows<DamagedArchiveIsRefusedRow> row;
        row("more stops than values", 3, 0, 10);
        row("negative count", -1, 0, 0);
        row("unknown mode", 0, 7, 0);
    }

    void damagedArchiveIsRefused() {
        ROW(DamagedArchiveIsRefusedRow, count, mode, values);
        tintmere::GXKeyedArchiver archiver;
        for (int i = 0; i < values; ++i)
            archiver.encodeFloat(0.5f);
        archiver.encodeInt(count, tintmere::gxgradientkeys::ElementCount);
        archiver.encodeInt(mode, tintmere::gxgradientkeys::BlendingMode);
        QVERIFY_THROWS_EXCEPTION(tintmere::GXInvalidArchiveOperationException,
                                 tintmere::initWithCoder(archiver));
    }
};

QTEST_GUILESS_MAIN(TestGXGradientCoding)
#include "tst_gxgradientcoding.moc"
