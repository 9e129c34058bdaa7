// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormetatype.h"
#include "datarows.h"
#include "defaults.h"
#include "notificationlog.h"
#include "notificationnames.h"
#include "qtcolor.h"
#include "qvcolorpanel.h"
#include "qvcolorwell.h"
#include "qvpalettecolorwell.h"
#include "qvselectedcolorwell.h"
#include "viewrendering.h"

#include <QColorDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;
using viewtest::over;
using viewtest::pixel;
using viewtest::sameColor;

namespace {

const Color kOrange = Color::fromBytes(255, 153, 51);
const Color kBlue = Color::fromBytes(20, 60, 200);

Color colorOf(const NotificationLog& log, int i) {
    return log.posted.at(i).userInfo.value(tintmere::userinfo::Color).value<Color>();
}

std::unique_ptr<QMimeData> mimeWith(const QString& kind, const QString& text) {
    auto mime = std::make_unique<QMimeData>();
    if (kind == u"color")
        mime->setColorData(QColor(255, 153, 51));
    else if (kind == u"text")
        mime->setText(text);
    else if (kind == u"other")
        mime->setData(u"application/x-unknown"_s, "x");
    return mime;
}

// Dragged as a text field drags its text: move proposed, the text deleted on "move". The
// wells must only copy, and refuse unreadable data before the drop.
bool drop(QWidget* well, QMimeData* mime) {
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(10, 10), offered, mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(well, &enter);
    QDragMoveEvent move(QPoint(12, 12), offered, mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(well, &move);
    if (!enter.isAccepted() || !move.isAccepted())
        return false; // no drop follows a refused move
    QDropEvent dropEvent(QPointF(12, 12), offered, mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(well, &dropEvent);
    const auto copies = [](const QDropEvent& e) { return e.dropAction() == Qt::CopyAction; };
    return dropEvent.isAccepted() && copies(enter) && copies(move) && copies(dropEvent);
}

// A row name with its scale: "@2x name".
QByteArray atScale(qreal dpr, const char* name) {
    return "@" + QByteArray::number(dpr) + "x " + name;
}

std::unique_ptr<QVColorWellBase> makeWell(const QString& kind, const Color& color) {
    if (kind == u"selected") {
        auto well = std::make_unique<QVSelectedColorWell>();
        well->setColor(color);
        return well;
    }
    std::unique_ptr<QVColorWell> well;
    well.reset(kind == u"plain" ? new QVColorWell : new QVPaletteColorWell);
    well->setColorWithNoAction(color);
    return well;
}

} // namespace

using GlossAndWebTriangleRow = std::tuple<qreal, QPointF, QString>;
using SelectedWellDrawingRow = std::tuple<qreal, bool, QPointF, QString>;
using BorderWidthRow = std::tuple<int, int, QRect>;
using OneChangePerPanelActivationRow = std::tuple<QList<QColor>, int>;
using DropsRow = std::tuple<QString, QString, QString, bool>;
using DragCarriesColorAndTextRow = std::tuple<int, int, QString>;

class TestColorWell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }
    void cleanup() { QVColorPanel::shared().close(); }
    // Quitting with the colour panel open must not crash on the way out.
    void cleanupTestCase() { QVColorPanel::shared().orderFront(); }

    void glossAndWebTriangle_data() {
        const Rows<GlossAndWebTriangleRow> rows;
        // Every place at 1x; at 2x one row per feature, and the half-point rows where 2x differs.
        for (const qreal dpr : {1.0, 2.0}) {
            const auto row = [&](const char* name, QPointF at, const char* expected, bool at2x) {
                if (dpr == 1 || at2x)
                    rows(atScale(dpr, name), dpr, at, QString::fromLatin1(expected));
            };
            row("top line of the gloss", {20, 7}, "line", false);
            row("top line, lower half", {20, 7.5}, "line", true);
            row("band right under the line", {20, 8}, "band", true);
            row("below the band", {12, 30}, "color", false);
            row("web triangle", {35, 35}, "web", false);
            row("frame inside the triangle", {38.5, 38.5}, "web", true);
            row("frame outside the triangle", {6.5, 30}, "frame", true);
        }
    }

    void glossAndWebTriangle() {
        ROW(GlossAndWebTriangleRow, dpr, point, expected);
        // Red lifted by 0.3 goes past 1 and must draw as 1.
        const Color color{0.93f, 0.07f, 0.55f, 1.0f};
        const Color lifted{1.0f, 0.37f, 0.85f, 1.0f};
        QVColorWell well;
        well.resize(45, 45);
        well.setColorWithNoAction(color);
        well.setDrawWeb(true);

        const auto withAlpha = [](Color c, float a) { return c.alpha = a, c; };
        const Color band = over(color, withAlpha(lifted, 0.3f));
        const QHash<QString, Color> colors = {
            {u"color"_s, color},
            {u"band"_s, band},
            {u"line"_s, over(band, withAlpha(lifted, 0.8f))},
            {u"web"_s, Color{1.0f, 0.0f, 0.6f, 1.0f}},
            {u"frame"_s, Color{0.35f, 0.35f, 0.35f, 1.0f}},
        };
        const QColor actual = pixel(viewtest::render(&well, dpr), point);
        QVERIFY2(sameColor(actual, colors.value(expected)), viewtest::describe(actual));
    }

    void selectedWellDrawing_data() {
        const Rows<SelectedWellDrawingRow> rows;
        for (const qreal dpr : {1.0, 2.0}) {
            const auto row = [&](const char* name, bool on, QPointF at, const char* expected,
                                 bool at2x) {
                if (dpr == 1 || at2x)
                    rows(atScale(dpr, name), dpr, on, at, QString::fromLatin1(expected));
            };
            row("unselected: no border", false, {1, 20}, "none", false);
            row("unselected: inner starts at x 2", false, {2, 36}, "color", true);
            row("unselected: gloss from x 3", false, {3, 6}, "gloss", false);
            row("unselected: web triangle", false, {34, 35}, "web", false);
            row("selected: border left", true, {1, 20}, "border", false);
            row("selected: border right", true, {38, 20}, "border", true);
            row("selected: gloss one point narrower", true, {3, 6}, "color", true);
            row("selected: gloss from x 4", true, {4, 6}, "gloss", false);
            row("selected: web triangle", true, {34, 34}, "web", true);
        }
    }

    void selectedWellDrawing() {
        ROW(SelectedWellDrawingRow, dpr, selected, point, expected);
        const Color color{0.2f, 0.45f, 0.05f, 1.0f};
        const Color border{0.9f, 0.1f, 0.1f, 1.0f};
        QVSelectedColorWell well;
        well.resize(40, 40);
        well.setColor(color);
        well.setBorderColor(border);
        well.setIsSelected(selected);
        well.setDrawWeb(true);

        const QColor actual = pixel(viewtest::render(&well, dpr), point);
        if (expected == u"none") {
            QCOMPARE(actual, viewtest::kUnpainted);
            return;
        }
        const QHash<QString, Color> colors = {
            {u"color"_s, color},
            {u"gloss"_s, over(color, Color{0.5f, 0.75f, 0.35f, 0.3f})},
            {u"border"_s, border},
            {u"web"_s, Color{0.2f, 0.4f, 0.0f, 1.0f}},
        };
        QVERIFY2(sameColor(actual, colors.value(expected)), viewtest::describe(actual));
    }

    void borderWidth_data() {
        const Rows<BorderWidthRow> row;
        row("default", -1, -1, QRect(3, 3, 34, 34));
        row("width 1", 1, -1, QRect(1, 1, 38, 38));
        row("index 0", -1, 0, QRect(1, 1, 38, 38));
        row("index 3", -1, 3, QRect(4, 4, 32, 32));
    }

    void borderWidth() {
        ROW(BorderWidthRow, width, index, inner);
        QVSelectedColorWell well;
        well.resize(40, 40);
        well.setIsSelected(true);
        if (width >= 0)
            well.setBorderWidth(width);
        if (index >= 0)
            well.setBorderWidthWithIndex(index);
        QCOMPARE(well.innerRect(), inner);
    }

    void drops_data() {
        const Rows<DropsRow> row;
        for (const QString& well : {u"plain"_s, u"palette"_s, u"selected"_s}) {
            const QByteArray on = well.toLatin1() + ": ";
            row(on + "colour", well, u"color"_s, QString(), true);
            row(on + "hello", well, u"text"_s, u"hello"_s, false);
            if (well != u"plain")
                continue; // the other wells read drops the same way
            row(on + "RGB(255,153,51)", well, u"text"_s, u"RGB(255,153,51)"_s, true);
            row(on + "f93", well, u"text"_s, u"f93"_s, true);
            row(on + "neither", well, u"other"_s, QString(), false);
            row(on + "empty text", well, u"text"_s, QString(), false);
        }
    }

    void drops() {
        ROW(DropsRow, wellKind, payload, text, accepted);
        auto well = makeWell(wellKind, kBlue);
        QSignalSpy actions(well.get(), &QVColorWellBase::triggered);
        NotificationLog log;

        const auto mime = mimeWith(payload, text);
        QCOMPARE(drop(well.get(), mime.get()), accepted);

        const Color expected = accepted ? kOrange : kBlue;
        QVERIFY(sameColor(tintmere::toQColor(well->color()), expected, 0));
        if (!accepted) {
            QVERIFY(log.posted.isEmpty());
            QCOMPARE(actions.count(), 0);
            return;
        }
        if (wellKind == u"plain") {
            QVERIFY(log.posted.isEmpty());
            QCOMPARE(actions.count(), 2); // on setting the colour, and once the drop is complete
        } else if (wellKind == u"palette") {
            QCOMPARE(log.names(), QStringList{tintmere::notifications::ColorWellChange});
            QCOMPARE(colorOf(log, 0), kBlue);
            QCOMPARE(log.posted.at(0).object, well.get());
        } else {
            QCOMPARE(log.names(), (QStringList{tintmere::notifications::ColorWellChange,
                                               tintmere::notifications::SelectedColorWellChanged}));
            QCOMPARE(colorOf(log, 0), kBlue);
            QCOMPARE(actions.count(), 0);
        }
    }

    void dragCarriesColorAndText_data() {
        const Rows<DragCarriesColorAndTextRow> row;
        row("hex", 0, 0, u"#ff9933"_s);
        row("rgb", 1, 1, u"rgb(255,153,51)"_s);
        row("web", 2, 0, u"#f93"_s);
        row("unknown format: colour only", 3, 0, QString());
    }

    void dragCarriesColorAndText() {
        ROW(DragCarriesColorAndTextRow, dragFormat, rgbVariant, text);
        tintmere::FormatSettings formats;
        formats.rgbVariant = rgbVariant;
        QVColorWellBase::setTransferFormats(formats, dragFormat);
        QVSelectedColorWell well;
        well.setColor(kOrange);
        const std::unique_ptr<QMimeData> mime(well.mimeDataForDrag());
        QCOMPARE(qvariant_cast<QColor>(mime->colorData()), QColor(255, 153, 51));
        QCOMPARE(mime->hasText(), !text.isNull());
        QCOMPARE(mime->text(), text);
        // What one well drags, another takes.
        QVERIFY(QVColorWellBase::colorFromMimeData(mime.get()) == kOrange);
    }

    void actionsReachTheReceiver() {
        QVColorWell well;
        QSignalSpy actions(&well, &QVColorWellBase::triggered);
        well.setColorWithNoAction(kBlue);
        QCOMPARE(actions.count(), 0);
        well.setColor(kOrange);
        QCOMPARE(actions.count(), 1);
        well.resetColor();
        QCOMPARE(actions.count(), 3);
        QCOMPARE(well.color(), (Color{1.0f, 1.0f, 1.0f, 1.0f}));
    }

    void oneChangePerPanelActivation_data() {
        const Rows<OneChangePerPanelActivationRow> row;
        row("opened and closed", QList<QColor>{}, 0);
        row("one pick", QList<QColor>{Qt::red}, 1);
        row("a burst of picks", QList<QColor>{Qt::red, Qt::green, Qt::yellow}, 1);
        row("picked back to the start", QList<QColor>{Qt::red, QColor(20, 60, 200)}, 0);
    }

    void oneChangePerPanelActivation() {
        ROW(OneChangePerPanelActivationRow, picks, changes);
        QVPaletteColorWell well;
        QSignalSpy actions(&well, &QVColorWellBase::triggered);
        NotificationLog log;
        for (int round = 1; round <= 2; ++round) {
            well.setColorWithNoAction(kBlue);
            well.activate(true);
            QVERIFY(well.isActive() && QVColorPanel::shared().isVisible());
            QColorDialog* panel = QVColorPanel::shared().dialog();
            QCOMPARE(panel->currentColor(), tintmere::toQColor(kBlue));
            for (const QColor& pick : picks)
                panel->setCurrentColor(pick); // as the user would
            if (!picks.isEmpty())
                QCOMPARE(well.color(), tintmere::colorFromQColor(picks.constLast()));
            QVERIFY(log.posted.size() == (round - 1) * changes); // nothing while the panel is open
            QVColorPanel::shared().close();
            QVERIFY(!well.isActive());
            QCOMPARE(log.posted.size(), round * changes);
            if (changes > 0)
                QCOMPARE(colorOf(log, round - 1), kBlue);
        }
        QCOMPARE(actions.count(), 2 * picks.size());
    }

    void anotherWellTakingThePanelReleasesTheFirst() {
        QVPaletteColorWell first;
        QVPaletteColorWell second;
        first.setColorWithNoAction(kBlue);
        NotificationLog log;
        first.activate(true);
        QVColorPanel::shared().dialog()->setCurrentColor(Qt::red);
        second.activate(true);
        QVERIFY(!first.isActive() && second.isActive());
        QCOMPARE(log.names(), QStringList{tintmere::notifications::ColorWellChange});
        QCOMPARE(log.posted.at(0).object, &first);
        QCOMPARE(colorOf(log, 0), kBlue);
        // Picks now go to the second well only.
        QVColorPanel::shared().dialog()->setCurrentColor(Qt::green);
        QCOMPARE(first.color(), tintmere::colorFromQColor(Qt::red));
        QCOMPARE(second.color(), tintmere::colorFromQColor(Qt::green));
    }
};

QTEST_MAIN(TestColorWell)
#include "tst_colorwell.moc"
