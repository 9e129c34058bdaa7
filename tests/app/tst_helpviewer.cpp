// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer.h"

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

QList<QTextCharFormat> formatsOf(const QTextDocument& document) {
    QList<QTextCharFormat> formats;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            formats << it.fragment().charFormat();
    }
    return formats;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every page opens with a title, and no link of it leads nowhere.
    void opensPage_data() {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("section");
        QTest::newRow("release notes") << u"releasenotes"_s << u"releasenotes"_s << QString();
        QTest::newRow("acknowledgments")
            << u"acknowledgments"_s << u"acknowledgments"_s << QString();
        QTest::newRow("user's guide") << u"userguide"_s << u"userguide"_s << QString();
        QTest::newRow("section") << u"userguide#magnifier"_s << u"userguide"_s << u"magnifier"_s;
        QTest::newRow("unknown page") << u"nosuchpage"_s << u"userguide"_s << QString();
    }
    void opensPage() {
        QFETCH(QString, anchor);
        QFETCH(QString, page);
        QFETCH(QString, section);
        HelpViewer viewer;
        viewer.openHelpAnchor(anchor);
        const QTextBrowser* browser = viewer.browser();
        QCOMPARE(browser->source().fileName(), page + u".html"_s);
        QCOMPARE(browser->source().fragment(), section);
        QVERIFY(!browser->documentTitle().isEmpty());
        QCOMPARE(viewer.windowTitle(), browser->documentTitle());
        QVERIFY(viewer.isVisible());

        for (const QTextCharFormat& link : formatsOf(*browser->document())) {
            const QString href = link.anchorHref();
            if (!link.isAnchor() || href.isEmpty())
                continue;
            const QUrl target = browser->source().resolved(QUrl(href));
            if (target.scheme() != u"qrc"_s) {
                QVERIFY2(target.scheme() == u"https"_s, qPrintable(href));
                continue;
            }
            const QUrl pageUrl = HelpViewer::urlForAnchor(target.fileName().chopped(5));
            QVERIFY2(pageUrl.isValid() && !pageUrl.isEmpty(), qPrintable(href));
            if (target.hasFragment()) {
                QTextBrowser other;
                other.setSource(pageUrl);
                const QList<QTextCharFormat> formats = formatsOf(*other.document());
                QVERIFY2(std::any_of(formats.cbegin(), formats.cend(),
                                     [&target](const QTextCharFormat& format) {
                                         return format.anchorNames().contains(target.fragment());
                                     }),
                         qPrintable(href));
            }
        }
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
