#include "recording/ChannelRecord.h"

namespace velundia {

namespace {

// Calls visit(field) for the 8 fields in record order; the order is the one of channelFieldInfo().
struct VisitFields {
    template <class Record, class Visitor>
    void operator()(Record& r, Visitor&& visit) const {
        visit(r.leadName);
        visit(r.gain);
        visit(r.lowPass);
        visit(r.highPass);
        visit(r.sampling);
        visit(r.scale);
        visit(r.colourName);
        visit(r.trailer);
    }
};

}  // namespace

const std::array<ChannelFieldInfo, ChannelFieldCount>& channelFieldInfo() {
    static const std::array<ChannelFieldInfo, ChannelFieldCount> info = {{
        {"leadName", 0, 16},
        {"gain", 16, 6},
        {"lowPass", 22, 6},
        {"highPass", 28, 6},
        {"sampling", 34, 6},
        {"scale", 40, 6},
        {"colourName", 46, 12},
        {"trailer", 58, 6},
    }};
    return info;
}

std::string channelFieldText(const ChannelRecord& record, int index) {
    std::string text;
    forFieldAt(record, VisitFields{}, index, [&](const auto& field) { text = field.text(); });
    return text;
}

void assignChannelField(ChannelRecord& record, int index, const char* data, std::size_t size) {
    forFieldAt(record, VisitFields{}, index, [&](auto& field) { field.assign(data, size); });
}

const char* channelFieldBytes(const ChannelRecord& record, int index) {
    const char* bytes = nullptr;
    forFieldAt(record, VisitFields{}, index, [&](const auto& field) { bytes = field.bytes.data(); });
    return bytes;
}

}  // namespace velundia
