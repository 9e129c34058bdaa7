// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tintmere::cli {

// Bad usage or an unreadable colour: reported on standard error with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Streams {
    std::istream& in;
    std::ostream& out;
};

struct OptionSpec {
    std::string_view name; // "--variant"
    bool takesValue = false;
};

// A subcommand's arguments split into options and operands. "--name value" and
// "--name=value" both give a value; "--" ends the options.
class CommandLine {
public:
    CommandLine(std::span<const std::string_view> arguments, std::span<const OptionSpec> options);

    bool has(std::string_view option) const { return values_.contains(option); }
    // The option's value; empty when the option is absent.
    std::string_view value(std::string_view option) const;
    // The option's value as an integer; `fallback` when the option is absent.
    int intValue(std::string_view option, int fallback) const;

    const std::vector<std::string_view>& operands() const { return operands_; }
    // Removes and returns the first operand; `what` names it in the error when there is none.
    std::string_view takeOperand(std::string_view what);

    // Calls `handle` with each operand, or with each line of `in` when there are none. The
    // second argument is "line N" for a line of input, empty for an operand.
    void
    forEachInput(std::istream& in,
                 const std::function<void(std::string_view, const std::string&)>& handle) const;

private:
    std::map<std::string_view, std::string_view, std::less<>> values_;
    std::vector<std::string_view> operands_;
};

} // namespace tintmere::cli
