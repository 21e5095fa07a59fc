#include "reading/WholeNumber.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace rsa::reading {

namespace {

// The zero of each digit set beside ASCII, in UTF-8; within a set the ten
// digits differ in the last byte alone.
constexpr std::string_view otherZeros[] = {"\u0660", "\u06F0", "\uFF10"};

// The value of the digit at the start of text and its length in bytes, or
// nothing when text does not start with a digit.
std::optional<std::pair<int, std::size_t>> digitAt(std::string_view text) {
    if (text.front() >= '0' && text.front() <= '9') {
        return std::pair{text.front() - '0', std::size_t{1}};
    }
    for (std::string_view zero : otherZeros) {
        const std::size_t size = zero.size();
        if (text.size() >= size && text.substr(0, size - 1) == zero.substr(0, size - 1)) {
            const int value = static_cast<unsigned char>(text[size - 1]) -
                              static_cast<unsigned char>(zero.back());
            if (value >= 0 && value <= 9) {
                return std::pair{value, size};
            }
        }
    }
    return std::nullopt;
}

constexpr std::string_view blanks[] = {" ", "\t", "\r", "\n", "\u00A0"};
constexpr std::string_view minus = "\u2212";

std::string_view trimmed(std::string_view text) {
    for (bool dropped = true; dropped && !text.empty();) {
        dropped = false;
        for (std::string_view blank : blanks) {
            if (text.substr(0, blank.size()) == blank) {
                text.remove_prefix(blank.size());
                dropped = true;
            }
            if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
                text.remove_suffix(blank.size());
                dropped = true;
            }
        }
    }
    return text;
}

} // namespace

std::optional<std::int64_t> WholeNumber::value() const {
    std::int64_t magnitude = 0;
    for (char digit : digits) {
        if (magnitude > (std::numeric_limits<std::int64_t>::max() - (digit - '0')) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (digit - '0');
    }
    return negative ? -magnitude : magnitude;
}

namespace {

// The length of the separator or blank at the start of text, or 0.
std::size_t separatorAt(std::string_view text, std::string_view thousands) {
    if (!thousands.empty() && text.substr(0, thousands.size()) == thousands) {
        return thousands.size();
    }
    for (std::string_view blank : blanks) {
        if (text.substr(0, blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

// The digits of a number written in groups (3.907, 3 907), without the
// separators; nothing when the groups are not 1 to 3 digits and then
// threes, or when text holds anything else. A fraction is digits, one "."
// or ",", digits.
std::variant<std::string, NumberProblem> ungrouped(std::string_view text,
                                                   std::string_view thousands) {
    std::string digits;
    std::vector<std::size_t> groups{0};
    int marks = 0;
    bool wellGrouped = true;
    while (!text.empty()) {
        if (const std::size_t separator = separatorAt(text, thousands)) {
            groups.push_back(0);
            marks += text.front() == '.' || text.front() == ',' ? 1 : 0;
            text.remove_prefix(separator);
            continue;
        }
        if (text.front() == '.' || text.front() == ',') {
            ++marks; // the decimal mark of either language
            wellGrouped = false;
            groups.push_back(0);
            text.remove_prefix(1);
            continue;
        }
        const auto digit = digitAt(text);
        if (!digit) {
            return NumberProblem::NotANumber;
        }
        digits += static_cast<char>('0' + digit->first);
        ++groups.back();
        text.remove_prefix(digit->second);
    }
    wellGrouped = wellGrouped && (groups.size() == 1 ||
                                  (groups.front() >= 1 && groups.front() <= 3 &&
                                   std::all_of(groups.begin() + 1, groups.end(),
                                               [](std::size_t group) { return group == 3; })));
    if (wellGrouped) {
        return digits;
    }
    const bool fraction =
        marks == 1 && groups.size() == 2 && groups.front() > 0 && groups.back() > 0;
    return fraction ? NumberProblem::Fraction : NumberProblem::NotANumber;
}

} // namespace

std::variant<WholeNumber, NumberProblem> readWholeNumber(std::string_view text, Sign sign,
                                                         std::string_view thousands) {
    text = trimmed(text);
    if (text.empty()) {
        return NumberProblem::Empty;
    }
    WholeNumber number;
    bool hasSign = true;
    if (text.substr(0, minus.size()) == minus) {
        number.negative = true;
        text.remove_prefix(minus.size());
    } else if (text.front() == '-' || text.front() == '+') {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    } else {
        hasSign = false;
    }
    if (text.empty() || (hasSign && sign == Sign::Refused)) {
        return NumberProblem::NotANumber;
    }
    std::string grouped;
    if (!thousands.empty()) {
        auto read = ungrouped(text, thousands);
        if (const auto* problem = std::get_if<NumberProblem>(&read)) {
            return *problem;
        }
        grouped = std::move(std::get<std::string>(read));
        text = grouped;
    }
    bool tooLong = false;
    while (!text.empty()) {
        const auto digit = digitAt(text);
        if (!digit) {
            return NumberProblem::NotANumber;
        }
        text.remove_prefix(digit->second);
        if (number.digits.empty() && digit->first == 0) {
            continue;
        }
        tooLong = tooLong || number.digits.size() == largestDigits;
        if (!tooLong) {
            number.digits += static_cast<char>('0' + digit->first);
        }
    }
    if (tooLong) {
        return NumberProblem::TooLong;
    }
    if (number.digits.empty()) {
        number.digits = "0";
        number.negative = false;
    }
    return number;
}

} // namespace rsa::reading
