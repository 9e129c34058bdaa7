// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"
#include "datarows.h"

#include <QTest>

#include <cstdio>
#include <limits>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;

Q_DECLARE_METATYPE(Color)

namespace {
QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}
} // namespace

using ByteValueTruncatesRow = std::tuple<float, int>;
using StringsRow = std::tuple<Color, QByteArray, bool, QByteArray, QByteArray, QByteArray>;
using ComponentFromHexComponentRow = std::tuple<QByteArray, int>;

class TestColor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void byteValueTruncates_data() {
        const Rows<ByteValueTruncatesRow> row;
        row("0.5 is 127, not 128", 0.5f, 127);
        row("0.2 is exactly 51", 0.2f, 51);
        row("1.0", 1.0f, 255);
        row("above 1 is limited", 1.5f, 255);
        row("below 0 is limited", -0.5f, 0);
        row("NaN counts as 0", std::numeric_limits<float>::quiet_NaN(), 0);
    }
    void byteValueTruncates() {
        ROW(ByteValueTruncatesRow, component, byte);
        QCOMPARE(tintmere::byteValue(component), byte);
    }

    // Every byte value survives the trip through a component and its hex text, per channel.
    void everyByteRoundTrips() {
        for (int n = 0; n < 256; ++n) {
            const Color c = Color::fromBytes(n, 255 - n, (n * 7) % 256);
            QCOMPARE(tintmere::byteValue(c.red), n);
            char expected[8];
            std::snprintf(expected, sizeof expected, "%02x%02x%02x", n, 255 - n, (n * 7) % 256);
            QCOMPARE(bytes(c.hexString()), QByteArray(expected));
            const auto back = Color::colorFromHex(c.hexString());
            QVERIFY(back.has_value());
            QCOMPARE(*back, c);
        }
    }

    void strings_data() {
        const Rows<StringsRow> row;
        row("short colour", Color{1.0f, 0.6f, 0.2f}, "ff9933"_ba, true, "f93"_ba, "ff9933"_ba,
            "f93"_ba);
        row("halves and quarters", Color{0.5f, 0.25f, 0.75f}, "7f3fbf"_ba, false, "7f3fbf"_ba,
            "6633cc"_ba, "63c"_ba);
        row("band edges", Color::fromBytes(26, 25, 230), "1a19e6"_ba, false, "1a19e6"_ba,
            "3300ff"_ba, "30f"_ba);
        row("one channel off short: never mixed widths", Color::fromBytes(0xff, 0x99, 0x34),
            "ff9934"_ba, false, "ff9934"_ba, "ff9933"_ba, "f93"_ba);
        row("first channel off short", Color::fromBytes(0xfe, 0x99, 0x33), "fe9933"_ba, false,
            "fe9933"_ba, "ff9933"_ba, "f93"_ba);
    }
    void strings() {
        ROW(StringsRow, color, hex, isShort, shortHex, webHex, webShortHex);
        QCOMPARE(bytes(color.hexString()), hex);
        QCOMPARE(color.isShortColor(), isShort);
        QCOMPARE(bytes(color.shortHexString()), shortHex);
        QCOMPARE(bytes(color.webHexString()), webHex);
        QCOMPARE(bytes(color.webShortHexString()), webShortHex);
        QCOMPARE(bytes(color.hexStringWithPrefix("#")), "#" + hex);
        QCOMPARE(bytes(color.shortHexStringWithPrefix("#")), "#" + shortHex);
        QCOMPARE(bytes(color.webHexStringWithPrefix("#")), "#" + webHex);
        QCOMPARE(bytes(color.webShortHexStringWithPrefix("#")), "#" + webShortHex);
        QCOMPARE(
            bytes(color.redHexComponent() + color.greenHexComponent() + color.blueHexComponent()),
            hex);
        QCOMPARE(bytes(color.shortRedHexComponent() + color.shortGreenHexComponent() +
                       color.shortBlueHexComponent()),
                 shortHex);
        QCOMPARE(bytes(color.webRedHexComponent() + color.webGreenHexComponent() +
                       color.webBlueHexComponent()),
                 webHex);
        QCOMPARE(bytes(color.webShortRedHexComponent() + color.webShortGreenHexComponent() +
                       color.webShortBlueHexComponent()),
                 webShortHex);
    }

    // The bands on byte values: 0-25, 26-76, 77-127, 128-178, 179-229, 230-255.
    void websafeBands_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<float>("level");
        const std::pair<int, float> edges[] = {{0, 0.0f},   {25, 0.0f},  {26, 0.2f},  {76, 0.2f},
                                               {77, 0.4f},  {127, 0.4f}, {128, 0.6f}, {178, 0.6f},
                                               {179, 0.8f}, {229, 0.8f}, {230, 1.0f}, {255, 1.0f}};
        for (const auto& [byte, level] : edges) {
            QTest::addRow("%d", byte) << byte << level;
        }
    }
    void websafeBands() {
        QFETCH(int, byte);
        QFETCH(float, level);
        const Color c = Color::fromBytes(byte, byte, byte);
        QCOMPARE(tintmere::snapToWebsafe(c.red), level);
        QCOMPARE(c.webGreenComponent(), level);
        QCOMPARE(c.webColor(), (Color{level, level, level, 1.0f}));
    }

    void websafeBandUsesScaledFloat() {
        QCOMPARE(tintmere::snapToWebsafe(26.0f / 255.0f), 0.2f);
        QCOMPARE(tintmere::snapToWebsafe(25.99f / 255.0f), 0.0f);
        QCOMPARE(tintmere::snapToWebsafe(-3.0f), 0.0f); // limited first, not the 0.2 band
    }

    void webColorHasFullAlpha() {
        const Color translucent{0.5f, 0.25f, 0.75f, 0.3f};
        QCOMPARE(translucent.webColor(), (Color{0.4f, 0.2f, 0.8f, 1.0f}));
    }

    void componentFromHexComponent_data() {
        const Rows<ComponentFromHexComponentRow> row;
        row("one digit doubled", "f"_ba, 255);
        row("8 is 0x88", "8"_ba, 136);
        row("80", "80"_ba, 128);
        row("uppercase", "A0"_ba, 160);
        row("extra characters ignored", "0a9"_ba, 10);
        row("empty reads nothing", ""_ba, 0);
        row("non-digits stay in range", "zz"_ba, 255);
        row("punctuation stays in range", "##"_ba, 0);
    }
    void componentFromHexComponent() {
        ROW(ComponentFromHexComponentRow, hex, byte);
        const float component = tintmere::colorComponentFromHexComponent(hex.toStdString());
        QCOMPARE(component, static_cast<float>(byte / 255.0));
    }
};

QTEST_APPLESS_MAIN(TestColor)
#include "tst_color.moc"
