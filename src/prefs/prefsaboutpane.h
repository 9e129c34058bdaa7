// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

// The last pane: which Tintmere this is, and whether the system-wide hot key works here.
class PrefsAboutPane : public QWidget {
    Q_OBJECT

public:
    explicit PrefsAboutPane(QWidget* parent = nullptr);

    // available: the hot key is registered; otherwise reason says why not, for the user.
    // binding: the keys the desktop fires it with, where the user chooses them there.
    // picks: the screen cannot be read live (Wayland), so the key starts Pick Color, and locks
    // the magnifier during it.
    void setHotKeyStatus(bool available, const QString& reason, const QString& binding = {},
                         bool picks = false);
    QString hotKeyStatusText() const;

    // "Version 0.1.0 (build 1a2b3c4)".
    static QString versionText();

private:
    QLabel* m_hotKeyStatus;
};
