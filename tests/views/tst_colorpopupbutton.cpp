// SPDX-License-Identifier: GPL-3.0-or-later
#include "notificationlog.h"
#include "notificationnames.h"
#include "qvcolorpanel.h"
#include "qvcolorpopupbutton.h"

#include <QColorDialog>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

class TestColorPopUpButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void popUpItemsKeepTheirOrder() {
        QVColorPopUpButton popUp;
        QCOMPARE(popUp.colorOfSelectedItem(), std::nullopt); // it starts on "Other..."
        QVERIFY(popUp.itemIcon(0).isNull());
        popUp.addItemWithTitle(u"Red"_s, Color{1, 0, 0, 1});
        popUp.addItemWithTitle(u"Orange"_s, Color{1, 0.5f, 0, 1});
        popUp.addItemWithTitle(u"Yellow"_s, Color{1, 1, 0, 1});
        QStringList titles;
        for (int i = 0; i < popUp.count(); ++i)
            titles << popUp.itemText(i);
        QCOMPARE(titles,
                 (QStringList{u"Red"_s, u"Orange"_s, u"Yellow"_s, QString(), u"Other..."_s}));
        QCOMPARE(popUp.itemData(3, Qt::AccessibleDescriptionRole).toString(), u"separator"_s);
        QCOMPARE(popUp.colorWithTitle(u"Orange"_s), (Color{1, 0.5f, 0, 1}));
        QCOMPARE(popUp.colorWithTitle(u"Blue"_s), std::nullopt);
        popUp.setCurrentIndex(1);
        QCOMPARE(popUp.colorOfSelectedItem(), (Color{1, 0.5f, 0, 1}));
    }

    void swatchIsFramedInBlack() {
        const QIcon icon = QVColorPopUpButton::swatchIcon(Color{0, 0.6f, 0.2f, 1});
        const QImage image = icon.pixmap(QSize(24, 12), 2.0).toImage();
        QCOMPARE(image.size(), QSize(48, 24));
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(44, 20), qRgb(0, 153, 51));
    }

    void firstOtherColorIsWhite() {
        QVColorPanel::shared().setColor(QColor(Qt::darkRed)); // left over from someone else
        QVColorPopUpButton popUp;
        popUp.addItemWithTitle(u"Red"_s, Color{1, 0, 0, 1});
        NotificationLog log(tintmere::notifications::OtherColorChanged);
        Q_EMIT popUp.activated(popUp.count() - 1);
        QCOMPARE(popUp.otherColor(), (Color{1, 1, 1, 1}));
        QCOMPARE(log.senders(), QList<QObject*>{&popUp});
        QCOMPARE(popUp.colorWithTitle(u"Other..."_s), (Color{1, 1, 1, 1}));
        const QImage chip = popUp.itemIcon(popUp.count() - 1).pixmap(QSize(24, 12)).toImage();
        QCOMPARE(chip.pixel(12, 6), qRgb(255, 255, 255));
        QVERIFY(QVColorPanel::shared().isVisible());
        QVColorPanel::shared().close();
    }

    void otherColorFollowsThePanel() {
        QVColorPopUpButton popUp;
        popUp.setOtherColor(Color{0, 0, 1, 1});
        popUp.setCurrentIndex(popUp.count() - 1);
        popUp.otherAction();
        // The panel opens on the free colour and leaves it as it was.
        QCOMPARE(QVColorPanel::shared().color(), QColor(Qt::blue));
        QCOMPARE(popUp.otherColor(), (Color{0, 0, 1, 1}));
        NotificationLog log(tintmere::notifications::OtherColorChanged);
        QVColorPanel::shared().dialog()->setCurrentColor(QColor::fromRgbF(0.25f, 0.5f, 0.75f));
        QCOMPARE(log.posted.size(), 1);
        const Color picked = popUp.colorOfSelectedItem().value_or(Color{});
        // The dialog keeps eight bits a channel.
        QVERIFY(std::abs(picked.red - 0.25f) < 0.003f && std::abs(picked.blue - 0.75f) < 0.003f);
        QVColorPanel::shared().close();
        // Once the panel is gone its colours no longer reach the pop-up.
        QVColorPanel::shared().dialog()->setCurrentColor(QColor(Qt::yellow));
        QCOMPARE(log.posted.size(), 1);
    }
};

QTEST_MAIN(TestColorPopUpButton)
#include "tst_colorpopupbutton.moc"
