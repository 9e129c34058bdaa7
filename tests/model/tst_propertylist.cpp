// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "propertylist.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::fixture;
using testrows::row;
using testrows::Rows;
using namespace tintmere;

namespace {

// A binary property list made of the given objects (raw bytes, one-byte references,
// two-byte offsets), with the first object as the top.
// Extra entries of the offset table may point at the second object again.
QByteArray bplist(const QList<QByteArray>& objects, int top = 0, int aliases = 0) {
    QByteArray data = "bplist00"_ba;
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        offsets.append(char(data.size() >> 8)).append(char(data.size() & 0xFF));
        data.append(object);
    }
    for (int i = 0; i < aliases; ++i) {
        offsets.append(offsets.mid(2, 2));
    }
    const qsizetype tableStart = data.size();
    data.append(offsets);
    QByteArray trailer(32, '\0');
    trailer[6] = 2; // offset size
    trailer[7] = 1; // reference size
    trailer[15] = char(objects.size() + aliases);
    trailer[23] = char(top);
    trailer[30] = char(tableStart >> 8);
    trailer[31] = char(tableStart & 0xFF);
    return data + trailer;
}

QByteArray ascii(const QByteArray& text) {
    return char(0x50 | text.size()) + text;
}

QByteArray array(const QByteArray& refs) {
    return char(0xA0 | refs.size()) + refs;
}

// What a read gave, for failure messages.
QString describe(const Expected<QVariant>& read) {
    return read ? read->toString() : read.error();
}

QByteArray nestedXmlArrays(int depth) {
    return "<plist>"_ba + "<array>"_ba.repeated(depth) + "</array>"_ba.repeated(depth) +
           "</plist>"_ba;
}

} // namespace

using AcceptedRow = std::tuple<QByteArray, QVariant>;
using RefusedRow = std::tuple<QByteArray, QString>;

class TestPropertyList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data() {
        QTest::addColumn<QVariant>("value");
        const QVariantMap nested{
            {u"text"_s, u"Grüße ✓ <&>"_s},
            {u"list"_s, QVariantList{u"a"_s, true, false, 42, -7, 2.5}},
            {u"empty"_s, QVariantMap()},
            {u"bytes"_s, QByteArray("\0\1\2\xff", 4)},
        };
        row("nested dictionary", QVariant(nested));
        row("date", QVariant(QDateTime::fromString(u"2024-02-29T12:30:00Z"_s, Qt::ISODate)));
        row("reference", QVariant(QVariantList{QVariant::fromValue(PlistUid{300})}));
        row("long text", QVariant(QVariantList{QString(70000, u'é'), QString(300, u'a')}));
        row("carriage return and big numbers",
            QVariant(QVariantList{u"a\r\nb"_s, Q_INT64_C(-5000000000),
                                  QVariant(Q_UINT64_C(18000000000000000000))}));
    }
    void roundTrip() {
        QFETCH(QVariant, value);
        for (const QByteArray& data : {binaryPropertyList(value), xmlPropertyList(value)}) {
            const Expected<QVariant> read = readPropertyList(data);
            QVERIFY2(read.hasValue(), qPrintable(describe(read)));
            QCOMPARE(*read, value);
        }
    }

    // What other writers put in property lists reads as they meant it.
    void accepted_data() {
        const Rows<AcceptedRow> row;
        row("references",
            "<plist><string>&lt;a&gt; &amp; &quot;b&quot; &#233;&#x263A;</string></plist>"_ba,
            QVariant(u"<a> & \"b\" é☺"_s));
        row("CDATA and comments",
            "<?xml version=\"1.0\"?><!-- c --><plist version=\"1.0\"><!-- d --><string>"
            "x<![CDATA[<&>]]><!-- e -->y</string></plist>"_ba,
            QVariant(u"x<&>y"_s));
        row("byte order mark, empty forms",
            "\xEF\xBB\xBF<plist><array><dict/><array/><string/><string>k</string></array></plist>"_ba,
            QVariant(QVariantList{QVariantMap(), QVariantList(), QString(), u"k"_s}));
        row("numbers, dates, data",
            "<plist><array><integer> -12 </integer><integer>0x10</integer><integer>010</integer>"
            "<integer>-0x10</integer><real>2.5</real>"
            "<date>2001-01-01T00:00:00Z</date><data>AAEC\n/w==</data><true></true></array>"
            "</plist>"_ba,
            QVariant(QVariantList{-12, 16, 10, -16, 2.5,
                                  QDateTime::fromString(u"2001-01-01T00:00:00Z"_s, Qt::ISODate),
                                  QByteArray("\0\1\2\xff", 4), true}));
        row("keyed archive reference",
            "<plist><dict><key>CF$UID</key><integer>7</integer></dict></plist>"_ba,
            QVariant::fromValue(PlistUid{7}));
        // Ten thousand references to one string, that array named twice: each is read once.
        row("binary, shared objects",
            bplist({array("\2\2"_ba), ascii("shared"),
                    "\xAF\x11\x27\x10"_ba + QByteArray(10000, '\1')}),
            QVariant(QVariantList(2, QVariantList(10000, u"shared"_s))));
    }
    void accepted() {
        ROW(AcceptedRow, xml, value);
        const Expected<QVariant> read = readPropertyList(xml);
        QVERIFY2(read.hasValue(), qPrintable(describe(read)));
        QCOMPARE(*read, value);
    }

    void refused_data() {
        const Rows<RefusedRow> row;
        const QByteArray good = bplist({array("\1\1"_ba), ascii("ok")});
        row("empty", QByteArray(), u"empty"_s);
        row("garbage", "hello, world"_ba, u"property list"_s);
        row("cut in half", good.left(good.size() / 2), u"truncated"_s);
        row("last byte missing", good.chopped(1), u"damaged"_s);
        QByteArray badSize = good;
        badSize[badSize.size() - 26] = 9;
        row("odd offset size", badSize, u"damaged"_s);
        QByteArray huge = good;
        huge[huge.size() - 20] = 1; // 2^32 objects
        row("huge object count", huge, u"too many objects"_s);
        QByteArray noTop = good;
        noTop[noTop.size() - 9] = 2;
        row("top object missing", noTop, u"root"_s);
        row("dangling reference", bplist({array("\1\5"_ba), ascii("ok")}), u"does not exist"_s);
        row("cycle through two arrays", bplist({array("\1"_ba), array("\0"_ba)}), u"itself"_s);
        row("text longer than the file", bplist({"\x5F\x10\x7F"_ba + "abc"_ba}), u"past its end"_s);
        row("one long text named many times",
            bplist({array("\1\2\3\4\5\6\7"_ba), ascii("abcdefghijklmn")}, 0, 6), u"overlap"_s);
        row("dictionary key that is not text", bplist({"\xD1\1\2"_ba, "\x10\x05"_ba, ascii("v")}),
            u"key"_s);
        row("unknown object", bplist({"\x70"_ba}), u"unknown"_s);
        row("date that is not a number", bplist({"\x33\x7F\xF8\0\0\0\0\0\0"_ba}), u"bad date"_s);
        row("22 levels each naming the next twice", fixture(u"doubling-22.plist"_s),
            u"too many times"_s);
        row("XML nested far too deeply", nestedXmlArrays(200000), u"deeply"_s);
        row("XML unclosed", "<plist><dict><key>a</key><string>b</string>"_ba, u"truncated"_s);
        row("XML value without key", "<plist><dict><string>b</string></dict></plist>"_ba,
            u"without a key"_s);
        row("XML unknown element", "<plist><color/></plist>"_ba, u"unknown"_s);
        row("XML bad integer", "<plist><integer>12abc</integer></plist>"_ba, u"12abc"_s);
        row("XML entity bomb",
            "<?xml version=\"1.0\"?><!DOCTYPE p [<!ENTITY a \"aaaaaaaaaa\">"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;"
            "&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
            "<plist><string>&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;</string></plist>"_ba,
            u"entities"_s);
        row("XML two values", "<plist><true/><false/></plist>"_ba, u"not closed"_s);
    }
    void refused() {
        ROW(RefusedRow, data, reason);
        const Expected<QVariant> read = readPropertyList(data);
        QVERIFY2(!read.hasValue(), qPrintable(describe(read)));
        QVERIFY2(describe(read).contains(reason), qPrintable(describe(read)));
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_propertylist.moc"
