// SPDX-License-Identifier: GPL-3.0-or-later
// WCAG 2.x figures from its definition of relative luminance and contrast ratio (black on
// white 21:1; #777 on white just fails AA at 4.48, #767676 passes at 4.54). APCA figures are
// the reference pairs published with APCA-W3 0.0.98G-4g (its README and test suite).
#include "contrast.h"

#include <QTest>

using tintmere::Color;

class TestContrast : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contrast_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("passes"); // AA body, AA large, AAA body, AAA large
        QTest::addColumn<double>("lc");
        QTest::newRow("888 on fff") << "888"
                                    << "fff" << 3.5449 << "-+--" << 63.056469930209424;
        QTest::newRow("fff on 888") << "fff"
                                    << "888" << 3.5449 << "-+--" << -68.54146436644962;
        QTest::newRow("000 on aaa") << "000"
                                    << "aaa" << 9.0396 << "++++" << 58.146262578561334;
        QTest::newRow("aaa on 000") << "aaa"
                                    << "000" << 9.0396 << "++++" << -56.24113336839742;
        QTest::newRow("123 on def") << "123"
                                    << "def" << 13.6478 << "++++" << 91.66830811481631;
        QTest::newRow("def on 123") << "def"
                                    << "123" << 13.6478 << "++++" << -93.06770049484275;
        QTest::newRow("123 on 444") << "123"
                                    << "444" << 1.6580 << "----" << 8.32326136957393;
        QTest::newRow("444 on 123") << "444"
                                    << "123" << 1.6580 << "----" << -7.526878460278154;
        QTest::newRow("black on white") << "000"
                                        << "fff" << 21.0 << "++++" << 106.04067321268862;
        QTest::newRow("777 just fails AA") << "777"
                                           << "fff" << 4.4781 << "-+--" << 71.1;
        QTest::newRow("767676 passes AA") << "767676"
                                          << "fff" << 4.5422 << "++-+" << 71.6;
        QTest::newRow("same colour") << "808080"
                                     << "808080" << 1.0 << "----" << 0.0;
        QTest::newRow("too close for APCA") << "fff"
                                            << "fefefe" << 1.0085 << "----" << 0.0;
    }
    void contrast() {
        QFETCH(QString, text);
        QFETCH(QString, background);
        QFETCH(double, ratio);
        QFETCH(QString, passes);
        QFETCH(double, lc);
        const Color fg = *Color::colorFromHex(text.toStdString());
        const Color bg = *Color::colorFromHex(background.toStdString());
        QVERIFY(std::abs(tintmere::contrastRatio(fg, bg) - ratio) < 1e-4);
        QCOMPARE(tintmere::contrastRatio(bg, fg), tintmere::contrastRatio(fg, bg));
        const tintmere::WCAGLevels levels = tintmere::wcagLevels(ratio);
        const QString got = QString(levels.aaBody ? u'+' : u'-') + (levels.aaLarge ? u'+' : u'-') +
                            (levels.aaaBody ? u'+' : u'-') + (levels.aaaLarge ? u'+' : u'-');
        QCOMPARE(got, passes);
        // Components are 32-bit floats, so agreement is to about five places; the figures
        // without many places are rounded regression values.
        const double tolerance = std::abs(lc - std::round(lc * 10) / 10) < 1e-9 ? 0.05 : 1e-4;
        QVERIFY2(std::abs(tintmere::apcaContrast(fg, bg) - lc) < tolerance,
                 qPrintable(QString::number(tintmere::apcaContrast(fg, bg), 'g', 17)));
    }
};

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
