// read_80x10000: the whole read of a full-size export file through the file path, as an open does.
#include "bench/BenchScene.h"
#include "recording/ExportReader.h"

#include <benchmark/benchmark.h>

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace velundia::bench {

namespace {

// The file's bytes in an anonymous in-memory file, reachable by a path: the benchmark reads a
// real file without writing one anywhere.
class MemoryFile {
public:
    explicit MemoryFile(const std::vector<unsigned char>& bytes) : fd_(memfd_create("velundia-bench", MFD_CLOEXEC)) {
        std::size_t written = 0;
        while (fd_ >= 0 && written < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
            if (n <= 0) {
                ::close(fd_);
                fd_ = -1;
            } else {
                written += static_cast<std::size_t>(n);
            }
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

void read_80x10000(benchmark::State& state) {
    const LoadedRecording& source = loadedRecording(80, 10000);
    const MemoryFile file(source.bytes);
    const bool fromFile = file.ok() && readExportFile(file.path()).outcome == ReadOutcome::Loaded;
    // Without an in-memory file the same bytes go through the reader's memory path.
    state.SetLabel(fromFile ? "readExportFile" : "readExportBytes (no in-memory file)");
    for (auto _ : state) {
        ReadResult result = fromFile ? readExportFile(file.path())
                                     : readExportBytes(source.bytes.data(), source.bytes.size());
        if (result.outcome != ReadOutcome::Loaded) {
            state.SkipWithError("the file was not loaded");
            break;
        }
        benchmark::DoNotOptimize(result.file->samples.row(79));
    }
}
BENCHMARK(read_80x10000)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace velundia::bench
