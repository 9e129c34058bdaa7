// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "colormenus.h"
#include "componentspinbox.h"
#include "menucommand.h"
#include "qvblendview.h"
#include "qvcolorwell.h"
#include "qvcontrastview.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvlockview.h"
#include "qvpaletteview.h"
#include "qvscrollslider.h"
#include "qvtoolsview.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr int kContentWidth = 424;
// The four wells sit centred across the palette's width with this gap between them.
constexpr int kWellPadding = 48;
constexpr int kFavoritesMinimumHeight = 150;
// Room above and below the row of wells.
constexpr int kPaletteMargins = 34;

QString componentName(int component) {
    switch (component) {
    case 0:
        return MainWindow::tr("Red");
    case 1:
        return MainWindow::tr("Green");
    default:
        return MainWindow::tr("Blue");
    }
}

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(u"Tintmere"_s);
    setObjectName(u"MainWindow"_s);
    m_outlets.undoStack = new QUndoStack(this);

    auto* central = new QWidget(this);
    central->setFixedWidth(kContentWidth);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_outlets.paletteView = new QVPaletteView(central);
    m_outlets.paletteView->setWellPadding(kWellPadding);
    const qreal wellsWidth = 4 * m_outlets.paletteView->wellSize().width() + 3 * kWellPadding;
    m_outlets.paletteView->setFirstX(std::floor((kContentWidth - wellsWidth) / 2));
    m_outlets.paletteView->setFixedSize(
        kContentWidth, int(m_outlets.paletteView->wellSize().height()) + kPaletteMargins);
    column->addWidget(m_outlets.paletteView);

    m_outlets.infoView = new QVInfoView(central);
    m_outlets.infoView->setAccessibleName(tr("Color strings"));
    column->addWidget(m_outlets.infoView);

    m_outlets.contrastView = new QVContrastView(central);
    m_outlets.contrastView->hide();
    column->addWidget(m_outlets.contrastView);

    column->addWidget(buildToolsBar());

    // The drawers slide down out of the tools bar into a room of their own that opens up
    // as they do, so they never cover the favorites list.
    m_drawerRoom = new QWidget(central);
    m_drawerRoom->setObjectName(u"drawerRoom"_s);
    m_drawerRoom->setFixedHeight(0);
    column->addWidget(m_drawerRoom);

    m_outlets.favoritesArea = new QWidget(central);
    m_outlets.favoritesArea->setObjectName(u"favoritesArea"_s);
    m_outlets.favoritesArea->setAccessibleName(tr("Favorites"));
    auto* favoritesLayout = new QVBoxLayout(m_outlets.favoritesArea);
    favoritesLayout->setContentsMargins(8, 8, 8, 8);
    column->addWidget(m_outlets.favoritesArea, 1);

    const auto makeDrawer = [this](QWidget* content, const QString& name) {
        auto* drawer = new QVDrawer(m_drawerRoom, Qt::TopEdge);
        drawer->setAccessibleName(name);
        drawer->setContentWidget(content);
        drawer->setParentMakesRoom(true);
        connect(drawer, &QVDrawer::shownDepthChanged, this, &MainWindow::makeRoomForDrawers);
        return drawer;
    };
    m_outlets.rgbDrawer = makeDrawer(buildRgbDrawerContent(), tr("RGB sliders"));
    m_outlets.hexDrawer = makeDrawer(buildHexDrawerContent(), tr("Hex entry"));
    m_outlets.blendDrawer = makeDrawer(buildBlendDrawerContent(), tr("Blend"));
    m_outlets.magnifyDrawer = makeDrawer(buildMagnifyDrawerContent(), tr("Magnifier"));
    m_outlets.favoritesArea->setMinimumHeight(kFavoritesMinimumHeight);

    setCentralWidget(central);
    buildMenus();
    statusBar()->setSizeGripEnabled(false);
    resize(kContentWidth, sizeHint().height() + 80);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildToolsBar() {
    m_outlets.toolsView = new QVToolsView(this);
    m_outlets.toolsView->setFixedHeight(m_outlets.toolsView->sizeHint().height());
    m_outlets.toolButtons = new QButtonGroup(this);
    m_outlets.toolButtons->setExclusive(false);

    struct Tool {
        QString text;
        QString tip;
    };
    const std::array<Tool, 5> tools{{
        {tr("RGB"), tr("RGB sliders and fields")},
        {tr("Hex"), tr("Hex entry")},
        {tr("Blend"), tr("Blend two colors")},
        {tr("Zoom"), tr("Magnifier")},
        {tr("Panel"), tr("Show or hide the global panel")},
    }};
    auto* row = new QHBoxLayout(m_outlets.toolsView);
    // The buttons start after the bar's "Tools" caption.
    row->setContentsMargins(35, 2, 4, 3);
    row->setSpacing(2);
    QFont font = m_outlets.toolsView->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    for (int tag = 0; tag < int(tools.size()); ++tag) {
        auto* button = new QToolButton(m_outlets.toolsView);
        button->setText(tools[std::size_t(tag)].text);
        button->setToolTip(tools[std::size_t(tag)].tip);
        button->setAccessibleName(tools[std::size_t(tag)].tip);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFont(font);
        button->setFocusPolicy(Qt::TabFocus);
        m_outlets.toolButtons->addButton(button, tag);
        row->addWidget(button);
    }
    row->addSpacing(8);
    m_outlets.pickButton = new QToolButton(m_outlets.toolsView);
    m_outlets.pickButton->setObjectName(u"pickColorButton"_s);
    m_outlets.pickButton->setAutoRaise(true);
    m_outlets.pickButton->setFocusPolicy(Qt::TabFocus);
    m_outlets.pickButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    row->addWidget(m_outlets.pickButton);
    row->addStretch();
    return m_outlets.toolsView;
}

QWidget* MainWindow::buildRgbDrawerContent() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const QFontMetrics metrics(font());
    for (int c = 0; c < 3; ++c) {
        const QString name = componentName(c);
        grid->addWidget(new QLabel(name.left(1), content), c, 0);

        auto* slider = new QVScrollSlider(Qt::Horizontal, content);
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setToolTip(tr("%1 component").arg(name));
        slider->setAccessibleName(tr("%1 slider").arg(name));
        m_outlets.sliders[std::size_t(c)] = slider;
        grid->addWidget(slider, c, 1);

        auto* field = new ComponentSpinBox(content);
        field->setToolTip(tr("%1 value, 0 to 255").arg(name));
        field->setAccessibleName(tr("%1 value").arg(name));
        m_outlets.colorFields[std::size_t(c)] = field;
        grid->addWidget(field, c, 2);

        auto* label = new QLabel(content);
        label->setObjectName(u"floatLabel%1"_s.arg(c));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(metrics.horizontalAdvance(u"0.00000"_s) + 2);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
        label->setToolTip(tr("%1 component from 0 to 1; right-click to copy").arg(name));
        label->setAccessibleName(tr("%1 fraction").arg(name));
        m_outlets.floatLabels[std::size_t(c)] = label;
        grid->addWidget(label, c, 3);
    }
    grid->setColumnStretch(1, 1);
    return content;
}

QWidget* MainWindow::buildHexDrawerContent() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(new QLabel(tr("Hex:"), content));
    m_outlets.hexField = new QLineEdit(content);
    m_outlets.hexField->setPlaceholderText(u"#336699"_s);
    m_outlets.hexField->setToolTip(
        tr("Type three or six hex digits and press Enter to apply them to the checked colors"));
    m_outlets.hexField->setAccessibleName(tr("Hex color"));
    m_outlets.hexField->setClearButtonEnabled(true);
    entryRow->addWidget(m_outlets.hexField, 1);
    column->addLayout(entryRow);

    auto* applyRow = new QHBoxLayout;
    applyRow->addWidget(captionLabel(tr("Apply to:"), content));
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), content);
        box->setToolTip(tr("Apply the hex entry to color %1").arg(i + 1));
        box->setAccessibleName(tr("Apply to color %1").arg(i + 1));
        m_outlets.applyToColors[std::size_t(i)] = box;
        applyRow->addWidget(box);
    }
    applyRow->addStretch();
    column->addLayout(applyRow);
    return content;
}

QWidget* MainWindow::buildBlendDrawerContent() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    auto* strip = new QHBoxLayout;
    m_outlets.colorOneBlend = new QVColorWell(content);
    m_outlets.colorOneBlend->setTag(0);
    m_outlets.colorOneBlend->setToolTip(tr("Start color of the blend"));
    m_outlets.colorOneBlend->setAccessibleName(tr("Blend start color"));
    m_outlets.blendView = new QVBlendView(content);
    m_outlets.blendView->setToolTip(tr("The start color, the blended midpoints and the end color"));
    m_outlets.blendView->setAccessibleName(tr("Blend result"));
    m_outlets.colorTwoBlend = new QVColorWell(content);
    m_outlets.colorTwoBlend->setTag(1);
    m_outlets.colorTwoBlend->setToolTip(tr("End color of the blend"));
    m_outlets.colorTwoBlend->setAccessibleName(tr("Blend end color"));
    strip->addWidget(m_outlets.colorOneBlend);
    strip->addWidget(m_outlets.blendView, 1);
    strip->addWidget(m_outlets.colorTwoBlend);
    column->addLayout(strip);

    auto* amount = new QHBoxLayout;
    const auto makeShareLabel = [content](const QString& description) {
        auto* label = new QLabel(content);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(u"100%"_s) + 4);
        label->setToolTip(description);
        label->setAccessibleName(description);
        return label;
    };
    m_outlets.leftLabel = makeShareLabel(tr("Share of the start color"));
    m_outlets.rightLabel = makeShareLabel(tr("Share of the end color"));
    auto* slider = new QVScrollSlider(Qt::Horizontal, content);
    slider->setRange(0, 100);
    slider->setPageStep(10);
    slider->setValue(50);
    slider->setToolTip(tr("Where the blend lies between the start and the end color; "
                          "it snaps to the middle near 50%"));
    slider->setAccessibleName(tr("Blend amount"));
    m_outlets.percentAmount = slider;
    amount->addWidget(m_outlets.leftLabel);
    amount->addWidget(slider, 1);
    amount->addWidget(m_outlets.rightLabel);
    column->addLayout(amount);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    m_outlets.blendSegmentedControl = new QButtonGroup(content);
    const std::array<QString, 2> segmentTitles{tr("1 midpoint"), tr("2 midpoints")};
    for (int segment = 0; segment < 2; ++segment) {
        auto* button = new QToolButton(content);
        button->setText(segmentTitles[std::size_t(segment)]);
        button->setCheckable(true);
        button->setToolTip(segment == 0 ? tr("Blend one color halfway between the ends")
                                        : tr("Blend two colors spaced between the ends"));
        m_outlets.blendSegmentedControl->addButton(button, segment);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* send = new QPushButton(tr("&Use Blend"), content);
    send->setToolTip(tr("One midpoint goes to the selected color; two midpoints replace the "
                        "palette with the whole blend"));
    m_outlets.sendBlend = send;
    buttons->addWidget(send);
    column->addLayout(buttons);
    return content;
}

QWidget* MainWindow::buildMagnifyDrawerContent() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    m_outlets.magnifyArea = new QWidget(content);
    m_outlets.magnifyArea->setObjectName(u"magnifyArea"_s);
    auto* areaLayout = new QVBoxLayout(m_outlets.magnifyArea);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_outlets.magnifyArea, 1);
    m_outlets.lockStatus = new QVLockView(content);
    column->addWidget(m_outlets.lockStatus, 0, Qt::AlignLeft);
    return content;
}

void MainWindow::buildMenus() {
    MainWindowOutlets& o = m_outlets;
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(tr("&File"));
    o.newWindow = file->addAction(tr("New Window"));
    setMenuCommand(o.newWindow, MenuCommand::NewWindow);
    o.newWindow->setShortcut(QKeySequence::New);
    file->addSeparator();
    o.importItem = file->addAction(u"Import..."_s);
    setMenuCommand(o.importItem, MenuCommand::Import);
    o.importItem->setShortcut(QKeySequence::Open);
    o.exportItem = file->addAction(u"Export..."_s);
    setMenuCommand(o.exportItem, MenuCommand::Export);
    o.exportItem->setShortcut(QKeySequence::Save);
    file->addSeparator();
    o.closeWindow = file->addAction(tr("Close"));
    // Spelled out: some platform key schemes have no Quit key, or put Close on Ctrl+F4 first,
    // and the guide promises these two.
    o.closeWindow->setShortcut(QKeySequence(u"Ctrl+W"_s));
    o.quit = file->addAction(tr("Quit"));
    o.quit->setShortcut(QKeySequence(u"Ctrl+Q"_s));
    o.quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    o.undo = o.undoStack->createUndoAction(edit, tr("Undo"));
    o.undo->setShortcut(QKeySequence::Undo);
    o.redo = o.undoStack->createRedoAction(edit, tr("Redo"));
    o.redo->setShortcuts({QKeySequence(u"Ctrl+Shift+Z"_s), QKeySequence(u"Ctrl+Y"_s)});
    edit->addAction(o.undo);
    edit->addAction(o.redo);
    edit->addSeparator();
    o.copy = edit->addAction(tr("Copy"));
    o.paste = edit->addAction(tr("Paste"));
    o.copyAsMenu = edit->addMenu(tr("Copy As"));
    edit->addSeparator();
    o.preferences = edit->addAction(tr("Preferences..."));
    o.preferences->setShortcut(QKeySequence(u"Ctrl+,"_s));
    o.preferences->setMenuRole(QAction::PreferencesRole);

    o.colorMenu = bar->addMenu(u"&Color"_s);
    setMenuFamily(o.colorMenu, MenuFamily::Color);
    for (int i = 0; i < 4; ++i) {
        QAction* item = o.colorMenu->addAction(u"Color %1"_s.arg(i + 1));
        item->setCheckable(true);
        item->setData(i);
        item->setShortcut(QKeySequence(u"Alt+%1"_s.arg(i + 1)));
        o.colorItems[std::size_t(i)] = item;
    }
    o.colorMenu->addSeparator();
    QMenu* copy = o.colorMenu->addMenu(u"Copy"_s);
    setMenuFamily(copy, MenuFamily::Copy);
    const QList<QAction*> copyItems = addCopyCommands(copy);
    std::copy(copyItems.begin(), copyItems.end(), o.copyItems.begin());
    o.copyItems[0]->setShortcut(QKeySequence(u"Ctrl+Shift+C"_s));
    o.colorMenu->addSeparator();
    o.colorCommands = addColorCommands(o.colorMenu, ColorMenuPlace::MenuBar);
    o.pickColor = o.colorCommands.front();
    o.pickColor->setShortcut(QKeySequence(u"Ctrl+Shift+P"_s));
    o.pickColor->setIcon(QIcon(u":/images/eyedropper.svg"_s));
    o.pickButton->setDefaultAction(o.pickColor);
    o.pickButton->setAccessibleName(tr("Pick Color from Screen"));

    QMenu* palette = bar->addMenu(u"&Palette"_s);
    setMenuFamily(palette, MenuFamily::Palette);
    o.webPreview = palette->addAction(u"Show web-safe preview"_s);
    setMenuCommand(o.webPreview, MenuCommand::WebPreview);
    o.webPreview->setCheckable(true);
    o.paletteMenu = palette;
    o.paletteCommands = addPaletteCommands(palette, o.webPreview);

    o.toolsMenu = bar->addMenu(u"&Tools"_s);
    const std::array<QString, 5> toolTitles{tr("RGB Sliders"), tr("Hex Entry"), tr("Blend"),
                                            tr("Magnifier"), tr("Global Panel")};
    for (int tag = 0; tag < 5; ++tag) {
        QAction* item = o.toolsMenu->addAction(toolTitles[std::size_t(tag)]);
        item->setCheckable(true);
        item->setData(tag);
        item->setShortcut(QKeySequence(u"Ctrl+%1"_s.arg(tag + 1)));
        o.toolItems[std::size_t(tag)] = item;
    }
    o.toolsMenu->addSeparator();
    o.lockMagnify = o.toolsMenu->addAction(u"Lock magnify image"_s);
    setMenuCommand(o.lockMagnify, MenuCommand::LockMagnify);
    o.lockMagnify->setShortcut(QKeySequence(u"Ctrl+L"_s));
    o.toolsMenu->addSeparator();
    o.showContrast = o.toolsMenu->addAction(tr("Show Contrast"));
    o.showContrast->setCheckable(true);
    o.showContrast->setShortcut(QKeySequence(u"Ctrl+6"_s));

    QMenu* favorites = bar->addMenu(u"Fa&vorites"_s);
    setMenuFamily(favorites, MenuFamily::Favorites);
    o.favoritesItems = {favorites->addAction(u"Use selected item"_s),
                        favorites->addAction(u"Replace selected item with current palette"_s),
                        favorites->addAction(u"Delete selected item(s)"_s)};
    setMenuCommand(o.favoritesItems[0], MenuCommand::UseFavorite);
    setMenuCommand(o.favoritesItems[1], MenuCommand::ReplaceFavorite);
    setMenuCommand(o.favoritesItems[2], MenuCommand::DeleteFavorites);

    QMenu* window = bar->addMenu(tr("&Window"));
    o.minimize = window->addAction(tr("Minimize"));
    o.minimize->setShortcut(QKeySequence(u"Ctrl+M"_s));
    o.mainWindowItem = window->addAction(tr("Main Window"));

    QMenu* help = bar->addMenu(tr("&Help"));
    o.helpItem = help->addAction(tr("Tintmere Help"));
    o.helpItem->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    o.releaseNotes = help->addAction(tr("Release Notes"));
    o.acknowledgments = help->addAction(tr("Acknowledgments"));
    help->addSeparator();
    o.homePage = help->addAction(tr("Tintmere Home Page"));
    help->addSeparator();
    o.about = help->addAction(tr("About Tintmere"));
    o.about->setMenuRole(QAction::AboutRole);
}

void MainWindow::makeRoomForDrawers() {
    int room = 0;
    for (const QVDrawer* drawer :
         {m_outlets.rgbDrawer, m_outlets.hexDrawer, m_outlets.blendDrawer, m_outlets.magnifyDrawer})
        room = std::max(room, drawer ? drawer->shownDepth() : 0);
    const int grown = room - m_drawerRoom->maximumHeight();
    if (grown == 0)
        return;
    m_drawerRoom->setFixedHeight(room);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return; // the window keeps its size; the favorites give up the room
    // The window grows by the drawer and shrinks back after it, so the favorites keep their
    // height; the layout's new minimum has to be known before the window may shrink.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), height() + grown);
    keepOnScreen();
}

void MainWindow::setContrastStripShown(bool shown) {
    QWidget* strip = m_outlets.contrastView;
    if (strip->isVisibleTo(this) == shown)
        return;
    strip->setVisible(shown);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return; // the favorites give up the room
    // As for the drawers: the favorites keep their height.
    centralWidget()->layout()->activate();
    layout()->activate();
    const int depth = strip->sizeHint().height();
    resize(width(), height() + (shown ? depth : -depth));
    keepOnScreen();
}

void MainWindow::keepOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int overflow = frame.bottom() - available.bottom();
    const int headroom = frame.top() - available.top();
    if (overflow > 0 && headroom > 0)
        move(x(), y() - std::min(overflow, headroom));
}

QList<QMenu*> MainWindow::allMenus() const {
    QList<QMenu*> menus;
    QList<QMenu*> pending;
    for (QAction* top : menuBar()->actions()) {
        if (top->menu())
            pending.append(top->menu());
    }
    while (!pending.isEmpty()) {
        QMenu* menu = pending.takeFirst();
        menus.append(menu);
        for (QAction* item : menu->actions()) {
            if (item->menu())
                pending.append(item->menu());
        }
    }
    return menus;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT windowWillClose();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Q_EMIT visibilityChanged(true);
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        Q_EMIT visibilityChanged(false);
}

} // namespace tintmere
