// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr auto kHelpRoot = "qrc:/help/"_L1;
constexpr auto kStartPage = "userguide"_L1;

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Tintmere Help"));
    setObjectName(u"helpViewer"_s);
    resize(640, 560);

    m_browser = new QTextBrowser(this);
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->document()->setDocumentMargin(12);
    // Links to the web go to the user's browser; only our own pages open in here.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Tintmere Help") : title);
    });

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    QAction* back = bar->addAction(QIcon::fromTheme(u"go-previous"_s), tr("Back"), m_browser,
                                   &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setToolTip(tr("Back to the previous page (%1)")
                         .arg(back->shortcut().toString(QKeySequence::NativeText)));
    QAction* forward = bar->addAction(QIcon::fromTheme(u"go-next"_s), tr("Forward"), m_browser,
                                      &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    bar->addSeparator();
    auto* close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence(u"Ctrl+W"_s), QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    const std::array<std::pair<QString, QString>, 3> pages{
        {{kStartPage, tr("User's Guide")},
         {u"releasenotes"_s, tr("Release Notes")},
         {u"acknowledgments"_s, tr("Acknowledgments")}}};
    for (const auto& [page, title] : pages)
        bar->addAction(title, this, [this, page] { openHelpAnchor(page); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
}

QUrl HelpViewer::urlForAnchor(const QString& anchor) {
    const qsizetype hash = anchor.indexOf(u'#');
    const QString page = anchor.left(hash);
    if (page.isEmpty() || !QFile::exists(u":/help/%1.html"_s.arg(page)))
        return {};
    QUrl url(kHelpRoot + page + u".html"_s);
    if (hash >= 0)
        url.setFragment(anchor.mid(hash + 1));
    return url;
}

void HelpViewer::openHelpAnchor(const QString& anchor) {
    QUrl url = urlForAnchor(anchor);
    if (url.isEmpty()) {
        QApplication::beep();
        url = urlForAnchor(kStartPage);
    }
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

void HelpViewer::followLink(const QUrl& url) {
    const QUrl target = m_browser->source().resolved(url);
    if (target.scheme() == u"qrc"_s)
        m_browser->setSource(target);
    else
        QDesktopServices::openUrl(target);
}

} // namespace tintmere
