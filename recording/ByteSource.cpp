#include "recording/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velundia {

std::size_t MemoryByteSource::readAt(int64_t offset, unsigned char* out, std::size_t size) {
    if (offset < 0 || static_cast<uint64_t>(offset) >= size_) return 0;
    const std::size_t start = static_cast<std::size_t>(offset);
    const std::size_t n = std::min(size, size_ - start);
    std::memcpy(out, data_ + start, n);
    return n;
}

std::size_t StreamByteSource::readAt(int64_t offset, unsigned char* out, std::size_t size) {
    if (offset < 0 || size == 0) return 0;
    if (size > static_cast<std::size_t>(std::numeric_limits<std::streamsize>::max())) return 0;
    in_.clear();  // an earlier read that reached the end leaves eof/fail set
    in_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
    if (!in_) return 0;
    in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(size));
    const std::streamsize got = in_.gcount();
    in_.clear();
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace velundia
