#include "recording/ExportHeader.h"

namespace velundia {

namespace {

// Calls visit(field) for the 24 fields in file order; the order is the one of headerFieldInfo().
struct VisitFields {
    template <class Header, class Visitor>
    void operator()(Header& h, Visitor&& visit) const {
        visit(h.fileType);
        visit(h.versionNumber);
        visit(h.hospitalId);
        visit(h.firstName);
        visit(h.middleName);
        visit(h.lastName);
        visit(h.birthDate);
        visit(h.studyNumber);
        visit(h.studyId);
        visit(h.protocolNumber);
        visit(h.protocolId);
        visit(h.studyDate);
        visit(h.studyTime);
        visit(h.channelHeaderOffset);
        visit(h.waveformOffset);
        visit(h.exportedChannels);
        visit(h.samplesPerChannel);
        visit(h.exportStart);
        visit(h.exportEnd);
        visit(h.sampleFormat);
        visit(h.multiplexMode);
        visit(h.samplesPerMuxBlock);
        visit(h.stampFlag);
        visit(h.channelInfoOffset);
    }
};

}  // namespace

const std::array<HeaderFieldInfo, HeaderFieldCount>& headerFieldInfo() {
    static const std::array<HeaderFieldInfo, HeaderFieldCount> info = {{
        {"fileType", 0, 2},
        {"versionNumber", 2, 2},
        {"hospitalId", 4, 26},
        {"firstName", 30, 26},
        {"middleName", 56, 2},
        {"lastName", 58, 26},
        {"birthDate", 84, 10},
        {"studyNumber", 94, 4},
        {"studyId", 98, 20},
        {"protocolNumber", 118, 4},
        {"protocolId", 122, 26},
        {"studyDate", 148, 10},
        {"studyTime", 158, 10},
        {"channelHeaderOffset", 168, 6},
        {"waveformOffset", 174, 6},
        {"exportedChannels", 256, 4},
        {"samplesPerChannel", 260, 8},
        {"exportStart", 268, 10},
        {"exportEnd", 278, 10},
        {"sampleFormat", 288, 2},
        {"multiplexMode", 290, 2},
        {"samplesPerMuxBlock", 292, 4},
        {"stampFlag", 296, 2},
        {"channelInfoOffset", 298, 6},
    }};
    return info;
}

std::string headerFieldText(const ExportHeader& header, int index) {
    std::string text;
    forFieldAt(header, VisitFields{}, index, [&](const auto& field) { text = field.text(); });
    return text;
}

void assignHeaderField(ExportHeader& header, int index, const char* data, std::size_t size) {
    forFieldAt(header, VisitFields{}, index, [&](auto& field) { field.assign(data, size); });
}

const char* headerFieldBytes(const ExportHeader& header, int index) {
    const char* bytes = nullptr;
    forFieldAt(header, VisitFields{}, index, [&](const auto& field) { bytes = field.bytes.data(); });
    return bytes;
}

}  // namespace velundia
