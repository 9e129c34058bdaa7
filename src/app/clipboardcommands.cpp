// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboardcommands.h"

#include "colorparsing.h"
#include "colorundocommands.h"
#include "csscolor.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qtcolor.h"
#include "qvcolorinfo.h"
#include "qvinfoview.h"
#include "qvpaletteview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr int kStatusMessageMs = 4000;
// Colour text is a few dozen characters; a page of text is not read at all.
constexpr qsizetype kLongestColorText = 1000;

} // namespace

ClipboardCommands::ClipboardCommands(const ClipboardCommandsWidgets& widgets,
                                     PaletteEditor& palette, const FormatSettings& formats,
                                     QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_palette(palette)
    , m_formats(formats) {
    m_w.copy->setShortcuts(QKeySequence::Copy);
    m_w.copy->setToolTip(tr("Copy the current color as hex text and as a color"));
    m_w.paste->setShortcuts(QKeySequence::Paste);
    m_w.paste->setToolTip(tr("Put the color or color text on the clipboard into the "
                             "selected well"));
    connect(m_w.copy, &QAction::triggered, this, &ClipboardCommands::copy);
    connect(m_w.paste, &QAction::triggered, this, &ClipboardCommands::paste);
    connect(m_w.copyAsMenu, &QMenu::aboutToShow, this, [this] {
        m_w.copyAsMenu->clear();
        addCopyAsItems(m_w.copyAsMenu, currentColor());
    });
    connect(m_w.infoView, &QVInfoView::rowMenuRequested, this, &ClipboardCommands::showRowMenu);
}

Color ClipboardCommands::currentColor() const {
    return m_palette.colorArray().value(m_w.paletteView->selectedColorWellIndex());
}

void ClipboardCommands::copy() const {
    const Color color = currentColor();
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(hexStringOfColor(color, m_formats)));
    mime->setColorData(toQColor(color));
    QApplication::clipboard()->setMimeData(mime);
}

std::optional<Color> ClipboardCommands::colorFromMimeData(const QMimeData* mime) {
    if (!mime)
        return std::nullopt;
    if (mime->hasColor()) {
        const QColor color = qvariant_cast<QColor>(mime->colorData());
        if (color.isValid())
            return colorFromQColor(color);
    }
    const QString text = mime->text().trimmed();
    if (text.isEmpty() || text.size() > kLongestColorText)
        return std::nullopt;
    return colorFromPastedText(text.toStdString());
}

bool ClipboardCommands::paste() {
    std::optional<Color> color = colorFromMimeData(QApplication::clipboard()->mimeData());
    if (!color) {
        QApplication::beep();
        showMessage(tr("The clipboard holds no color to paste"));
        return false;
    }
    // The palette keeps opaque colours only (its stored text has no alpha).
    color->alpha = 1.0f;
    recordColor(*m_w.undoStack, m_palette, m_w.paletteView->selectedColorWellIndex(), *color);
    return true;
}

void ClipboardCommands::addCopyAsItems(QMenu* menu, const Color& color) {
    const NamedColorMatch named = nearestNamedColor(color);
    const struct {
        std::string shown;
        std::string copied;
        const char* tip;
    } items[] = {
        {cssRGBString(color), {}, QT_TR_NOOP("CSS rgb() color")},
        {cssHSLString(color), {}, QT_TR_NOOP("CSS hsl() color")},
        {cssOKLCHString(color), {}, QT_TR_NOOP("CSS oklch() color")},
        {cssHexAlphaString(color), {}, QT_TR_NOOP("Hex color with alpha")},
        {cssNameString(color), std::string(named.name),
         QT_TR_NOOP("The nearest CSS named color and how far it is (ΔEOK; below 0.02 hard to "
                    "tell apart); copies the name")},
    };
    menu->setToolTipsVisible(true);
    for (const auto& item : items) {
        const QString copied =
            QString::fromStdString(item.copied.empty() ? item.shown : item.copied);
        QAction* action = menu->addAction(QString::fromStdString(item.shown));
        action->setToolTip(tr(item.tip));
        connect(action, &QAction::triggered, menu,
                [copied] { QApplication::clipboard()->setText(copied); });
    }
}

QMenu* ClipboardCommands::rowMenu(int index, QWidget* parent) const {
    QVColorInfo* row = m_w.infoView->colorInfoAtIndex(index);
    if (!row)
        return nullptr;
    auto* menu = new QMenu(parent);
    menu->addAction(tr("Copy %1").arg(row->string()), row, &QVColorInfo::copyToClipboard);
    // The same as a right click, for the keyboard.
    menu->addAction(tr("Next Notation"), row, [row] {
        NotificationCenter::defaultCenter().post(notifications::ColorInfoRightClick, row);
    });
    menu->addSeparator();
    addCopyAsItems(menu->addMenu(tr("Copy As")), currentColor());
    return menu;
}

void ClipboardCommands::showRowMenu(int index, const QPoint& globalPos) const {
    QMenu* menu = rowMenu(index, m_w.infoView);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void ClipboardCommands::showMessage(const QString& text) const {
    if (m_w.statusBar)
        m_w.statusBar->showMessage(text, kStatusMessageMs);
}

} // namespace tintmere
