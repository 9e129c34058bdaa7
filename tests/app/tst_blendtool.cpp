// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "defaults.h"
#include "qvblendview.h"
#include "qvcolorwell.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

class TestBlendTool : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    void start() {
        m_controller.reset();
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        start();
    }
    void cleanup() { m_controller.reset(); }

    void startsFromTheOuterWellsAndTheStoredMode() {
        Defaults::standard().setStringArray(keys::SavedColors,
                                            {u"ff0000"_s, u"ffffff"_s, u"ffffff"_s, u"0000ff"_s});
        Defaults::standard().setInt(keys::BlendMode, 1);
        start();
        QCOMPARE(o().leftLabel->text(), u"50%"_s);
        QCOMPARE(o().rightLabel->text(), u"50%"_s);
        QCOMPARE(o().blendView->mode(), 1);
        QCOMPARE(o().blendSegmentedControl->checkedId(), 1);
        QCOMPARE(o().blendView->colorOne(), (Color{1, 0, 0, 1}));
        QCOMPARE(o().blendView->colorTwo(), (Color{0, 0, 1, 1}));
    }

    void sliderSnapsNearTheMiddle_data() {
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("shown");
        for (auto [moved, shown] : {std::pair{44, 44}, {45, 50}, {55, 50}, {56, 56}, {0, 0}}) {
            QTest::addRow("%d", moved) << moved << shown;
        }
    }
    void sliderSnapsNearTheMiddle() {
        QFETCH(int, moved);
        QFETCH(int, shown);
        o().percentAmount->setValue(moved == 50 ? 0 : 50); // make sure the value changes
        o().percentAmount->setValue(moved);
        QCOMPARE(o().percentAmount->value(), shown);
        QCOMPARE(o().leftLabel->text(), u"%1%"_s.arg(100 - shown));
        QCOMPARE(o().rightLabel->text(), u"%1%"_s.arg(shown));
        QCOMPARE(o().blendView->percentAmount(), float(shown));
    }

    void endWellsAndSegmentsDriveTheViewAndTheSetting() {
        o().colorOneBlend->setColor(Color{0, 0, 0, 1});
        o().colorTwoBlend->setColor(Color{0.75f, 0.375f, 0, 1});
        QCOMPARE(o().blendView->threeColor(), (Color{0.375f, 0.1875f, 0, 1}));

        o().blendSegmentedControl->button(1)->click();
        QCOMPARE(o().blendView->mode(), 1);
        QCOMPARE(o().blendView->fourColorOne(), (Color{0.25f, 0.125f, 0, 1}));
        QCOMPARE(Defaults::standard().intValue(keys::BlendMode), 1);
        start();
        QCOMPARE(o().blendSegmentedControl->checkedId(), 1);
    }
};

QTEST_MAIN(TestBlendTool)
#include "tst_blendtool.moc"
