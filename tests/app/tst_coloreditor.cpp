// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "coloreditor.h"
#include "colormodels.h"
#include "componentspinbox.h"
#include "datarows.h"
#include "defaults.h"
#include "notificationcenter.h"
#include "qvcolorscaleslider.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "settingskeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using HexRow = std::tuple<int, QList<int>, QString, QString, int>;
using DragRow = std::tuple<ColorModel, int, int, int>;
using EditRow = std::tuple<ColorModel, QString, int, double, QString, bool>;
using HueRow = std::tuple<ColorModel, int, int>;
using ChoiceRow = std::tuple<QString, int, ColorModel>;

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
        makeEditor();
    }
    void makeEditor() {
        m_editor.reset();
        m_stack.clear();
        m_window = std::make_unique<QWidget>();
        QWidget* d = m_window.get();
        auto* layout = new QVBoxLayout(d);
        w.paletteView = new QVPaletteView(d);
        for (int i = 0; i < 4; ++i)
            w.paletteView->addColorWellwithColor(Color{1, 1, 1, 1});
        w.infoView = new QVInfoView(d);
        for (std::size_t c = 0; c < 3; ++c) {
            w.sliders[c] = new QVColorScaleSlider(d);
            layout->addWidget(w.sliders[c]);
            w.colorFields[c] = new ComponentSpinBox(d);
            w.floatLabels[c] = new QLabel(d);
            w.componentLabels[c] = new QLabel(d);
        }
        w.colorModels = new QButtonGroup(d);
        for (ColorModel model : allColorModels) {
            auto* button = new QToolButton(d);
            button->setCheckable(true);
            w.colorModels->addButton(button, int(model));
        }
        w.gamutMark = new QLabel(d);
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
        const Rows<HexRow> row; // selected, boxes ticked, text, wells changed, selected after
        row("boxes 0 2", 1, {0, 2}, u"#ff9933"_s, u"1010"_s, 2);
        row("drawer's box", 3, {}, u"f93"_s, u"0001"_s, 3);
        row("all", 0, {0, 1, 2, 3}, u" FF 99 33 "_s, u"1111"_s, 3);
        row("no colour", 0, {}, u"#ggg"_s, u"0000"_s, 0);
    }
    void hexEntryAppliesToCheckedWells() {
        ROW(HexRow, sel, boxes, text, wells, after);
        m_editor->selectWell(sel);
        for (QCheckBox* box : w.applyToColors)
            box->setChecked(true); // opening the drawer keeps only the selected well's box
        m_editor->prepareHexEntry();
        for (std::size_t i = 0; i < 4 && !boxes.isEmpty(); ++i)
            w.applyToColors[i]->setChecked(boxes.contains(int(i)));
        w.hexField->setText(text);
        m_editor->hexTextChanged();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(well(i)->color(), wells[i] == u'1' ? hex("ff9933") : hex("ffffff"));
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
        const Rows<DragRow> row; // model, slider (one at its maximum for white), drags, moves
        row("one drag", ColorModel::RGB, 0, 1, 14);
        row("two drags", ColorModel::RGB, 0, 2, 6);
        row("press and release", ColorModel::RGB, 0, 1, 0);
        row("HSV value", ColorModel::HSV, 2, 1, 14);
        row("OKLCH lightness, two drags", ColorModel::OKLCH, 0, 2, 6);
    }
    void sliderDragIsOneUndoStep() {
        ROW(DragRow, model, slider, drags, moves);
        switchModel(model);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVColorScaleSlider* dragged = w.sliders[std::size_t(slider)];
        QList<Color> before{well(0)->color()};
        for (int drag = 0; drag < drags; ++drag) {
            QPoint at = handleCentre(dragged);
            QTest::mousePress(dragged, Qt::LeftButton, {}, at);
            QTest::qWait(30);
            for (int move = 0; move < moves; ++move) {
                at.rx() -= 4;
                QTest::mouseMove(dragged, at);
                QTest::qWait(30); // idle: a queued change would be delivered now
            }
            QTest::mouseRelease(dragged, Qt::LeftButton, {}, at);
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
        QCOMPARE(dragged->value(), dragged->maximum());
    }

    // Each model edits the selected well through each of its controls, and undo brings the
    // colour from before back.
    void modelEditsSelectedWell_data() {
        // #336699 is hsv(210 66.7% 60%), hsl(210 50% 40%), oklch(0.4993 0.0987 250.4).
        const Rows<EditRow> row; // model, how, component, value, result, outside sRGB
        const auto hsv = ColorModel::HSV, hsl = ColorModel::HSL, lch = ColorModel::OKLCH;
        row("HSV hue slider", hsv, u"slider"_s, 0, 30.0, u"996633"_s, false);
        row("HSV saturation stepper", hsv, u"step"_s, 1, 1.0, u"316599"_s, false);
        row("HSL lightness entered", hsl, u"entered"_s, 2, 60.0, u"6699cc"_s, false);
        row("HSL hue typed", hsl, u"typed"_s, 0, 30.0, u"996633"_s, false);
        row("OKLCH lightness typed", lch, u"typed"_s, 0, 0.7, u"6ea3da"_s, false);
        row("OKLCH chroma slider", lch, u"slider"_s, 1, 0.05, u"4d657f"_s, false);
        row("OKLCH hue entered", lch, u"entered"_s, 2, 30.0, u"934b40"_s, false);
        row("OKLCH chroma outside sRGB", lch, u"entered"_s, 1, 0.3, u"0062c4"_s, true);
    }
    void modelEditsSelectedWell() {
        ROW(EditRow, model, how, component, value, expected, outside);
        const std::size_t c = std::size_t(component);
        const Color start = hex("336699");
        m_palette.applyColor(1, start);
        switchModel(model);
        QVERIFY(!w.gamutMark->isVisibleTo(m_window.get()));
        if (how == u"slider") {
            w.sliders[c]->setValue(
                int(std::lround(value / ModelComponents::scales(model)[c].step)));
        } else if (how == u"step") {
            w.colorFields[c]->stepBy(int(value));
        } else {
            if (how == u"typed") {
                w.rgbDrawer->setAnimationDuration(0);
                w.rgbDrawer->open();
            }
            auto* line = w.colorFields[c]->findChild<QLineEdit*>();
            line->selectAll();
            QTest::keyClicks(line, QString::number(value));
            if (how == u"entered")
                QTest::keyClick(w.colorFields[c], Qt::Key_Return);
        }
        QTRY_VERIFY(!NotificationCenter::defaultCenter().hasQueued());
        QCOMPARE(storedColorText(well(1)->color()), expected);
        QCOMPARE(w.paletteView->selectedColorWellIndex(), 1);
        QCOMPARE(w.gamutMark->isVisibleTo(m_window.get()), outside);
        if (how != u"step") // the field keeps what was asked for, also outside sRGB
            QCOMPARE(w.colorFields[c]->value(), value);
        QVERIFY(m_stack.count() > 0);
        while (m_stack.canUndo())
            m_stack.undo();
        QCOMPARE(well(1)->color(), start);
    }

    // Saturation or chroma dragged to grey and back keeps the hue the colour had.
    void hueSurvivesGrey_data() {
        const Rows<HueRow> row; // model, hue row, saturation or chroma row
        row("HSV", ColorModel::HSV, 0, 1);
        row("HSL", ColorModel::HSL, 0, 1);
        row("OKLCH", ColorModel::OKLCH, 2, 1);
    }
    void hueSurvivesGrey() {
        ROW(HueRow, model, hue, colorfulness);
        m_palette.applyColor(0, hex("cc6633"));
        switchModel(model);
        QVColorScaleSlider* slider = w.sliders[std::size_t(colorfulness)];
        const int colorful = slider->value();
        const double shownHue = w.colorFields[std::size_t(hue)]->value();
        for (int value : {colorful / 2, 0, 1, 0, colorful}) {
            slider->setValue(value);
            QCOMPARE(w.colorFields[std::size_t(hue)]->value(), shownHue);
        }
        slider->setValue(0);
        const Color grey = well(0)->color();
        QVERIFY(grey.red == grey.green && grey.green == grey.blue);
        slider->setValue(colorful);
        const Color back = well(0)->color(), start = hex("cc6633");
        for (const auto& [now, then] :
             {std::pair{back.red, start.red}, {back.green, start.green}, {back.blue, start.blue}})
            QVERIFY(std::abs(byteValue(now) - byteValue(then)) <= 2);
    }

    // The choice is stored as soon as it is made and comes back at the next start; a stored
    // name of no model gives RGB. Switching changes no colour and leaves no undo step.
    void modelChoiceIsKept_data() {
        const Rows<ChoiceRow> row; // stored name, model clicked (-1: none), model after restart
        row("kept HSL", u"HSL"_s, -1, ColorModel::HSL);
        row("unknown name", u"CMYK"_s, -1, ColorModel::RGB);
        row("switched to OKLCH", u"HSV"_s, int(ColorModel::OKLCH), ColorModel::OKLCH);
        row("back to RGB", u"HSV"_s, int(ColorModel::RGB), ColorModel::RGB);
    }
    void modelChoiceIsKept() {
        ROW(ChoiceRow, stored, clicked, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Tintmere.conf"_s);
        const auto start = [&file] {
            auto defaults = Defaults::fromFile(file);
            defaults->registerStandardDefaults();
            Defaults::setStandardForTesting(std::move(defaults));
        };
        start();
        Defaults::standard().setString(keys::SliderModel, stored);
        makeEditor();
        m_palette.applyColor(2, hex("336699"));
        m_stack.clear();
        if (clicked >= 0)
            w.colorModels->button(clicked)->click();
        QCOMPARE(well(2)->color(), hex("336699"));
        QCOMPARE(m_stack.count(), 0);
        QVERIFY(Defaults::standard().sync());

        start(); // a restart: the settings come from the file again
        makeEditor();
        QCOMPARE(m_editor->colorModel(), expected);
        QVERIFY(w.colorModels->button(int(expected))->isChecked());
        QCOMPARE(w.componentLabels[0]->text(), expected == ColorModel::RGB     ? u"R"_s
                                               : expected == ColorModel::OKLCH ? u"L"_s
                                                                               : u"H"_s);
    }

private:
    void switchModel(ColorModel model) {
        w.colorModels->button(int(model))->click();
        QCOMPARE(m_editor->colorModel(), model);
    }
};

QTEST_MAIN(TestColorEditor)
#include "tst_coloreditor.moc"
