#include "recording/DecimalText.h"

#include <limits>

namespace velundia {

namespace {

bool isLeadingSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

int64_t decimalValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isLeadingSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Accumulated as a negative number so that the lowest value is reachable without overflow.
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    bool saturated = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (saturated) continue;
        if (value < (lowest + digit) / 10) {
            saturated = true;
            value = lowest;
        } else {
            value = value * 10 - digit;
        }
    }
    if (negative) return value;
    if (value == lowest) return std::numeric_limits<int64_t>::max();
    return -value;
}

}  // namespace velundia
