// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "coloreditor.h"
#include "componentspinbox.h"
#include "defaults.h"
#include "notificationcenter.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "qvscrollslider.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QUndoStack>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

const auto hex = [](const char* text) { return *Color::colorFromHex(text); };

// Undo and redo put colours back into the palette view, as the controller does.
class ViewPalette : public PaletteEditor {
public:
    QVPaletteView* view = nullptr;
    QList<Color> colorArray() const override { return view->colorArray(); }
    void applyColor(int i, const Color& color) override {
        view->radioColorWellAtIndex(i)->colorWell()->setColor(color);
    }
    void applyPalette(const QList<Color>& colors) override {
        for (int i = 0; i < 4; ++i)
            applyColor(i, colors[i]);
    }
};

// The colour editor alone, with only its own controls.
class TestColorEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    ColorEditorWidgets w;
    QUndoStack m_stack;
    ViewPalette m_palette;
    FormatSettings m_formats;
    std::unique_ptr<ColorEditor> m_editor;

    QVPaletteColorWell* well(int i) const { return m_editor->well(i); }
    static QPoint handleCentre(QSlider* slider) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.upsideDown = slider->invertedAppearance();
        return slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
            .center();
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_stack.clear();
        m_window = std::make_unique<QWidget>();
        QWidget* d = m_window.get();
        auto* layout = new QVBoxLayout(d);
        w.paletteView = new QVPaletteView(d);
        for (int i = 0; i < 4; ++i)
            w.paletteView->addColorWellwithColor(Color{1, 1, 1, 1});
        w.infoView = new QVInfoView(d);
        for (std::size_t c = 0; c < 3; ++c) {
            w.sliders[c] = new QVScrollSlider(Qt::Horizontal, d);
            w.sliders[c]->setRange(0, 255);
            layout->addWidget(w.sliders[c]);
            w.colorFields[c] = new ComponentSpinBox(d);
            w.floatLabels[c] = new QLabel(d);
        }
        w.hexField = new QLineEdit(d);
        for (QCheckBox*& box : w.applyToColors)
            box = new QCheckBox(d);
        w.rgbDrawer = new QVDrawer(d);
        w.hexDrawer = new QVDrawer(d);
        for (int i = 0; i < 4; ++i) {
            w.colorItems[std::size_t(i)] = new QAction(d);
            w.colorItems[std::size_t(i)]->setCheckable(true);
            w.colorItems[std::size_t(i)]->setData(i);
        }
        w.undoStack = &m_stack;
        m_palette.view = w.paletteView;
        m_editor = std::make_unique<ColorEditor>(w, m_palette, m_formats);
        m_editor->refresh();
    }
    void cleanup() {
        m_editor.reset();
        m_window.reset();
    }

    void hexEntryAppliesToCheckedWells_data() {
        QTest::addColumn<int>("sel");
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wells");
        QTest::addColumn<int>("after");
        QTest::newRow("boxes 0 2") << 1 << QList<int>{0, 2} << u"#ff9933"_s << u"1010"_s << 2;
        QTest::newRow("drawer's box") << 3 << QList<int>{} << u"f93"_s << u"0001"_s << 3;
        QTest::newRow("all") << 0 << QList<int>{0, 1, 2, 3} << u" FF 99 33 "_s << u"1111"_s << 3;
        QTest::newRow("no colour") << 0 << QList<int>{} << u"#ggg"_s << u"0000"_s << 0;
    }
    void hexEntryAppliesToCheckedWells() {
        QFETCH(QList<int>, boxes);
        QFETCH(QString, wells);
        QFETCH(int, sel);
        m_editor->selectWell(sel);
        for (QCheckBox* box : w.applyToColors)
            box->setChecked(true); // opening the drawer keeps only the selected well's box
        m_editor->prepareHexEntry();
        for (std::size_t i = 0; i < 4 && !boxes.isEmpty(); ++i)
            w.applyToColors[i]->setChecked(boxes.contains(int(i)));
        QFETCH(QString, text);
        w.hexField->setText(text);
        m_editor->hexTextChanged();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(well(i)->color(), wells[i] == u'1' ? hex("ff9933") : hex("ffffff"));
        QFETCH(int, after);
        QCOMPARE(w.paletteView->selectedColorWellIndex(), after);
        QVERIFY(w.colorItems[std::size_t(after)]->isChecked());
        const bool changed = wells.contains(u'1');
        QCOMPARE(m_stack.count(), changed ? 1 : 0);
        if (changed) {
            m_stack.undo();
            for (int i = 0; i < 4; ++i)
                QCOMPARE(well(i)->color(), hex("ffffff"));
        }
    }

    void typingWaitsForItsDrawer() {
        auto* red = w.colorFields[0]->findChild<QLineEdit*>();
        red->selectAll();
        QTest::keyClicks(red, u"7"_s);
        QCOMPARE(well(0)->color(), hex("ffffff"));
        QCOMPARE(m_stack.count(), 0);
        QTest::keyClicks(w.hexField, u"3366991"_s);
        QCOMPARE(w.hexField->text(), u"3366991"_s);
        for (QVDrawer* drawer : {w.rgbDrawer, w.hexDrawer}) {
            drawer->setAnimationDuration(0);
            drawer->open();
        }
        w.hexField->clear();
        QTest::keyClicks(w.hexField, u"3366991"_s);
        QCOMPARE(w.hexField->text(), u"336699"_s);
        red->selectAll();
        QTest::keyClicks(red, u"7"_s);
        QCOMPARE(well(0)->color(), Color::fromBytes(7, 255, 255));
        QCOMPARE(m_stack.count(), 1);
    }

    // Real mouse events, with the event loop running between the moves as it does for a
    // user: every drag is one undo step back to the colour from before it.
    void sliderDragIsOneUndoStep_data() {
        QTest::addColumn<int>("drags");
        QTest::addColumn<int>("moves");
        QTest::newRow("one drag") << 1 << 14;
        QTest::newRow("two drags") << 2 << 6;
        QTest::newRow("press and release") << 1 << 0;
    }
    void sliderDragIsOneUndoStep() {
        QFETCH(int, drags);
        QFETCH(int, moves);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVScrollSlider* red = w.sliders[0];
        QList<Color> before{well(0)->color()};
        for (int drag = 0; drag < drags; ++drag) {
            QPoint at = handleCentre(red);
            QTest::mousePress(red, Qt::LeftButton, {}, at);
            QTest::qWait(30);
            for (int move = 0; move < moves; ++move) {
                at.rx() -= 4;
                QTest::mouseMove(red, at);
                QTest::qWait(30); // idle: a queued change would be delivered now
            }
            QTest::mouseRelease(red, Qt::LeftButton, {}, at);
            QTRY_VERIFY(!NotificationCenter::defaultCenter().hasQueued());
            if (moves > 0)
                QVERIFY(well(0)->color() != before.last());
            before.append(well(0)->color());
        }
        const int steps = moves > 0 ? drags : 0;
        QCOMPARE(m_stack.count(), steps);
        for (int step = steps; step > 0; --step) {
            m_stack.undo();
            QCOMPARE(well(0)->color(), before.at(step - 1));
        }
        QCOMPARE(red->value(), 255);
    }
};

QTEST_MAIN(TestColorEditor)
#include "tst_coloreditor.moc"
