// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvglobalpanel.h"

#include "qvcolorinfo.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "windowframes.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kContentWidth = 115;
constexpr int kDistanceFromCorner = 200;
const QColor kRowBackground = QColor::fromRgbF(0.443f, 0.443f, 0.443f, 1.0f);
const QColor kPanelBackground = QColor::fromRgbF(0.16f, 0.16f, 0.16f, 1.0f);
// Only a close box: a minimised utility panel has no taskbar entry to come back from.
constexpr Qt::WindowFlags kTitleBar =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

QVGlobalPanel::QVGlobalPanel(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus | kTitleBar)
    , m_contentView(new QWidget(this))
    , m_paletteView(new QVGlobalPaletteView(kContentWidth, m_contentView))
    , m_infoView(new QVGlobalColorInfoView(kContentWidth, m_contentView)) {
    setWindowTitle(u"Tintmere"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Qt shows tooltips only over the active window, and this one never becomes active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // Closing the panel only hides it, even when no other window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);

    // A dark panel, so the white strings and the wells stand out as over a heads-up display.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kPanelBackground);
    setPalette(dark);
    setAutoFillBackground(true);

    auto* content = new QVBoxLayout(m_contentView);
    content->setContentsMargins(0, 0, 0, 2);
    content->setSpacing(0);
    content->addWidget(m_paletteView);
    content->addWidget(m_infoView);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_contentView);
    // The panel takes its size from its content and follows it as rows come and go.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < kWellCount; ++i)
        m_paletteView->addColorWellwithColor(tintmere::Color{1.0f, 1.0f, 1.0f, 1.0f});
    m_paletteView->setFrameToFit();
    m_infoView->setLabel(u"hex"_s, 0);
    m_infoView->setLabel(u"rgb"_s, 1);
    m_infoView->setLabel(u"web"_s, 2);
    outer->activate();
}

void QVGlobalPanel::setColorStrings(const QString& hex, const QString& rgb, const QString& web) {
    m_infoView->setString(hex, 0);
    m_infoView->setString(rgb, 1);
    m_infoView->setString(web, 2);
    // Rows are made by their first string; each is styled as it appears.
    styleRows();
    m_infoView->setFrameToFit();
    m_contentView->updateGeometry();
    layout()->activate();
}

void QVGlobalPanel::styleRows() {
    for (int i = 0; i < QVInfoView::RowCount; ++i) {
        if (QVColorInfo* row = m_infoView->colorInfoAtIndex(i)) {
            row->setFontColor(Qt::white);
            row->setBackgroundColor(kRowBackground);
        }
    }
}

void QVGlobalPanel::becomeNormalWindow(const QString& title, const QString& keepAboveHint) {
    setWindowFlags(Qt::Window | kTitleBar);
    setWindowTitle(title);
    setToolTip(keepAboveHint);
    setAccessibleDescription(keepAboveHint);
}

bool QVGlobalPanel::restoreFrame(const QByteArray& frame) {
    return tintmere::restoreFrameOnScreens(this, frame);
}

QPoint QVGlobalPanel::firstRunPosition(const QRect& screenGeometry, QSize contentSize) {
    // Measured from the screen's lower-left corner, y upwards, then turned top-down.
    const int left = screenGeometry.width() - kDistanceFromCorner;
    const int bottomUp = screenGeometry.height() - kDistanceFromCorner;
    const int top = screenGeometry.height() - bottomUp - contentSize.height();
    return screenGeometry.topLeft() + QPoint(left, top);
}

void QVGlobalPanel::moveToFirstRunPosition() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = sizeHint();
    // The geometry of a window is its content, without the title bar.
    setGeometry(QRect(firstRunPosition(screen->geometry(), size), size));
}

void QVGlobalPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Q_EMIT visibilityChanged(true);
}

void QVGlobalPanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Q_EMIT visibilityChanged(false);
}

void QVGlobalPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A window manager that minimises it anyway takes it out of sight.
    if (event->type() == QEvent::WindowStateChange && isVisible())
        Q_EMIT visibilityChanged(!isMinimized());
}

bool QVGlobalPanel::moveByBackground(QWidget* widget, QMouseEvent* event) {
    QWindow* window = widget->window()->windowHandle();
    if (event->button() != Qt::LeftButton || !window || !window->startSystemMove())
        return false;
    event->accept();
    return true;
}

void QVGlobalPanel::mousePressEvent(QMouseEvent* event) {
    // Moved by dragging its background, like the palette and the strings inside it.
    if (!moveByBackground(this, event))
        QWidget::mousePressEvent(event);
}
