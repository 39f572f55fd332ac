#include "bench/BenchScene.h"

#include "recording/ExportReader.h"
#include "tools/SyntheticRecording.h"

#include <map>
#include <stdexcept>
#include <utility>

namespace velundia::bench {

namespace {

std::unique_ptr<LoadedRecording> load(int channels, int samples) {
    cli::SynthOptions options;
    options.channels = channels;
    options.samples = samples;
    auto loaded = std::make_unique<LoadedRecording>();
    loaded->bytes = cli::synthesizeRecording(options).bytes();
    ReadResult result = readExportBytes(loaded->bytes.data(), loaded->bytes.size());
    if (result.outcome != ReadOutcome::Loaded) throw std::runtime_error("synthetic recording refused: " + result.message);
    installExportFile(std::move(*result.file), *loaded->recording, loaded->leads);
    // The benchmarks draw every channel, the default-hidden surface leads included.
    for (int c = 0; c < channels; ++c) loaded->leads.shown[static_cast<std::size_t>(c)] = 1;
    loaded->recording->shownCount = channels;
    return loaded;
}

}  // namespace

const LoadedRecording& loadedRecording(int channels, int samples) {
    static std::map<std::pair<int, int>, std::unique_ptr<LoadedRecording>> cache;
    auto& slot = cache[{channels, samples}];
    if (!slot) slot = load(channels, samples);
    return *slot;
}

}  // namespace velundia::bench
