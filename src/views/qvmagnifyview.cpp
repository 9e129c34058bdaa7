// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvmagnifyview.h"

#include "qtcolor.h"
#include "qvcolorwellbase.h"
#include "screencapture.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

namespace {

const QColor kFrameGray = QColor::fromRgbF(0.5f, 0.5f, 0.5f);

// A captured pixel as the magnifier shows and picks it: pixels outside every screen come
// back transparent and count as black.
Color sampleColor(QRgb pixel) {
    if (qAlpha(pixel) == 0)
        return Color{0.0f, 0.0f, 0.0f, 1.0f};
    return Color::fromBytes(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace

QVMagnifyView::QVMagnifyView(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(tr("Magnifier"));
    // Hover follows the pointer without a button held.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_timer, &QTimer::timeout, this, &QVMagnifyView::captureLiveFrame);
    setRefreshRate(m_refreshRate);
    applyGeometry();
}

QVMagnifyView::~QVMagnifyView() = default;

void QVMagnifyView::setScreenCapture(std::unique_ptr<tintmere::platform::ScreenCapture> capture) {
    m_capture = std::move(capture);
    setAccessibleDescription(unavailableReason());
    update();
}

bool QVMagnifyView::isCaptureAvailable() const {
    return m_capture && m_capture->isAvailable();
}

QString QVMagnifyView::unavailableReason() const {
    if (isCaptureAvailable())
        return {};
    if (!m_unavailableReason.isEmpty())
        return m_unavailableReason;
    if (!m_capture)
        return tr("The screen cannot be read.");
    return m_capture->unavailableReason();
}

void QVMagnifyView::setUnavailableReason(const QString& reason) {
    m_unavailableReason = reason;
    setAccessibleDescription(unavailableReason());
    update();
}

void QVMagnifyView::beginMagnify() {
    setHover(std::nullopt);
    m_isStopped = false;
    // Without a way to read the screen there is nothing to refresh; the view says why until
    // someone shows it frames.
    if (isCaptureAvailable()) {
        captureLiveFrame();
        m_timer.start();
    } else {
        m_liveImage = QImage();
    }
    update();
}

void QVMagnifyView::stopMagnify() {
    m_timer.stop();
    m_lockedColors.clear();
    if (isCaptureAvailable()) {
        // One fresh sample of the pixels the last live frame showed.
        const QImage pixels = m_capture->captureAround(m_currMouse, numberOfPixels());
        lockPixels(pixels);
    } else if (!m_liveImage.isNull()) {
        // Where the screen cannot be read, the last frame shown is what there is.
        lockPixels(m_liveImage);
    }
    m_isStopped = true;
    // A lock by the hot key leaves the pointer where it was: show its pixel at once.
    if (underMouse())
        setHover(m_geometry.pixelAt(mapFromGlobal(QCursor::pos())));
    update();
}

void QVMagnifyView::lockPixels(const QImage& pixels) {
    const int n = numberOfPixels();
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            m_lockedColors.append(
                sampleColor(pixels.valid(column, row) ? pixels.pixel(column, row) : 0));
}

void QVMagnifyView::captureLiveFrame() {
    if (m_isStopped || !isCaptureAvailable())
        return;
    m_currMouse = m_capture->pointerPosition();
    QImage pixels = m_capture->captureAround(m_currMouse, numberOfPixels());
    // A still pointer over a still screen needs no repaint.
    if (pixels == m_liveImage)
        return;
    m_liveImage = std::move(pixels);
    update();
}

void QVMagnifyView::showLiveFrame(QPoint pointer, const QImage& pixels) {
    if (m_isStopped)
        return;
    m_currMouse = pointer;
    m_liveImage = pixels;
    update();
}

void QVMagnifyView::setBoxSize(int sizeIndex) {
    if (sizeIndex >= 0 && sizeIndex <= 2)
        setBoxPadding(2 + 2 * sizeIndex);
}

void QVMagnifyView::setBoxPadding(int padding) {
    m_geometry = MagnifierGeometry(numberOfPixels(), padding);
    applyGeometry();
}

void QVMagnifyView::setNumberOfPixels(int numberOfPixels) {
    m_geometry = MagnifierGeometry(numberOfPixels, boxPadding());
    m_lockedColors.clear();
    m_liveImage = QImage();
    setHover(std::nullopt);
    applyGeometry();
}

void QVMagnifyView::applyGeometry() {
    setFixedSize(m_geometry.viewSize());
    updateGeometry();
    update();
}

void QVMagnifyView::setRefreshRate(float seconds) {
    m_refreshRate = seconds;
    m_timer.setInterval(std::max(1, int(std::lround(seconds * 1000.0f))));
}

void QVMagnifyView::setSelectedColor(const Color& color) {
    m_selectedColor = color;
    updateToolTip();
    update();
}

void QVMagnifyView::updateToolTip() {
    m_toolTip.clear();
    if (m_selectedColor)
        m_toolTip = QVColorWellBase::stringOfColor(*m_selectedColor, m_toolTipFamily);
}

void QVMagnifyView::setBorderColor(const Color& color) {
    m_borderColor = color;
    update();
}

void QVMagnifyView::setDrawGrid(bool drawGrid) {
    m_drawGrid = drawGrid;
    update();
}

void QVMagnifyView::setDrawLoading(bool drawLoading) {
    m_drawLoading = drawLoading;
    update();
}

std::optional<Color> QVMagnifyView::lockedColorAt(QPoint pixel) const {
    const int n = numberOfPixels();
    if (m_lockedColors.isEmpty() || pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= n ||
        pixel.y() >= n)
        return std::nullopt;
    return m_lockedColors.at(pixel.y() * n + pixel.x());
}

QMimeData* QVMagnifyView::mimeDataForDrag() const {
    return m_selectedColor ? QVColorWellBase::mimeDataForColor(*m_selectedColor) : nullptr;
}

QSize QVMagnifyView::sizeHint() const {
    return m_geometry.viewSize();
}

bool QVMagnifyView::isInteractive() const {
    return m_isStopped && !m_lockedColors.isEmpty();
}

bool QVMagnifyView::hasPixels() const {
    return m_isStopped ? !m_lockedColors.isEmpty() : !m_liveImage.isNull();
}

void QVMagnifyView::setHover(std::optional<QPoint> pixel) {
    const bool hover = pixel.has_value();
    if (hover == m_mouseHover && (!hover || *pixel == m_currHoverInfo))
        return;
    m_mouseHover = hover;
    if (hover)
        m_currHoverInfo = *pixel;
    update();
}

bool QVMagnifyView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QRect strip = m_geometry.selectedColorStrip();
        if (!m_toolTip.isEmpty() && strip.contains(help->pos()))
            QToolTip::showText(help->globalPos(), m_toolTip, this, strip);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void QVMagnifyView::mousePressEvent(QMouseEvent* event) {
    m_pressPosition = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !isInteractive())
        return;
    // The pixel clicked is the one under the pointer, even when no move came before.
    setHover(m_geometry.pixelAt(m_pressPosition));
    if (!m_mouseHover)
        return;
    pickHovered();
}

void QVMagnifyView::pickHovered() {
    // The pixel drawn enlarged is the held sample.
    if (const auto picked = lockedColorAt(m_currHoverInfo)) {
        setSelectedColor(*picked);
        Q_EMIT colorPicked(*picked);
    }
}

void QVMagnifyView::keyPressEvent(QKeyEvent* event) {
    if (!isInteractive()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int last = numberOfPixels() - 1;
    const QPoint from = m_mouseHover ? m_currHoverInfo : QPoint(last / 2, last / 2);
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        setHover(from);
        pickHovered();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const QPoint to = from + step;
    setHover(QPoint(std::clamp(to.x(), 0, last), std::clamp(to.y(), 0, last)));
}

void QVMagnifyView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Reached from the keyboard, the locked image shows where the keys start.
    if (isInteractive() && !m_mouseHover &&
        (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)) {
        const int middle = (numberOfPixels() - 1) / 2;
        setHover(QPoint(middle, middle));
    }
}

void QVMagnifyView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    setHover(isInteractive() ? m_geometry.pixelAt(position) : std::nullopt);
    const bool dragging =
        (event->buttons() & Qt::LeftButton) &&
        (position - m_pressPosition).manhattanLength() >= QApplication::startDragDistance();
    // Away from the pixels (on the strip, say) a drag hands out the picked colour.
    if (dragging && m_isStopped && m_selectedColor && !m_mouseHover)
        QVColorWellBase::execColorDrag(this, *m_selectedColor);
}

void QVMagnifyView::leaveEvent(QEvent*) {
    setHover(std::nullopt);
}

void QVMagnifyView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isCaptureAvailable() || hasPixels())
        paintPixels(painter);
    else
        paintUnavailable(painter);
    paintSelectedColorStrip(painter);
    if (m_drawGrid)
        paintGrid(painter);
    paintFrame(painter, /*withSeparator=*/true);
    if (m_mouseHover && isInteractive())
        paintHover(painter);
    if (m_drawLoading)
        paintLoading(painter);
}

void QVMagnifyView::paintPixels(QPainter& painter) const {
    const int n = numberOfPixels();
    if (m_isStopped) {
        for (int i = 0; i < m_lockedColors.size(); ++i)
            painter.fillRect(m_geometry.pixelRect(i % n, i / n),
                             tintmere::toQColor(m_lockedColors[i]));
        return;
    }
    if (m_liveImage.isNull())
        return;
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            const QRgb pixel = m_liveImage.valid(column, row) ? m_liveImage.pixel(column, row) : 0;
            painter.fillRect(m_geometry.pixelRect(column, row),
                             tintmere::toQColor(sampleColor(pixel)));
        }
    }
}

void QVMagnifyView::paintUnavailable(QPainter& painter) const {
    const QRect square = m_geometry.pixelSquare();
    painter.fillRect(square, QColor::fromRgbF(0.3f, 0.3f, 0.3f));
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    painter.setPen(Qt::white);
    painter.drawText(square.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                     unavailableReason());
}

void QVMagnifyView::paintSelectedColorStrip(QPainter& painter) const {
    const QRect strip = m_geometry.selectedColorStrip();
    if (m_selectedColor) {
        painter.fillRect(strip, tintmere::toQColor(*m_selectedColor));
        return;
    }
    // Nothing picked yet: light stripes on white. They reach under the frame lines, which
    // are drawn over them.
    painter.fillRect(strip, Qt::white);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(0.85f, 0.85f, 0.85f));
    for (const QPolygon& stripe : m_geometry.emptyStripStripes())
        painter.drawPolygon(stripe);
    painter.restore();
}

void QVMagnifyView::paintGrid(QPainter& painter) const {
    const QColor line = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.15f);
    for (const QRect& rect : m_geometry.gridLines())
        painter.fillRect(rect, line);
}

void QVMagnifyView::paintFrame(QPainter& painter, bool withSeparator) const {
    const QList<QRect> lines = m_geometry.frameLines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (withSeparator || i != 3)
            painter.fillRect(lines[i], kFrameGray);
    }
}

void QVMagnifyView::paintHover(QPainter& painter) const {
    const auto color = lockedColorAt(m_currHoverInfo);
    if (!color)
        return;
    painter.fillRect(m_geometry.hoverRect(m_currHoverInfo), tintmere::toQColor(*color));
    const QColor border = tintmere::toQColor(m_borderColor);
    for (const QRect& rect : m_geometry.hoverFrame(m_currHoverInfo))
        painter.fillRect(rect, border);
}

void QVMagnifyView::paintLoading(QPainter& painter) const {
    painter.fillRect(m_geometry.loadingRect(), QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.5f));
    paintFrame(painter, /*withSeparator=*/false);
    QFont bold = font();
    bold.setPixelSize(14);
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    const QString text = tr("Loading...");
    const QSize textSize = QFontMetrics(bold).size(Qt::TextSingleLine, text);
    painter.drawText(m_geometry.loadingTextRect(textSize), Qt::AlignCenter, text);
}
