// SPDX-License-Identifier: GPL-3.0-or-later
#include "componentrows.h"

#include "componentspinbox.h"
#include "qvcolorscaleslider.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

#include <cmath>

namespace tintmere {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ComponentRows", text);
}

struct ComponentText {
    QString name;
    QString unit; // the field's suffix
};

ComponentText componentText(ColorModel model, int component) {
    const QString degrees = QStringLiteral("\u00B0");
    const QString percent = QStringLiteral("%");
    switch (model) {
    case ColorModel::HSV:
    case ColorModel::HSL: {
        if (component == 0)
            return {tr("Hue"), degrees};
        if (component == 1)
            return {tr("Saturation"), percent};
        return {model == ColorModel::HSV ? tr("Value") : tr("Lightness"), percent};
    }
    case ColorModel::OKLCH:
        if (component == 0)
            return {tr("Lightness"), {}};
        if (component == 1)
            return {tr("Chroma"), {}};
        return {tr("Hue"), degrees};
    case ColorModel::RGB:
        break;
    }
    if (component == 0)
        return {tr("Red"), {}};
    if (component == 1)
        return {tr("Green"), {}};
    return {tr("Blue"), {}};
}

} // namespace

void describeComponentRow(const ComponentRow& row, ColorModel model, int component) {
    const ComponentText text = componentText(model, component);
    const ComponentScale& scale = ModelComponents::scales(model)[std::size_t(component)];
    row.letter->setText(text.name.left(1));
    row.letter->setToolTip(text.name);

    // The slider moves in steps; the field reads finer values.
    const int units = int(std::lround(scale.maximum / scale.step));
    {
        const QSignalBlocker blocker(row.slider);
        row.slider->setRange(0, units);
        row.slider->setSingleStep(1);
        row.slider->setPageStep(std::max(1, (units + 1) / 16));
    }
    row.slider->setToolTip(tr("%1 component").arg(text.name));
    row.slider->setAccessibleName(tr("%1 slider").arg(text.name));

    {
        const QSignalBlocker blocker(row.field);
        row.field->setDecimals(scale.decimals);
        row.field->setRange(0.0, scale.maximum);
        row.field->setSingleStep(scale.step);
        row.field->setSuffix(text.unit);
    }
    const QString maximum = QLocale().toString(scale.maximum, 'g', 6) + text.unit;
    row.field->setToolTip(tr("%1 value, 0 to %2").arg(text.name, maximum));
    row.field->setAccessibleName(tr("%1 value").arg(text.name));

    row.floatLabel->setVisible(model == ColorModel::RGB);
    row.floatLabel->setToolTip(tr("%1 component from 0 to 1; right-click to copy").arg(text.name));
    row.floatLabel->setAccessibleName(tr("%1 fraction").arg(text.name));
}

QString colorModelTitle(ColorModel model) {
    return QString::fromLatin1(nameOfColorModel(model));
}

QString colorModelToolTip(ColorModel model) {
    switch (model) {
    case ColorModel::HSV:
        return tr("Edit hue, saturation and value");
    case ColorModel::HSL:
        return tr("Edit hue, saturation and lightness");
    case ColorModel::OKLCH:
        return tr("Edit OKLCH lightness, chroma and hue: equal steps look equally far apart");
    case ColorModel::RGB:
        break;
    }
    return tr("Edit red, green and blue");
}

} // namespace tintmere
