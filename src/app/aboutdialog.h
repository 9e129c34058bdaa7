// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

namespace tintmere {

// Help ▸ About Tintmere: version, license and the libraries this copy runs on.
class AboutDialog : public QMessageBox {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The libraries, each with the version in use ("Qt 6.4.2").
    static QStringList libraries();
};

} // namespace tintmere
