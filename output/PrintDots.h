#pragma once

#include <climits>
#include <cmath>

namespace velundia {

// A printer-dot coordinate from a real value, truncated toward zero. Values beyond the int
// range (a trace-box width of 0, a far-off deflection) saturate instead of overflowing; the
// device clips them like any other point off the page.
inline int truncDots(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace velundia
