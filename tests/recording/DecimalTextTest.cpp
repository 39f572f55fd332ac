#include "recording/DecimalText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

namespace velundia {
namespace {

constexpr int64_t Max = std::numeric_limits<int64_t>::max();
constexpr int64_t Min = std::numeric_limits<int64_t>::min();

TEST(DecimalText, ConvertsAsTheHeaderNumbersAreRead) {
    using namespace std::string_view_literals;
    const struct Case {
        std::string_view text;
        int64_t value;
    } cases[] = {
        {""sv, 0},
        {"    "sv, 0},
        {"  12 "sv, 12},
        {"0012"sv, 12},
        {"12ab"sv, 12},
        {"+7"sv, 7},
        {"-42"sv, -42},
        {"-0"sv, 0},
        {" \t\n\r\v\f9"sv, 9},  // every leading white-space character
        {"1\0" "2"sv, 1},       // a NUL ends the digits
        {"- 5"sv, 0},           // the sign must touch the digits
        {"+-5"sv, 0},
        {"ab12"sv, 0},
        {"\xA0" "12"sv, 0},  // a non-breaking space is not white space
        {"9223372036854775807"sv, Max},
        {"9223372036854775808"sv, Max},
        {"99999999999999999999999"sv, Max},
        {"-9223372036854775808"sv, Min},
        {"-99999999999999999999999"sv, Min},
    };
    for (const Case& c : cases) EXPECT_EQ(decimalValue(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace velundia
