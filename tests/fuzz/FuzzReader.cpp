// libFuzzer target of the export file reader: every input is read as a file's bytes; an
// accepted one is installed into a fresh store and drawn by every renderer of the waveform
// page on small surfaces, with control settings taken from the input's last bytes. A broken
// rule of the store aborts with its description, so the fuzzer keeps the input.
#include "tests/harness/StoreChecks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace velundia::harness;
    const std::size_t tail = std::min(size, RenderChoiceBytes);
    const RenderChoice choice = renderChoiceFrom(data + size - tail, tail);
    const std::string problem = readInstallRender(data, size, choice);
    if (!problem.empty()) {
        std::fprintf(stderr, "store rule broken: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
