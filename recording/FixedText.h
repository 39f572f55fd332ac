#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace velundia {

// A fixed-width ASCII field of an export file: Width bytes and a NUL that is always there.
// Its text is the bytes up to the first NUL, with nothing trimmed.
template <std::size_t Width>
struct FixedText {
    static constexpr std::size_t width = Width;
    std::array<char, Width + 1> bytes{};

    std::string text() const {
        std::size_t n = 0;
        while (n < Width && bytes[n] != '\0') ++n;
        return std::string(bytes.data(), n);
    }

    // Overwrites the field with the first min(size, Width) bytes; the rest becomes NUL.
    void assign(const char* data, std::size_t size) {
        bytes.fill('\0');
        for (std::size_t i = 0; i < size && i < Width; ++i) bytes[i] = data[i];
    }
    void assign(const std::string& s) { assign(s.data(), s.size()); }
};

// Runs act(field) on the field at `index` of a record whose fields visitAll(record, visit)
// visits in file order; nothing for an index outside them.
template <class Record, class VisitAll, class Act>
void forFieldAt(Record& record, VisitAll&& visitAll, int index, Act&& act) {
    int i = 0;
    visitAll(record, [&](auto& field) {
        if (i++ == index) act(field);
    });
}

}  // namespace velundia
