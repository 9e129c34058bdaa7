// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "notificationlog.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvglobalcolorinfoview.h"
#include "qvinfoview.h"
#include "viewrendering.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using viewtest::pixel;
using viewtest::sameColor;

namespace {

const QString kLong = u"RGB(255,153,51)"_s;

qreal widthOf(const QVColorInfo& row, const QString& text) {
    return QFontMetricsF(row.stringFont()).horizontalAdvance(text);
}

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(5, 5);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void setLabels(QVInfoView& view) {
    const QStringList labels{u"hex"_s, u"rgb"_s, u"web"_s};
    for (int i = 0; i < 3; ++i)
        view.setLabel(labels[i], i);
}

// Rows 0..count-1 given the hex, rgb and web strings.
void fillRows(QVInfoView& view, int count = 3) {
    const QStringList strings{u"#ff9933"_s, kLong, u"#f93"_s};
    for (int i = 0; i < count; ++i)
        view.setString(strings[i], i);
}

void hover(QWidget* widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &enter);
}

} // namespace

using TrimmingRow = std::tuple<QString, qreal, bool, QString>;
using MouseRow = std::tuple<int, bool, bool, bool>;
using PillRow = std::tuple<qreal, QString, qreal>;
using MenuRow = std::tuple<bool, QString, bool>;

class TestInfoView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void trimming_data() {
        // relative: maxWidth is added to the width the text needs; shape: whole, cut, dots
        const Rows<TrimmingRow> row;
        row("no limit", kLong, 0.0, false, u"whole"_s);
        row("fits exactly", kLong, 0.0, true, u"whole"_s);
        row("a little short", kLong, -1.0, true, u"cut"_s);
        row("no room but the dots", kLong, 1.0, false, u"dots"_s);
        row("empty string", QString(), 10.0, false, u"whole"_s);
    }

    void trimming() {
        ROW(TrimmingRow, text, maxWidth, relative, shape);
        QVColorInfo row;
        row.setFontSize(9);
        row.setString(text);
        if (relative)
            maxWidth += widthOf(row, text);
        row.setMaxWidth(maxWidth);
        const QString trimmed = row.trimmedString(text);
        if (shape == u"whole") {
            QCOMPARE(trimmed, text);
            return;
        }
        QVERIFY(trimmed.endsWith(u"..."_s));
        const QString kept = trimmed.chopped(3);
        QCOMPARE(kept.isEmpty(), shape == u"dots");
        QVERIFY(text.startsWith(kept));
        // The longest beginning that leaves room for the dots.
        const qreal room = maxWidth - widthOf(row, u"..."_s);
        QVERIFY(kept.isEmpty() || widthOf(row, kept) <= room);
        QVERIFY(widthOf(row, text.left(kept.size() + 1)) > room);
        // The row is as wide as what it shows, plus its margins.
        QCOMPARE(row.width(), int(std::ceil(widthOf(row, trimmed) + 16)));
    }

    // A left click copies the full string (not the trimmed one) on release; a drag takes it
    // along instead; a right click only tells of itself.
    void mouse_data() {
        const Rows<MouseRow> row;
        row("click copies", int(Qt::LeftButton), false, true, false);
        row("drag does not copy", int(Qt::LeftButton), true, false, false);
        row("right click posts once", int(Qt::RightButton), false, false, true);
    }

    void mouse() {
        ROW(MouseRow, button, drag, copied, rightClickNote);
        QVColorInfo row;
        row.setString(kLong);
        row.setMaxWidth(40);
        NotificationLog rightClicks(tintmere::notifications::ColorInfoRightClick);
        QApplication::clipboard()->setText(u"before"_s);
        sendMouse(&row, QEvent::MouseButtonPress, Qt::MouseButton(button));
        QCOMPARE(row.isMouseDown(), button == Qt::LeftButton);
        if (drag) {
            const QPointF away(30, 5);
            QMouseEvent move(QEvent::MouseMove, away, row.mapToGlobal(away), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&row, &move);
            const std::unique_ptr<QMimeData> mime(row.mimeDataForDrag());
            QCOMPARE(mime->text(), kLong);
            QVERIFY(!mime->hasColor());
            QVERIFY(!row.dragPixmap().isNull());
        }
        QCOMPARE(QApplication::clipboard()->text(), u"before"_s); // only on release
        sendMouse(&row, QEvent::MouseButtonRelease, Qt::MouseButton(button));
        QVERIFY(!row.isMouseDown());
        QCOMPARE(QApplication::clipboard()->text(), copied ? kLong : u"before"_s);
        QCOMPARE(rightClicks.senders(), rightClickNote ? QList<QObject*>{&row} : QList<QObject*>{});
    }

    void oddFontSizesSitOnePointHigher_data() { viewtest::scales(); }

    void oddFontSizesSitOnePointHigher() {
        QFETCH(qreal, dpr);
        // The same 9-point font; only the first row was given the size 9.
        QVColorInfo odd;
        odd.setFontSize(9);
        QVColorInfo even;
        even.setStringFont(QVColorInfo::labelFontOfSize(9));
        const auto inkTop = [dpr](QVColorInfo& row) {
            row.resize(100, 15);
            row.setString(u"#ff9933"_s);
            const QImage image = viewtest::render(&row, dpr);
            for (int i = 0; i < image.width() * image.height(); ++i)
                if (image.pixelColor(i % image.width(), i / image.width()) != viewtest::kUnpainted)
                    return i / image.width();
            return -1;
        };
        const int evenTop = inkTop(even);
        QVERIFY(evenTop > 0);
        QCOMPARE(inkTop(odd), evenTop - int(dpr));
    }

    void pill_data() {
        const Rows<PillRow> row; // fill: grey level, < 0 for none
        row("pointer away", 1.0, u"away"_s, -1.0);
        row("pointer over", 1.0, u"over"_s, 0.6);
        row("button down", 1.0, u"down"_s, 0.5);
        row("@2x pointer over", 2.0, u"over"_s, 0.6);
    }

    void pill() {
        ROW(PillRow, dpr, state, fill);
        QVColorInfo row;
        row.resize(100, 16);
        row.setString(kLong);
        row.setMaxWidth(50); // trimmed: the pill shrinks with the text
        const int w = row.width();
        QVERIFY(w < 70);
        if (state != u"away")
            hover(&row);
        if (state == u"down")
            sendMouse(&row, QEvent::MouseButtonPress, Qt::LeftButton);
        const QImage image = viewtest::render(&row, dpr);
        // Left of the text, inside the round end, and at the far end.
        for (const QPointF point : {QPointF(4, 8), QPointF(w - 5, 8)}) {
            const QColor actual = pixel(image, point);
            if (fill < 0)
                QCOMPARE(actual, viewtest::kUnpainted);
            else
                QVERIFY2(sameColor(actual, {float(fill), float(fill), float(fill), 1}),
                         viewtest::describe(actual));
        }
        // The corners stay outside the round ends.
        QCOMPARE(pixel(image, {0, 0}), viewtest::kUnpainted);
    }

    // The main window's rows have a menu: Shift+right click and the menu key ask for it, a
    // plain right click still steps the notation. The global panel's rows have none.
    void menuOrNextNotation_data() {
        const Rows<MenuRow> row;
        row("right click", false, u"right"_s, false);
        row("Shift+right click", false, u"shift"_s, true);
        row("menu key", false, u"key"_s, true);
        row("panel: Shift+right click", true, u"shift"_s, false);
        row("panel: menu key", true, u"key"_s, false);
    }

    void menuOrNextNotation() {
        ROW(MenuRow, global, gesture, menu);
        std::unique_ptr<QVInfoView> view(global ? new QVGlobalColorInfoView(160) : new QVInfoView);
        fillRows(*view);
        QVColorInfo* row = view->colorInfoAtIndex(1);
        QSignalSpy asked(view.get(), &QVInfoView::rowMenuRequested);
        NotificationLog rightClicks(tintmere::notifications::ColorInfoRightClick);
        if (gesture == u"key") {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    row->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(row, &event);
        } else {
            const QPointF at(5, 5);
            QMouseEvent press(QEvent::MouseButtonPress, at, row->mapToGlobal(at), Qt::RightButton,
                              Qt::RightButton,
                              gesture == u"shift" ? Qt::ShiftModifier : Qt::NoModifier);
            QApplication::sendEvent(row, &press);
        }
        QCOMPARE(asked.size(), menu ? 1 : 0);
        if (menu)
            QCOMPARE(asked.first().first().toInt(), 1);
        QCOMPARE(rightClicks.senders(), menu ? QList<QObject*>{} : QList<QObject*>{row});
    }

    void rowsAppearAndLineUp() {
        QVInfoView view;
        setLabels(view);
        view.setString(QString(), 1); // an empty first string creates nothing
        QVERIFY(!view.colorInfoAtIndex(1));
        fillRows(view);
        const QFont bold = [] {
            QFont font = QApplication::font();
            font.setPixelSize(11);
            font.setBold(true);
            return font;
        }();
        const QFontMetricsF metrics(bold);
        const qreal widest =
            std::max({metrics.horizontalAdvance(u"hex"_s), metrics.horizontalAdvance(u"rgb"_s),
                      metrics.horizontalAdvance(u"web"_s)});
        QCOMPARE(view.largestWidth(), widest);
        const qreal h = metrics.height();
        for (int i = 0; i < 3; ++i) {
            const QPoint origin = view.colorInfoAtIndex(i)->pos();
            QCOMPARE(origin, QPointF(40 + widest + 4, (i + 1) * h + 8 * i + 20).toPoint());
            QCOMPARE(view.colorInfoAtIndex(i)->height(), 16);
        }
        view.setString(QString(), 1);
        QVERIFY(!view.isRowVisible(1));
        QCOMPARE(view.stringAtIndex(1), QString());
    }

    void header_data() { viewtest::scales(); }

    void header() {
        QFETCH(qreal, dpr);
        QVInfoView view;
        view.resize(240, 100);
        const QImage image = viewtest::render(&view, dpr);
        const qreal onePixel = 1 / dpr;
        const auto grey = [](float g) { return tintmere::Color{g, g, g, 1}; };
        // Edge lines: grey on top, dark along the header's lower edge, then the white body.
        QVERIFY(sameColor(pixel(image, {3, 0}), grey(0.5f)));
        QVERIFY(sameColor(pixel(image, {3, 17}), grey(0.3f)));
        QVERIFY(sameColor(pixel(image, {3, 18}), grey(1.0f)));
        QVERIFY(sameColor(pixel(image, {3, 99}), grey(1.0f)));
        // Between them the gradient runs from 0.95 at the top down to 0.5 at the bottom: each
        // pixel shows the gradient somewhere within its own extent.
        const auto levelAt = [](qreal y) { return 255 * (0.5 + 0.45 * (18 - y) / 18); };
        for (const qreal y : {1.0, 4.0, 9.0, 16.0}) {
            const QColor actual = pixel(image, {3, y});
            QVERIFY2(actual.red() <= levelAt(y) + 1 && actual.red() >= levelAt(y + onePixel) - 1,
                     viewtest::describe(actual));
            QCOMPARE(actual.green(), actual.red());
        }
    }

    void globalRowsPackAndFit() {
        QVGlobalColorInfoView view(160);
        setLabels(view);
        const qreal r = view.largestLabelSize().height();
        const auto fit = [r](int n) { return n * r + (6 * n - 6) + 8; };
        QCOMPARE(view.heightToFit(), fit(0));

        for (int i = 0; i < 3; ++i) {
            fillRows(view, i + 1);
            QCOMPARE(view.heightToFit(), fit(i + 1));
            QCOMPARE(view.height(), int(std::ceil(fit(i + 1))));
            QCOMPARE(view.colorInfoAtIndex(i)->maxWidth(),
                     160 - (22 + view.largestLabelSize().width() + 9));
        }
        const auto rowTop = [r](int k) { return int((k + 1) * r + 6 * k + 8 - 15); };
        QCOMPARE(view.colorInfoAtIndex(2)->y(), rowTop(2));

        // Emptying the middle row keeps the height until the next string arrives...
        const int height = view.height();
        view.setString(QString(), 1);
        QCOMPARE(view.height(), height);
        QCOMPARE(view.heightToFit(), fit(2));
        // ...then the others close up.
        view.setString(u"#ff9900"_s, 0);
        QCOMPARE(view.height(), int(std::ceil(fit(2))));
        QCOMPARE(view.colorInfoAtIndex(0)->y(), rowTop(0));
        QCOMPARE(view.colorInfoAtIndex(2)->y(), rowTop(1));
    }
};

QTEST_MAIN(TestInfoView)
#include "tst_infoview.moc"
