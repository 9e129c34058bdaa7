// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "blendtool.h"
#include "qvblendview.h"
#include "qvcolorwell.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

const auto hex = [](const char* text) { return *Color::colorFromHex(text); };

// The blend tool alone, with only its own controls.
class TestBlendTool : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_drawer;
    BlendToolWidgets w;
    QUndoStack m_stack;
    FakePaletteEditor m_palette;
    std::unique_ptr<BlendTool> m_tool;

    void start() {
        m_tool.reset();
        m_drawer = std::make_unique<QWidget>();
        QWidget* d = m_drawer.get();
        w = {new QVColorWell(d), new QVColorWell(d), new QSlider(d),      new QLabel(d),
             new QLabel(d),      new QVBlendView(d), new QButtonGroup(d), &m_stack};
        w.percentAmount->setRange(0, 100);
        w.percentAmount->setValue(50);
        for (int id : {0, 1}) {
            auto* segment = new QPushButton(d);
            segment->setCheckable(true);
            w.blendSegmentedControl->addButton(segment, id);
        }
        m_tool = std::make_unique<BlendTool>(w, m_palette);
    }
    QVariantList toolState() const {
        return {storedColorText(w.colorOneBlend->color()),
                storedColorText(w.colorTwoBlend->color()),
                w.percentAmount->value(),
                w.blendView->mode(),
                w.blendSegmentedControl->checkedId(),
                paletteText(w.blendView->swatchColors())};
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_stack.clear();
        m_palette.colors = {hex("ff0000"), hex("00ff00"), hex("0000ff"), hex("345678")};
        start();
    }
    void cleanup() { m_tool.reset(); }

    void sliderSnapsNearTheMiddle_data() {
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("shown");
        for (auto [moved, shown] : {std::pair{44, 44}, {45, 50}, {55, 50}, {56, 56}, {0, 0}})
            QTest::addRow("%d", moved) << moved << shown;
    }
    void sliderSnapsNearTheMiddle() {
        QFETCH(int, moved);
        QFETCH(int, shown);
        w.percentAmount->setValue(moved);
        QCOMPARE(w.percentAmount->value(), shown);
        QCOMPARE(w.leftLabel->text(), u"%1%"_s.arg(100 - shown));
        QCOMPARE(w.rightLabel->text(), u"%1%"_s.arg(shown));
        QCOMPARE(w.blendView->percentAmount(), float(shown));
    }

    void endWellsAndSegmentsDriveTheViewAndTheSetting() {
        w.colorOneBlend->setColor(Color{0, 0, 0, 1});
        w.colorTwoBlend->setColor(Color{0.75f, 0.375f, 0, 1});
        QCOMPARE(w.blendView->threeColor(), (Color{0.375f, 0.1875f, 0, 1}));

        w.blendSegmentedControl->button(1)->click();
        QCOMPARE(w.blendView->mode(), 1);
        QCOMPARE(w.blendView->fourColorOne(), (Color{0.25f, 0.125f, 0, 1}));
        QCOMPARE(Defaults::standard().intValue(keys::BlendMode), 1);
        start(); // from the stored mode and the outer wells
        QCOMPARE(w.blendSegmentedControl->checkedId(), 1);
        QCOMPARE(w.rightLabel->text(), u"50%"_s);
        QCOMPARE(w.blendView->colorOne(), hex("ff0000"));
        QCOMPARE(w.blendView->colorTwo(), hex("345678"));
    }

    // One midpoint goes into the selected well (2), two make the whole palette; one undo step.
    void resultsGoToThePalette_data() {
        QTest::addColumn<bool>("quick");
        QTest::addColumn<int>("midpoints");
        for (bool quick : {false, true}) {
            for (int midpoints : {0, 1})
                QTest::addRow("quick %d, midpoints %d", quick, midpoints) << quick << midpoints;
        }
    }
    void resultsGoToThePalette() {
        QFETCH(bool, quick);
        QFETCH(int, midpoints);
        const QList<Color> old = m_palette.colors;
        QVBlendView oracle;
        oracle.setMode(midpoints);
        oracle.setPercentAmount(50);
        oracle.setColorOne(old[0]);
        oracle.setColorTwo(old[3]);
        if (quick) {
            // The user's blend: other ends, amount and mode than the quick blend uses.
            Defaults::standard().setInt(keys::QuickBlendMidpoints, midpoints);
            m_tool->loadBlendColor(0, hex("abcdef"));
            w.percentAmount->setValue(80);
            w.blendSegmentedControl->button(1 - midpoints)->click();
            const QVariantList before = toolState();
            m_tool->quickBlend(old[0], old[3], 2);
            QCOMPARE(toolState(), before);
        } else {
            w.blendSegmentedControl->button(midpoints)->click();
            m_tool->sendResult(2);
        }
        QList<Color> expected = old;
        if (midpoints == 0)
            expected[2] = oracle.threeColor();
        else
            expected = {oracle.colorOne(), oracle.fourColorOne(), oracle.fourColorTwo(),
                        oracle.colorTwo()};
        QCOMPARE(m_palette.colors, expected);
        QCOMPARE(m_stack.count(), 1);
        m_stack.undo();
        QCOMPARE(m_palette.colors, old);
    }
};

QTEST_MAIN(TestBlendTool)
#include "tst_blendtool.moc"
