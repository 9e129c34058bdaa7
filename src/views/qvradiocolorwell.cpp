// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvradiocolorwell.h"

#include "qvpalettecolorwell.h"

#include <QRadioButton>

#include <algorithm>

namespace {
constexpr int kButtonHeight = 18;
constexpr int kWellOffset = 23;
} // namespace

QVRadioColorWell::QVRadioColorWell(QWidget* parent)
    : QWidget(parent)
    , m_radioButton(new QRadioButton(this))
    , m_colorWell(new QVPaletteColorWell(this)) {
    // Cells live in different parents, so the palette keeps them exclusive itself.
    m_radioButton->setAutoExclusive(false);
    connect(m_radioButton, &QRadioButton::clicked, this, [this] {
        // A click never turns the selected cell off.
        m_radioButton->setChecked(true);
        Q_EMIT radioButtonTriggered();
    });
    connect(m_colorWell, &QVColorWellBase::triggered, this, &QVRadioColorWell::colorWellTriggered);
    setTag(0);
}

void QVRadioColorWell::setTag(int tag) {
    m_tag = tag;
    m_colorWell->setTag(tag);
    m_radioButton->setAccessibleName(tr("Select color %1").arg(tag + 1));
    m_colorWell->setAccessibleName(tr("Color %1").arg(tag + 1));
}

bool QVRadioColorWell::state() const {
    return m_radioButton->isChecked();
}

void QVRadioColorWell::setState(bool on) {
    m_radioButton->setChecked(on);
}

void QVRadioColorWell::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    // The button shows only its indicator, centred under the well.
    const int indicator = std::min(w, m_radioButton->sizeHint().width());
    m_radioButton->setGeometry((w - indicator) / 2, h - kButtonHeight, indicator, kButtonHeight);
    m_colorWell->setGeometry(0, 0, w, h - kWellOffset);
}
