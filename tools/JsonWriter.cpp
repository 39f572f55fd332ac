#include "tools/JsonWriter.h"

#include <ostream>

namespace velundia::cli {

std::string JsonWriter::quoted(std::string_view bytes) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += ch;
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\u00";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (counts_.empty()) return;
    if (counts_.back()++ > 0) out_ << ',';
    out_ << '\n' << std::string(2 * counts_.size(), ' ');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ << quoted(name) << ": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ << quoted(text);
}

void JsonWriter::value(int64_t number) {
    beforeValue();
    out_ << number;
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ << bracket;
    counts_.push_back(0);
}

void JsonWriter::close(char bracket) {
    const int count = counts_.empty() ? 0 : counts_.back();
    if (!counts_.empty()) counts_.pop_back();
    if (count > 0) out_ << '\n' << std::string(2 * counts_.size(), ' ');
    out_ << bracket;
    if (counts_.empty()) out_ << '\n';
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

}  // namespace velundia::cli
