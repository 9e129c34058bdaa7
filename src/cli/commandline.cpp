// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <algorithm>
#include <charconv>
#include <istream>

namespace tintmere::cli {

CommandLine::CommandLine(std::span<const std::string_view> arguments,
                         std::span<const OptionSpec> options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto spec = std::find_if(options.begin(), options.end(),
                                       [&](const OptionSpec& o) { return o.name == name; });
        if (spec == options.end()) {
            throw UsageError("unknown option \"" + std::string(name) + "\"");
        }
        std::string_view value;
        if (spec->takesValue) {
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                throw UsageError("option " + std::string(name) + " needs a value");
            }
        } else if (equals != std::string_view::npos) {
            throw UsageError("option " + std::string(name) + " takes no value");
        }
        values_[name] = value;
    }
}

std::string_view CommandLine::value(std::string_view option) const {
    const auto found = values_.find(option);
    return found == values_.end() ? std::string_view() : found->second;
}

int CommandLine::intValue(std::string_view option, int fallback) const {
    const auto found = values_.find(option);
    if (found == values_.end()) {
        return fallback;
    }
    const std::string_view text = found->second;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw UsageError("option " + std::string(option) + " needs a whole number, not \"" +
                         std::string(text) + "\"");
    }
    return value;
}

std::string_view CommandLine::takeOperand(std::string_view what) {
    if (operands_.empty()) {
        throw UsageError("missing " + std::string(what));
    }
    const std::string_view first = operands_.front();
    operands_.erase(operands_.begin());
    return first;
}

void CommandLine::forEachInput(
    std::istream& in,
    const std::function<void(std::string_view, const std::string&)>& handle) const {
    if (!operands_.empty()) {
        for (const std::string_view operand : operands_) {
            handle(operand, {});
        }
        return;
    }
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        handle(line, "line " + std::to_string(number));
    }
}

} // namespace tintmere::cli
