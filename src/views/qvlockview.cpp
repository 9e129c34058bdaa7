// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvlockview.h"

#include "artwork.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kImageSize = 16;
constexpr int kTextLeft = 17;
} // namespace

QVLockView::QVLockView(QWidget* parent)
    : QWidget(parent)
    , m_textColor(QColor::fromRgbF(0.3f, 0.3f, 0.3f)) {
    m_font = font();
    m_font.setPixelSize(11);
    setAccessibleName(tr("Magnifier lock"));
    updateAccessibleDescription();
}

void QVLockView::setIsLocked(bool locked) {
    m_isLocked = locked;
    updateAccessibleDescription();
    update();
}

void QVLockView::toggleStatus() {
    setIsLocked(!m_isLocked);
}

QString QVLockView::statusText() const {
    return m_isLocked ? tr("Locked") : tr("Unlocked");
}

void QVLockView::updateAccessibleDescription() {
    setAccessibleDescription(statusText());
    setToolTip(m_isLocked ? tr("The magnifier image is locked")
                          : tr("The magnifier follows the pointer"));
}

QSize QVLockView::sizeHint() const {
    const QFontMetrics metrics(m_font);
    const int textWidth = std::max(metrics.horizontalAdvance(tr("Locked")),
                                   metrics.horizontalAdvance(tr("Unlocked")));
    return {kTextLeft + textWidth + 2, std::max(kImageSize, metrics.height())};
}

void QVLockView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap image =
        tintmere::artwork::pixmap(m_isLocked ? u"lock" : u"unlock", QSize(kImageSize, kImageSize),
                                  tintmere::artwork::devicePixelRatio(painter));
    painter.drawPixmap(QPointF(0, (height() - kImageSize) * 0.5), image);

    painter.setFont(m_font);
    painter.setPen(m_textColor);
    const qreal textHeight = QFontMetricsF(m_font).height();
    painter.drawText(
        QRectF(kTextLeft, (height() - textHeight) * 0.5, width() - kTextLeft, textHeight),
        Qt::AlignLeft | Qt::AlignVCenter, statusText());
}
