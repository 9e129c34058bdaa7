// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatpattern.h"

#include "stringextensions.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>

namespace tintmere {

namespace {

constexpr std::size_t kUnbounded = std::string_view::npos;

// Bits first..last (inclusive, both 0-63) of a word.
constexpr std::uint64_t bitsFromTo(std::size_t first, std::size_t last) {
    return (~std::uint64_t{0} >> (63 - last)) & (~std::uint64_t{0} << first);
}

// The positions of the text (0 to its length) that a prefix of the pattern can end at.
// Colour text is short: up to 63 characters the set is one word.
class SmallPositionSet {
public:
    static constexpr std::size_t kCapacity = 64;

    explicit SmallPositionSet(std::size_t /*positions*/) {}
    void clear() { bits_ = 0; }
    bool empty() const { return bits_ == 0; }
    bool contains(std::size_t position) const { return (bits_ >> position) & 1U; }
    void insertRange(std::size_t first, std::size_t last) { bits_ |= bitsFromTo(first, last); }
    template <typename Visit>
    void forEach(Visit visit) const {
        for (std::uint64_t bits = bits_; bits != 0; bits &= bits - 1) {
            visit(static_cast<std::size_t>(std::countr_zero(bits)));
        }
    }

private:
    std::uint64_t bits_ = 0;
};

class PositionSet {
public:
    explicit PositionSet(std::size_t positions)
        : words_((positions + 63) / 64) {}

    void clear() { std::fill(words_.begin(), words_.end(), 0); }
    bool empty() const {
        return std::all_of(words_.begin(), words_.end(), [](std::uint64_t w) { return w == 0; });
    }
    bool contains(std::size_t position) const {
        return (words_[position / 64] >> (position % 64)) & 1U;
    }
    void insertRange(std::size_t first, std::size_t last) {
        if (last / 64 >= words_.size()) {
            return; // never happens: every end lies within the text
        }
        for (std::size_t w = first / 64; w <= last / 64; ++w) {
            words_[w] |=
                bitsFromTo(w == first / 64 ? first % 64 : 0, w == last / 64 ? last % 64 : 63);
        }
    }
    template <typename Visit>
    void forEach(Visit visit) const {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            for (std::uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
                visit(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            }
        }
    }

private:
    std::vector<std::uint64_t> words_;
};

bool isLowerHex(char c) {
    return utf8::isDigit(c) || (c >= 'a' && c <= 'f');
}

std::size_t runLength(std::string_view text, std::size_t from, bool (*accepts)(char)) {
    std::size_t end = from;
    while (end < text.size() && accepts(text[end])) {
        ++end;
    }
    return end - from;
}

// Calls emit(first, last) with the inclusive ranges of end positions of a fragment that
// starts at `at`.
template <typename Emit>
void byteEnds(std::string_view t, std::size_t at, Emit emit) {
    const std::size_t digits = std::min<std::size_t>(runLength(t, at, utf8::isDigit), 3);
    if (digits == 0) {
        return;
    }
    bool three = false;
    if (digits == 3) {
        const char a = t[at];
        const char b = t[at + 1];
        const char c = t[at + 2];
        three = a == '1' || (a == '2' && (b <= '4' || (b == '5' && c <= '5')));
    }
    emit(at + 1, at + (three ? 3 : std::min<std::size_t>(digits, 2)));
}

template <typename Emit>
void fractionEnds(std::string_view t, std::size_t at, Emit emit) {
    // Each alternative may be followed by "f"; only its longest form can be.
    const auto withSuffix = [&](std::size_t first, std::size_t last) {
        emit(first, last < t.size() && t[last] == 'f' ? last + 1 : last);
    };
    const auto charAt = [&](std::size_t i) { return i < t.size() ? t[i] : '\0'; };
    if (charAt(at) == '0' || charAt(at) == '1') {
        withSuffix(at + 1, at + 1);
    }
    // "0.5", ".5"
    const std::size_t point = charAt(at) == '0' && charAt(at + 1) == '.' ? at + 1 : at;
    if (charAt(point) == '.') {
        const std::size_t digits = runLength(t, point + 1, utf8::isDigit);
        if (digits > 0) {
            withSuffix(point + 2, point + 1 + digits);
        }
    }
    // "1.0", "1.000"
    if (charAt(at) == '1' && charAt(at + 1) == '.') {
        const std::size_t zeros = runLength(t, at + 2, [](char c) { return c == '0'; });
        if (zeros > 0) {
            withSuffix(at + 3, at + 2 + zeros);
        }
    }
}

// The leading number of the text, as the C library's atof reads it (but never by locale).
double leadingDecimal(std::string_view number) {
    if (number.starts_with('+')) {
        number.remove_prefix(1);
    }
    if (!number.empty() && number.size() <= 9 &&
        std::all_of(number.begin(), number.end(), utf8::isDigit)) {
        int value = 0;
        for (const char c : number) {
            value = value * 10 + (c - '0');
        }
        return value;
    }
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc{}) {
        return 0.0;
    }
    return value;
}

} // namespace

FormatPattern::FormatPattern(std::string_view format) {
    const std::string compact =
        stringByRemovingCharactersInSet(format, CharacterSet::WhitespaceAndNewline);
    std::string literal; // lowercased literal text since the last token
    const auto endLiteral = [&] {
        (pieces_.empty() ? leading_ : pieces_.back().tail) = literal;
        addLiteralStep(literal);
        literal.clear();
    };
    FormatScanner scanner(compact);
    while (!scanner.atEnd()) {
        const FormatElement element = scanner.next();
        if (!element.isToken) {
            for (const char c : element.literal) {
                literal += utf8::asciiLower(c);
            }
            continue;
        }
        endLiteral();
        pieces_.push_back({element.token, {}});
        std::size_t shortest = 1;
        std::size_t longest = 2;
        Fragment fragment = Fragment::HexOneOrTwo;
        switch (element.token.notation) {
        case Notation::ShortHex:
            break;
        case Notation::Hex:
            fragment = Fragment::HexTwo;
            shortest = 2;
            break;
        case Notation::Byte:
            fragment = Fragment::Byte;
            longest = 3;
            break;
        case Notation::Fraction:
            fragment = Fragment::Fraction;
            longest = kUnbounded;
            break;
        }
        steps_.push_back({fragment, {}});
        minLength_ += shortest;
        maxLength_ =
            (maxLength_ == kUnbounded || longest == kUnbounded) ? kUnbounded : maxLength_ + longest;
    }
    endLiteral();
}

void FormatPattern::addLiteralStep(const std::string& literal) {
    if (literal.empty()) {
        return;
    }
    steps_.push_back({Fragment::Literal, literal});
    minLength_ += literal.size();
    if (maxLength_ != kUnbounded) {
        maxLength_ += literal.size();
    }
}

bool FormatPattern::matches(std::string_view t) const {
    if (t.size() < minLength_ || (maxLength_ != kUnbounded && t.size() > maxLength_)) {
        return false;
    }
    return t.size() < SmallPositionSet::kCapacity ? reachesEnd<SmallPositionSet>(t)
                                                  : reachesEnd<PositionSet>(t);
}

// Follows every way the steps can split the text at once, one step at a time, so no text
// makes the matching slower than steps times length.
template <typename Positions>
bool FormatPattern::reachesEnd(std::string_view t) const {
    Positions current(t.size() + 1);
    Positions reached(t.size() + 1);
    current.insertRange(0, 0);
    for (const Step& step : steps_) {
        reached.clear();
        const auto emit = [&](std::size_t first, std::size_t last) {
            reached.insertRange(first, last);
        };
        current.forEach([&](std::size_t at) { stepEnds(step, t, at, emit); });
        if (reached.empty()) {
            return false;
        }
        std::swap(current, reached);
    }
    return current.contains(t.size());
}

template <typename Emit>
void FormatPattern::stepEnds(const Step& step, std::string_view t, std::size_t at, Emit emit) {
    const std::string_view rest = t.substr(at);
    switch (step.fragment) {
    case Fragment::Literal:
        if (rest.starts_with(step.literal)) {
            emit(at + step.literal.size(), at + step.literal.size());
        }
        break;
    case Fragment::HexTwo:
        if (rest.size() >= 2 && isLowerHex(rest[0]) && isLowerHex(rest[1])) {
            emit(at + 2, at + 2);
        }
        break;
    case Fragment::HexOneOrTwo:
        if (!rest.empty() && isLowerHex(rest[0])) {
            emit(at + 1, at + (rest.size() >= 2 && isLowerHex(rest[1]) ? 2 : 1));
        }
        break;
    case Fragment::Byte:
        byteEnds(t, at, emit);
        break;
    case Fragment::Fraction:
        fractionEnds(t, at, emit);
        break;
    }
}

// Where the number of a decimal, fraction or shorthand hex piece ends: at the first
// occurrence of the tail's first character, or by the rules for a piece without a tail.
std::size_t FormatPattern::numberLength(std::string_view rest, const Piece& piece,
                                        bool morePieces) const {
    if (!piece.tail.empty()) {
        if (rest.size() <= 1) {
            return 1;
        }
        const std::size_t at = rest.find(piece.tail.front());
        return at == std::string_view::npos ? rest.size() : at;
    }
    if (!morePieces) {
        return rest.size();
    }
    if (piece.token.notation == Notation::Fraction) {
        if (rest.starts_with('.')) {
            return 2;
        }
        if (rest.size() > 1 && rest[1] == '.') {
            return 3;
        }
    }
    return 1;
}

Color FormatPattern::readColor(std::string_view t) const {
    Color color{0.0f, 0.0f, 0.0f, 1.0f};
    std::string_view rest = t;
    const auto consume = [&](std::size_t count) {
        rest.remove_prefix(std::min(count, rest.size()));
    };
    consume(leading_.size());
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        const bool morePieces = i + 1 < pieces_.size();
        const std::size_t length =
            piece.token.notation == Notation::Hex ? 2 : numberLength(rest, piece, morePieces);
        const std::string_view number = rest.substr(0, std::min(length, rest.size()));
        float value = 0.0f;
        switch (piece.token.notation) {
        case Notation::ShortHex:
        case Notation::Hex:
            value = colorComponentFromHexComponent(number);
            break;
        case Notation::Byte:
            value = clampComponent(leadingDecimal(number) / 255.0);
            break;
        case Notation::Fraction:
            value = clampComponent(static_cast<float>(leadingDecimal(number)));
            break;
        }
        color.component(piece.token.channel) = value;
        consume(number.size() + piece.tail.size());
    }
    return color;
}

} // namespace tintmere
