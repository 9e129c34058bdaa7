// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "globalhotkey.h"

namespace tintmere::platform {

// Where no backend can register the key: it never fires, and the reason says why.
class UnavailableGlobalHotKey final : public GlobalHotKey {
    Q_OBJECT

public:
    explicit UnavailableGlobalHotKey(QString reason, QObject* parent = nullptr)
        : GlobalHotKey(parent)
        , m_reason(std::move(reason)) {}

    bool isAvailable() const override { return false; }
    QString unavailableReason() const override { return m_reason; }

private:
    QString m_reason;
};

} // namespace tintmere::platform
