// SPDX-License-Identifier: GPL-3.0-or-later
#include "storedcolors.h"

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

QString storedColorText(const Color& color) {
    return QString::fromStdString(color.colorValueWithFormat(kStoredColorFormat));
}

std::optional<Color> colorFromStoredText(const QString& text) {
    return Color::colorFromHex(text.toStdString());
}

QString storedColorTextOf(const QString& text) {
    const std::optional<Color> color = colorFromStoredText(text);
    return color ? storedColorText(*color) : text;
}

QStringList mendedPalette(const QVariant& storedColors) {
    const QVariantList stored = storedColors.toList();
    QStringList palette;
    for (int i = 0; i < kPaletteSize; ++i) {
        const QVariant element = i < stored.size() ? stored[i] : QVariant();
        const bool readable = element.typeId() == QMetaType::QString &&
                              colorFromStoredText(element.toString()).has_value();
        palette.append(readable ? element.toString() : u"ffffff"_s);
    }
    return palette;
}

} // namespace tintmere
