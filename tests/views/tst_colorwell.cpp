// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormetatype.h"
#include "defaults.h"
#include "notificationcenter.h"
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
using tintmere::Color;
using viewtest::over;
using viewtest::pixel;
using viewtest::sameColor;

namespace {

const Color kOrange = Color::fromBytes(255, 153, 51);
const Color kBlue = Color::fromBytes(20, 60, 200);

// Every notification posted while it lives.
struct NotificationLog {
    QObject context;
    QList<tintmere::Notification> posted;

    NotificationLog() {
        tintmere::NotificationCenter::defaultCenter().addObserver(
            &context, QString(), nullptr,
            [this](const tintmere::Notification& n) { posted.append(n); });
    }
    QStringList names() const {
        QStringList list;
        for (const auto& n : posted)
            list.append(n.name);
        return list;
    }
    Color colorOf(int i) const {
        return posted.at(i).userInfo.value(tintmere::userinfo::Color).value<Color>();
    }
};

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

bool drop(QWidget* well, QMimeData* mime) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(well, &enter);
    QDropEvent dropEvent(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(well, &dropEvent);
    return enter.isAccepted() && dropEvent.isAccepted();
}

std::unique_ptr<QVColorWellBase> makeWell(const QString& kind) {
    if (kind == u"plain")
        return std::make_unique<QVColorWell>();
    if (kind == u"palette")
        return std::make_unique<QVPaletteColorWell>();
    return std::make_unique<QVSelectedColorWell>();
}

void setWellColor(QVColorWellBase* well, const Color& color) {
    if (auto* plain = qobject_cast<QVColorWell*>(well))
        plain->setColorWithNoAction(color);
    else
        static_cast<QVSelectedColorWell*>(well)->setColor(color);
}

} // namespace

class TestColorWell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }
    void cleanup() { QVColorPanel::shared().close(); }
    // Quitting with the colour panel open must not crash on the way out.
    void cleanupTestCase() { QVColorPanel::shared().orderFront(); }

    void glossAndWebTriangle_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QString>("expected");
        // Every place at 1x; at 2x one row per feature, and the half-point rows where 2x differs.
        for (const qreal dpr : {1.0, 2.0}) {
            const auto row = [dpr](const char* name, QPointF at, const char* expected, bool at2x) {
                if (dpr == 1 || at2x)
                    QTest::addRow("@%gx %s", dpr, name)
                        << dpr << at << QString::fromLatin1(expected);
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
        QFETCH(qreal, dpr);
        QFETCH(QPointF, point);
        QFETCH(QString, expected);
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
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QString>("expected");
        for (const qreal dpr : {1.0, 2.0}) {
            const auto row = [dpr](const char* name, bool on, QPointF at, const char* expected,
                                   bool at2x) {
                if (dpr == 1 || at2x)
                    QTest::addRow("@%gx %s", dpr, name)
                        << dpr << on << at << QString::fromLatin1(expected);
            };
            row("unselected: no border", false, {1, 20}, "none", false);
            row("unselected: inner starts at x 2", false, {2, 36}, "color", true);
            row("unselected: nothing above y 3", false, {20, 2}, "none", true);
            row("unselected: gloss from x 3", false, {3, 6}, "gloss", false);
            row("unselected: under the curve", false, {6, 30}, "color", false);
            row("unselected: web triangle", false, {34, 35}, "web", false);
            row("selected: border left", true, {1, 20}, "border", false);
            row("selected: border top", true, {20, 1}, "border", false);
            row("selected: border right", true, {38, 20}, "border", true);
            row("selected: gloss one point narrower", true, {3, 6}, "color", true);
            row("selected: gloss from x 4", true, {4, 6}, "gloss", false);
            row("selected: web triangle", true, {34, 34}, "web", true);
        }
    }

    void selectedWellDrawing() {
        QFETCH(qreal, dpr);
        QFETCH(bool, selected);
        QFETCH(QPointF, point);
        QFETCH(QString, expected);
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
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("inner");
        QTest::newRow("default") << -1 << -1 << QRect(3, 3, 34, 34);
        QTest::newRow("width 1") << 1 << -1 << QRect(1, 1, 38, 38);
        QTest::newRow("index 0") << -1 << 0 << QRect(1, 1, 38, 38);
        QTest::newRow("index 3") << -1 << 3 << QRect(4, 4, 32, 32);
    }

    void borderWidth() {
        QFETCH(int, width);
        QFETCH(int, index);
        QFETCH(QRect, inner);
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
        QTest::addColumn<QString>("wellKind");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        for (const QString& well : {u"plain"_s, u"palette"_s, u"selected"_s}) {
            const QByteArray on = well.toLatin1() + ": ";
            QTest::newRow(on + "colour") << well << u"color"_s << QString() << true;
            QTest::newRow(on + "RGB(255,153,51)")
                << well << u"text"_s << u"RGB(255,153,51)"_s << true;
            QTest::newRow(on + "hello") << well << u"text"_s << u"hello"_s << false;
            QTest::newRow(on + "neither") << well << u"other"_s << QString() << false;
            if (well != u"plain")
                continue; // the other wells read drops the same way
            QTest::newRow(on + "#ff9933") << well << u"text"_s << u"#ff9933"_s << true;
            QTest::newRow(on + "f93") << well << u"text"_s << u"f93"_s << true;
            QTest::newRow(on + "FF9933") << well << u"text"_s << u"FF9933"_s << true;
            QTest::newRow(on + "#F93") << well << u"text"_s << u"#F93"_s << true;
            QTest::newRow(on + "empty text") << well << u"text"_s << QString() << false;
        }
    }

    void drops() {
        QFETCH(QString, wellKind);
        QFETCH(QString, payload);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        auto well = makeWell(wellKind);
        setWellColor(well.get(), kBlue);
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
            QCOMPARE(log.colorOf(0), kBlue);
            QCOMPARE(log.posted.at(0).object, well.get());
        } else {
            QCOMPARE(log.names(), (QStringList{tintmere::notifications::ColorWellChange,
                                               tintmere::notifications::SelectedColorWellChanged}));
            QCOMPARE(log.colorOf(0), kBlue);
            QCOMPARE(actions.count(), 0);
        }
    }

    // A text field dragging its text offers to move it, and removes it whenever the target
    // answers "move". The wells only ever copy, and refuse unreadable text before the drop,
    // so the source keeps its text in every case.
    void dropsLeaveTheSourceItsText_data() {
        QTest::addColumn<QString>("wellKind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        for (const QString& well : {u"plain"_s, u"palette"_s, u"selected"_s}) {
            const QByteArray on = well.toLatin1() + ": ";
            QTest::newRow(on + "ff9933") << well << u"ff9933"_s << true;
            QTest::newRow(on + "hello") << well << u"hello"_s << false;
            QTest::newRow(on + "empty") << well << QString() << false;
        }
    }
    void dropsLeaveTheSourceItsText() {
        QFETCH(QString, wellKind);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        auto well = makeWell(wellKind);
        setWellColor(well.get(), kBlue);
        const auto mime = mimeWith(u"text"_s, text);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

        // Shift makes "move" the proposed action, as a text field's own drag proposes it.
        const Qt::KeyboardModifiers proposeMove = Qt::ShiftModifier;
        QDragEnterEvent enter(QPoint(10, 10), offered, mime.get(), Qt::LeftButton, proposeMove);
        QCOMPARE(enter.proposedAction(), Qt::MoveAction);
        QApplication::sendEvent(well.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDragMoveEvent move(QPoint(12, 12), offered, mime.get(), Qt::LeftButton, proposeMove);
        QApplication::sendEvent(well.get(), &move);
        QCOMPARE(move.isAccepted(), accepted);
        if (!accepted) {
            QVERIFY(sameColor(tintmere::toQColor(well->color()), kBlue, 0));
            return; // no drop follows a refused move
        }
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QCOMPARE(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(12, 12), offered, mime.get(), Qt::LeftButton, proposeMove);
        QApplication::sendEvent(well.get(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QVERIFY(sameColor(tintmere::toQColor(well->color()), kOrange, 0));
    }

    void dragCarriesColorAndText_data() {
        QTest::addColumn<QString>("wellKind");
        QTest::addColumn<int>("dragFormat");
        QTest::addColumn<int>("rgbVariant");
        QTest::addColumn<QString>("text");
        for (const QString& well : {u"plain"_s, u"selected"_s}) {
            const QByteArray from = well.toLatin1() + ": ";
            QTest::newRow(from + "hex") << well << 0 << 0 << u"#ff9933"_s;
            QTest::newRow(from + "RGB") << well << 1 << 0 << u"RGB(255,153,51)"_s;
            QTest::newRow(from + "rgb") << well << 1 << 1 << u"rgb(255,153,51)"_s;
            QTest::newRow(from + "web") << well << 2 << 0 << u"#f93"_s;
            QTest::newRow(from + "unknown format: colour only") << well << 3 << 0 << QString();
        }
    }

    void dragCarriesColorAndText() {
        QFETCH(QString, wellKind);
        QFETCH(int, dragFormat);
        QFETCH(int, rgbVariant);
        QFETCH(QString, text);
        tintmere::FormatSettings formats;
        formats.rgbVariant = rgbVariant;
        QVColorWellBase::setTransferFormats(formats, dragFormat);
        auto well = makeWell(wellKind);
        setWellColor(well.get(), kOrange);

        const std::unique_ptr<QMimeData> mime(well->mimeDataForDrag());
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
        QTest::addColumn<QList<QColor>>("picks");
        QTest::addColumn<int>("changes");
        QTest::newRow("opened and closed") << QList<QColor>{} << 0;
        QTest::newRow("one pick") << QList<QColor>{Qt::red} << 1;
        QTest::newRow("a burst of picks") << QList<QColor>{Qt::red, Qt::green, Qt::yellow} << 1;
        QTest::newRow("picked back to the start")
            << QList<QColor>{Qt::red, QColor(20, 60, 200)} << 0;
    }

    void oneChangePerPanelActivation() {
        QFETCH(QList<QColor>, picks);
        QFETCH(int, changes);
        QVPaletteColorWell well;
        well.setColorWithNoAction(kBlue);
        QSignalSpy actions(&well, &QVColorWellBase::triggered);
        NotificationLog log;

        for (int round = 1; round <= 2; ++round) {
            well.setColorWithNoAction(kBlue);
            const Color before = well.color();
            well.activate(true);
            QVERIFY(well.isActive());
            QVERIFY(QVColorPanel::shared().isVisible());
            QColorDialog* panel = QVColorPanel::shared().dialog();
            QCOMPARE(panel->currentColor(), tintmere::toQColor(before));
            for (const QColor& pick : picks)
                panel->setCurrentColor(pick); // as the user would
            if (!picks.isEmpty())
                QCOMPARE(well.color(), tintmere::colorFromQColor(picks.constLast()));
            QVERIFY(log.posted.size() == (round - 1) * changes); // nothing while the panel is open
            QVColorPanel::shared().close();
            QVERIFY(!well.isActive());
            QCOMPARE(log.posted.size(), round * changes);
            if (changes > 0)
                QCOMPARE(log.colorOf(round - 1), before);
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
        QVERIFY(!first.isActive());
        QVERIFY(second.isActive());
        QCOMPARE(log.names(), QStringList{tintmere::notifications::ColorWellChange});
        QCOMPARE(log.posted.at(0).object, &first);
        QCOMPARE(log.colorOf(0), kBlue);
        // Picks now go to the second well only.
        QVColorPanel::shared().dialog()->setCurrentColor(Qt::green);
        QCOMPARE(first.color(), tintmere::colorFromQColor(Qt::red));
        QCOMPARE(second.color(), tintmere::colorFromQColor(Qt::green));
    }
};

QTEST_MAIN(TestColorWell)
#include "tst_colorwell.moc"
