#pragma once

#include <cstdint>
#include <string_view>

namespace velundia {

// The header's decimal conversion: skip leading white space, one optional '+' or '-',
// then the digits up to the first non-digit; no digit gives 0. "  12 ", "0012" and
// "12ab" all give 12. Values too large for 64 bits saturate instead of overflowing.
int64_t decimalValue(std::string_view text);

}  // namespace velundia
