// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "blendtool.h"
#include "defaults.h"
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

    void startsFromTheOuterWellsAndTheStoredMode() {
        Defaults::standard().setInt(keys::BlendMode, 1);
        start();
        QCOMPARE(w.leftLabel->text(), u"50%"_s);
        QCOMPARE(w.rightLabel->text(), u"50%"_s);
        QCOMPARE(w.blendView->mode(), 1);
        QCOMPARE(w.blendSegmentedControl->checkedId(), 1);
        QCOMPARE(w.blendView->colorOne(), hex("ff0000"));
        QCOMPARE(w.blendView->colorTwo(), hex("345678"));
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
        w.percentAmount->setValue(moved == 50 ? 0 : 50); // make sure the value changes
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
        start();
        QCOMPARE(w.blendSegmentedControl->checkedId(), 1);
    }

    // The result, sent or quick: one midpoint goes into the selected well, two midpoints
    // make the whole palette; one undo step either way.
    void resultsGoToThePalette_data() {
        QTest::addColumn<bool>("quick");
        QTest::addColumn<int>("midpoints");
        QTest::addColumn<QString>("changedWells");
        QTest::newRow("sent, one midpoint") << false << 0 << u"2"_s;
        QTest::newRow("sent, two midpoints") << false << 1 << u"0123"_s;
        QTest::newRow("quick, one midpoint") << true << 0 << u"2"_s;
        QTest::newRow("quick, two midpoints") << true << 1 << u"0123"_s;
    }
    void resultsGoToThePalette() {
        QFETCH(bool, quick);
        QFETCH(int, midpoints);
        QFETCH(QString, changedWells);
        const QList<Color> old = m_palette.colors;
        QVBlendView oracle;
        oracle.setMode(midpoints);
        oracle.setPercentAmount(50);
        oracle.setColorOne(old[0]);
        oracle.setColorTwo(old[3]);
        QVariantList before;
        if (quick) {
            // The user's blend: other ends, amount and mode than the quick blend uses.
            Defaults::standard().setInt(keys::QuickBlendMidpoints, midpoints);
            m_tool->loadBlendColor(0, hex("abcdef"));
            w.percentAmount->setValue(80);
            w.blendSegmentedControl->button(1 - midpoints)->click();
            before = toolState();
            m_tool->quickBlend(old[0], old[3], 2);
            QCOMPARE(toolState(), before);
        } else {
            w.blendSegmentedControl->button(midpoints)->click();
            m_tool->sendResult(2);
        }
        const QList<Color> expected = midpoints == 0
                                          ? QList<Color>{oracle.threeColor()}
                                          : QList<Color>{oracle.colorOne(), oracle.fourColorOne(),
                                                         oracle.fourColorTwo(), oracle.colorTwo()};
        for (int i = 0; i < 4; ++i) {
            const qsizetype changed = changedWells.indexOf(QChar(u'0' + i));
            QCOMPARE(m_palette.colors[i], changed < 0 ? old[i] : expected[changed]);
        }
        QCOMPARE(m_stack.count(), 1);
        m_stack.undo();
        QCOMPARE(m_palette.colors, old);
    }
};

QTEST_MAIN(TestBlendTool)
#include "tst_blendtool.moc"
