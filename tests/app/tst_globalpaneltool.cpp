// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "globalpaneltool.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvselectedcolorwell.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

const auto hex = [](const char* text) { return *Color::colorFromHex(text); };

// The global panel alone, on a palette in memory.
class TestGlobalPanelTool : public QObject {
    Q_OBJECT

    QUndoStack m_stack;
    FakePaletteEditor m_palette;
    FormatSettings m_formats;
    std::unique_ptr<GlobalPanelTool> m_tool;

    QVSelectedColorWell* global(int i) const { return m_tool->paletteView()->colorWellAtIndex(i); }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_stack.clear();
        m_palette.colors = {hex("aabbcc"), hex("ffffff"), hex("336699"), hex("ffffff")};
        m_tool =
            std::make_unique<GlobalPanelTool>(GlobalPanelWidgets{&m_stack}, m_palette, m_formats);
    }
    void cleanup() { m_tool.reset(); }

    void mirrorsThePaletteAndKeepsItsOwnSelection() {
        QVGlobalPanel* panel = m_tool->panel();
        QVERIFY(!panel->isVisible()); // first run, placed by its full size
        QCOMPARE(panel->pos(), QVGlobalPanel::firstRunPosition(
                                   QGuiApplication::primaryScreen()->geometry(), panel->size()));
        Defaults::standard().setInt(keys::SelectedGlobalColor, 2);
        m_tool->setVisible(true);
        QVERIFY(m_tool->isVisible());
        QCOMPARE(global(2)->color(), hex("336699"));
        QCOMPARE(m_tool->infoView()->stringAtIndex(0), u"#336699"_s);
        global(0)->performClick();
        QCOMPARE(m_tool->infoView()->stringAtIndex(1), u"RGB(170,187,204)"_s);
        QCOMPARE(global(0)->toolTip(), u"#aabbcc"_s);
        QCOMPARE(Defaults::standard().intValue(keys::SelectedGlobalColor), 0);
        m_tool->setVisible(false);
        QVERIFY(!panel->isVisible());
        // Hidden, it skips the refreshes and catches up when shown again.
        m_palette.colors[0] = hex("102030");
        m_tool->update();
        m_tool->setVisible(true);
        QCOMPARE(global(0)->color(), hex("102030"));
        QCOMPARE(m_tool->infoView()->stringAtIndex(0), u"#102030"_s);
    }
};

QTEST_MAIN(TestGlobalPanelTool)
#include "tst_globalpaneltool.moc"
