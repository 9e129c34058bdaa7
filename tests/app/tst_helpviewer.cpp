// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer.h"

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

QSet<QString> anchorNames(const QTextDocument& document) {
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames())
                names.insert(name);
        }
    }
    return names;
}

QStringList links(const QTextDocument& document) {
    QStringList hrefs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                hrefs.append(format.anchorHref());
        }
    }
    hrefs.removeDuplicates();
    return hrefs;
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
        QTest::newRow("empty") << QString() << u"userguide"_s << QString();
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

        for (const QString& href : links(*browser->document())) {
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
                QVERIFY2(anchorNames(*other.document()).contains(target.fragment()),
                         qPrintable(href));
            }
        }
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
