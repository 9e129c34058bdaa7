// SPDX-License-Identifier: GPL-3.0-or-later
// WCAG 2.x figures from its definition of relative luminance and contrast ratio (black on
// white 21:1; #777 on white just fails AA at 4.48, #767676 passes at 4.54). APCA figures are
// the reference pairs published with APCA-W3 0.0.98G-4g (its README and test suite).
#include "contrast.h"
#include "datarows.h"

#include <QTest>

using testrows::Rows;
using tintmere::Color;

using ContrastRow = std::tuple<const char*, const char*, double, const char*, double>;

class TestContrast : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contrast_data() {
        const Rows<ContrastRow> row; // passes: AA body, AA large, AAA body, AAA large
        row("888 on fff", "888", "fff", 3.5449, "-+--", 63.056469930209424);
        row("fff on 888", "fff", "888", 3.5449, "-+--", -68.54146436644962);
        row("123 on def", "123", "def", 13.6478, "++++", 91.66830811481631);
        row("def on 123", "def", "123", 13.6478, "++++", -93.06770049484275);
        row("123 on 444", "123", "444", 1.6580, "----", 8.32326136957393);
        row("444 on 123", "444", "123", 1.6580, "----", -7.526878460278154);
        row("black on white", "000", "fff", 21.0, "++++", 106.04067321268862);
        row("777 just fails AA", "777", "fff", 4.4781, "-+--", 71.1);
        row("767676 passes AA", "767676", "fff", 4.5422, "++-+", 71.6);
        row("too close for APCA", "fff", "fefefe", 1.0085, "----", 0.0);
    }
    void contrast() {
        ROW(ContrastRow, text, background, ratio, passes, lc);
        const Color fg = *Color::colorFromHex(text);
        const Color bg = *Color::colorFromHex(background);
        QVERIFY(std::abs(tintmere::contrastRatio(fg, bg) - ratio) < 1e-4);
        QCOMPARE(tintmere::contrastRatio(bg, fg), tintmere::contrastRatio(fg, bg));
        const tintmere::WCAGLevels levels = tintmere::wcagLevels(ratio);
        const QString got = QString(levels.aaBody ? u'+' : u'-') + (levels.aaLarge ? u'+' : u'-') +
                            (levels.aaaBody ? u'+' : u'-') + (levels.aaaLarge ? u'+' : u'-');
        QCOMPARE(got, QLatin1String(passes));
        // Components are 32-bit floats, so agreement is to about five places; the figures
        // without many places are rounded regression values.
        const double tolerance = std::abs(lc - std::round(lc * 10) / 10) < 1e-9 ? 0.05 : 1e-4;
        QVERIFY2(std::abs(tintmere::apcaContrast(fg, bg) - lc) < tolerance,
                 qPrintable(QString::number(tintmere::apcaContrast(fg, bg), 'g', 17)));
    }
};

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
