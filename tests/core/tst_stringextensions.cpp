// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "stringextensions.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::CharacterSet;

Q_DECLARE_METATYPE(CharacterSet)

using RemovingRow = std::tuple<CharacterSet, QByteArray, QByteArray>;

class TestStringExtensions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void removing_data() {
        const Rows<RemovingRow> row;
        const auto space = CharacterSet::WhitespaceAndNewline;
        const auto punctuation = CharacterSet::Punctuation;
        row("ASCII white space", space, "a b\tc\n\r\f\vd"_ba, "abcd"_ba);
        row("no-break, em, ideographic space, line separator", space,
            "a\u00a0b\u2003c\u3000d\u2028"_ba, "abcd"_ba);
        row("next line", space, "a\u0085b"_ba, "ab"_ba);
        row("zero width space is not white space", space, "a\u200bb"_ba, "a\u200bb"_ba);
        row("non-ASCII letters kept whole", space, "gr\u00fcn \u7eff"_ba, "gr\u00fcn\u7eff"_ba);
        row("ASCII punctuation", punctuation, "#(1,2.3)-4_5!?'\"@%&*/:;[]{}\\"_ba, "12345"_ba);
        row("symbols are not punctuation", punctuation, "$+<=>^`|~"_ba, "$+<=>^`|~"_ba);
        row("Unicode punctuation", punctuation, "\u00ab\u2014a\u2019\u3001\u00bfb\u00bb"_ba,
            "ab"_ba);
        row("emoji and accents kept", punctuation, "\U0001F600\u00e9."_ba, "\U0001F600\u00e9"_ba);
        row("malformed bytes copied unchanged", punctuation, "a\xff.\xc3"_ba, "a\xff\xc3"_ba);
    }
    void removing() {
        ROW(RemovingRow, set, text, expected);
        QCOMPARE(QByteArray::fromStdString(
                     tintmere::stringByRemovingCharactersInSet(text.toStdString(), set)),
                 expected);
    }

    void replacing() {
        QCOMPARE(tintmere::stringByReplacingCharactersInSet(
                     "a b\u00a0c", CharacterSet::WhitespaceAndNewline, "\u2423"),
                 "a\u2423b\u2423c");
        QCOMPARE(
            tintmere::stringByReplacingCharactersInSet("rgb(1,2)", CharacterSet::Punctuation, ""),
            "rgb12");
    }
};

QTEST_APPLESS_MAIN(TestStringExtensions)
#include "tst_stringextensions.moc"
