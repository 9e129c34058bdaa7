// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatwriter.h"

#include "utf8.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tintmere {

namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

// Collects the output on the stack; only text longer than the inline space reaches the heap
// before the final string is made.
class TextBuffer {
public:
    // Space for `count` more characters; commit() then says how many were written.
    char* room(std::size_t count) {
        if (size_ + count > inline_.size()) {
            spill_.append(inline_.data(), size_);
            size_ = 0;
        }
        return inline_.data() + size_;
    }
    void commit(std::size_t count) { size_ += count; }

    void append(std::string_view text) {
        if (text.size() > inline_.size()) {
            spill_.append(inline_.data(), size_);
            spill_.append(text);
            size_ = 0;
            return;
        }
        std::copy(text.begin(), text.end(), room(text.size()));
        commit(text.size());
    }

    std::string take(TextCase textCase) {
        std::string text = spill_.empty() ? std::string(inline_.data(), size_)
                                          : std::move(spill_.append(inline_.data(), size_));
        if (textCase == TextCase::Upper) {
            std::transform(text.begin(), text.end(), text.begin(), utf8::asciiUpper);
        } else if (textCase == TextCase::Lower) {
            std::transform(text.begin(), text.end(), text.begin(), utf8::asciiLower);
        }
        return text;
    }

private:
    std::array<char, 64> inline_;
    std::size_t size_ = 0;
    std::string spill_;
};

void appendHexDigits(TextBuffer& out, int byte, bool oneDigit, bool uppercase) {
    const char* digits = uppercase ? kUpperDigits : kLowerDigits;
    char* at = out.room(2);
    at[0] = digits[(byte >> 4) & 0xF];
    at[1] = digits[byte & 0xF];
    out.commit(oneDigit ? 1 : 2);
}

void appendByteNumber(TextBuffer& out, int byte) {
    char* const start = out.room(3);
    char* at = start;
    if (byte >= 100) {
        *at++ = static_cast<char>('0' + byte / 100);
    }
    if (byte >= 10) {
        *at++ = static_cast<char>('0' + byte / 10 % 10);
    }
    *at++ = static_cast<char>('0' + byte % 10);
    out.commit(static_cast<std::size_t>(at - start));
}

// Printed from the float widened to double, rounded as printf rounds ("0.125" to "0.12").
void appendFraction(TextBuffer& out, float component, int digits) {
    constexpr std::size_t kLongest = 7; // "1.00000"
    char* const start = out.room(kLongest);
    const auto result = std::to_chars(start, start + kLongest, static_cast<double>(component),
                                      std::chars_format::fixed, digits);
    out.commit(static_cast<std::size_t>(result.ptr - start));
}

void appendToken(TextBuffer& out, const Color& color, const FormatToken& token) {
    // byteValue and snapToWebsafe limit the component to 0..1 themselves.
    const float exact = color.component(token.channel);
    const float component = token.web ? snapToWebsafe(exact) : exact;
    switch (token.notation) {
    case Notation::ShortHex:
        // Every web-safe level doubles its digits, so the web form is always one digit.
        appendHexDigits(out, byteValue(component), token.web || color.isShortColor(),
                        token.uppercase);
        break;
    case Notation::Hex:
        appendHexDigits(out, byteValue(component), false, token.uppercase);
        break;
    case Notation::Byte:
        appendByteNumber(out, byteValue(component));
        break;
    case Notation::Fraction:
        appendFraction(out, clampComponent(component), token.fractionDigits);
        break;
    }
}

void appendElement(TextBuffer& out, const Color& color, const FormatElement& element) {
    if (element.isToken) {
        appendToken(out, color, element.token);
    } else {
        out.append(element.literal);
    }
}

} // namespace

std::string writeColorValue(const Color& color, std::string_view format, TextCase textCase) {
    TextBuffer out;
    FormatScanner scanner(format);
    while (!scanner.atEnd()) {
        appendElement(out, color, scanner.next());
    }
    return out.take(textCase);
}

FormatProgram::FormatProgram(std::string_view format) {
    FormatScanner scanner(format);
    while (!scanner.atEnd()) {
        elements_.push_back(scanner.next());
    }
}

std::string FormatProgram::write(const Color& color, TextCase textCase) const {
    TextBuffer out;
    for (const FormatElement& element : elements_) {
        appendElement(out, color, element);
    }
    return out.take(textCase);
}

} // namespace tintmere
