// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

namespace tintmere::cli {

namespace {

bool needsEscape(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == u'\\';
}

} // namespace

std::string printable(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (!needsEscape(c)) {
            escaped += character;
            continue;
        }
        switch (c) {
        case u'\\':
            escaped += u"\\\\";
            break;
        case u'\t':
            escaped += u"\\t";
            break;
        case u'\n':
            escaped += u"\\n";
            break;
        case u'\r':
            escaped += u"\\r";
            break;
        default:
            escaped += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        }
    }
    return escaped.toStdString();
}

} // namespace tintmere::cli
