// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktopcolorpicker.h"

namespace tintmere::platform {

// A desktop colour picker that answers when the test says so, with the answer the test gives.
class FakeDesktopColorPicker final : public DesktopColorPicker {
    Q_OBJECT

public:
    using DesktopColorPicker::DesktopColorPicker;

    int pickCount() const { return m_picks; }
    // Answers the running pick; nothing happens when none runs, like a late answer.
    void answer(const ColorPickResult& result) {
        if (!m_busy)
            return;
        m_busy = false;
        Q_EMIT finished(result);
    }

    void pick() override {
        if (m_busy)
            return;
        m_busy = true;
        ++m_picks;
    }
    bool isBusy() const override { return m_busy; }

private:
    bool m_busy = false;
    int m_picks = 0;
};

} // namespace tintmere::platform
