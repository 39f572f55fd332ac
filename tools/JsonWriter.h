#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace velundia::cli {

// Writes one JSON document, two-space indented. Texts are byte strings from export files:
// each byte is one character, 0x80..0xFF written as \u0080..\u00ff and control characters as
// \u00XX, so the output is plain ASCII whatever the file holds.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);  // inside an object, before each value
    void value(std::string_view text);
    void value(int64_t number);

    void field(std::string_view name, std::string_view text) {
        key(name);
        value(text);
    }
    void field(std::string_view name, int64_t number) {
        key(name);
        value(number);
    }

    static std::string quoted(std::string_view bytes);

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::ostream& out_;
    std::vector<int> counts_;  // values written so far in each open object or array
    bool afterKey_ = false;
};

}  // namespace velundia::cli
