// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formatscanner.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintmere {

// One format of the colour format language, prepared once for reading text back: a small
// program of literals and token fragments that decides whether text has the format's shape,
// and the format's pieces (token and the literal tail after it) that the components are read
// from. Both work on clean text: white space removed and ASCII letters lowercased.
//
// A token's fragment accepts what the token can write, with either case of hex digit:
//   "%x.."  one or two hex digits        "%X.."  two hex digits
//   "%0.."  0-255: "7", "07", "199", "255"; not "256", not "007"
//   "%1".."%5"  ".5", "0.5", "1.0", "1.000", "0" or "1", each optionally followed by "f"
class FormatPattern {
public:
    explicit FormatPattern(std::string_view format);

    bool matches(std::string_view cleanText) const;

    // The components as the pieces read them from text that matches; channels no token
    // names stay 0, every component is limited to 0..1, alpha is 1.
    Color readColor(std::string_view cleanText) const;

private:
    enum class Fragment { Literal, HexOneOrTwo, HexTwo, Byte, Fraction };
    struct Step {
        Fragment fragment;
        std::string literal;
    };
    struct Piece {
        FormatToken token;
        std::string tail;
    };

    void addLiteralStep(const std::string& literal);
    template <typename Positions>
    bool reachesEnd(std::string_view cleanText) const;
    template <typename Emit>
    static void stepEnds(const Step& step, std::string_view cleanText, std::size_t at, Emit emit);
    std::size_t numberLength(std::string_view rest, const Piece& piece, bool morePieces) const;

    std::string leading_;
    std::vector<Piece> pieces_;
    std::vector<Step> steps_;
    std::size_t minLength_ = 0;
    std::size_t maxLength_ = 0; // npos when a fraction makes it unbounded
};

} // namespace tintmere
