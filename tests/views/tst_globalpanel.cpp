// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "defaults.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvselectedcolorwell.h"
#include "settingskeys.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::Rows;

using FirstRunPositionRow = std::tuple<QRect, QSize, QPoint>;
using FrameRestoreRow = std::tuple<QString, bool>;

class TestGlobalPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QVSelectedColorWell*>(); }
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }

    void growsWithTheRowsItShows() {
        QVGlobalPanel panel;
        const int before = panel.sizeHint().height();
        panel.setColorStrings(u"#ff9933"_s, u"RGB(255,153,51)"_s, u"#ff9933"_s);
        QCOMPARE(panel.infoView()->stringAtIndex(1), u"RGB(255,153,51)"_s);
        QVERIFY(panel.sizeHint().height() > before);
        QCOMPARE(panel.sizeHint(), panel.contentView()->sizeHint());
    }

    void firstRunPosition_data() {
        const Rows<FirstRunPositionRow> row;
        // The content's lower-left corner is 200 left of the right edge and 200 above the
        // bottom edge, measured from the screen's lower-left corner.
        row("taller content sits higher", QRect(0, 0, 1920, 1080), QSize(115, 150),
            QPoint(1720, 50));
        row("screen right of another", QRect(1920, 0, 1280, 1024), QSize(115, 80),
            QPoint(3000, 120));
        row("screen below another", QRect(0, 1080, 800, 600), QSize(115, 80), QPoint(600, 1200));
    }

    void firstRunPosition() {
        ROW(FirstRunPositionRow, screen, content, topLeft);
        QCOMPARE(QVGlobalPanel::firstRunPosition(screen, content), topLeft);
    }

    void frameRestore_data() {
        const Rows<FrameRestoreRow> row; // stored: "saved", "nothing" or "damaged"
        row("saved frame comes back", u"saved"_s, true);
        row("nothing saved", u"nothing"_s, false);
        row("damaged frame is ignored", u"damaged"_s, false);
    }

    void frameRestore() {
        ROW(FrameRestoreRow, stored, restored);
        const QRect savedFrame(300, 220, 0, 0);
        QByteArray frame;
        if (stored == u"saved") {
            QVGlobalPanel first;
            first.setGeometry(QRect(savedFrame.topLeft(), first.sizeHint()));
            frame = first.saveGeometry();
        } else if (stored == u"damaged") {
            frame = "not a frame";
        }
        QVGlobalPanel panel;
        panel.moveToFirstRunPosition();
        const QPoint firstRun = panel.geometry().topLeft();
        QCOMPARE(panel.restoreFrame(frame), restored);
        QCOMPARE(panel.geometry().topLeft(), restored ? savedFrame.topLeft() : firstRun);
    }

    void reportsShowingAndHiding() {
        QVGlobalPanel panel;
        QSignalSpy visibility(&panel, &QVGlobalPanel::visibilityChanged);
        panel.show();
        panel.close(); // the close box hides it
        QCOMPARE(QList<QVariantList>(visibility), (QList<QVariantList>{{true}, {false}}));
    }

    void clickingAWellSendsItsActionWithoutTakingTheFocus() {
        QVGlobalPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy clicked(panel.paletteView(), &QVGlobalPaletteView::colorWellAction);
        QVSelectedColorWell* well = panel.paletteView()->colorWellAtIndex(2);
        QTest::mouseClick(well, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).value<QVSelectedColorWell*>(), well);
        QVERIFY(well->isSelected());
        QCOMPARE(QApplication::focusWidget(), nullptr);
    }
};

QTEST_MAIN(TestGlobalPanel)
#include "tst_globalpanel.moc"
