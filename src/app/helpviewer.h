// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tintmere {

// The help window: the pages shipped with the program, shown in a browser that follows
// links between them and hands every other link to the desktop's browser.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // anchor: a page name ("releasenotes", "acknowledgments", "userguide"), optionally with
    // a section ("userguide#magnifier"). An unknown page beeps and shows the user's guide.
    void openHelpAnchor(const QString& anchor);
    QTextBrowser* browser() const { return m_browser; }

    // Where the page of an anchor lives; empty when there is no such page.
    static QUrl urlForAnchor(const QString& anchor);

private:
    void followLink(const QUrl& url);

    QTextBrowser* m_browser = nullptr;
};

} // namespace tintmere
