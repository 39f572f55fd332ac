#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>

namespace velundia {

// Random-access reading of an export file's bytes, from disk or from memory, so that both
// are read by the same routine. A range past the end yields fewer bytes, never an error.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to size bytes starting at the absolute offset; returns how many were there.
    virtual std::size_t readAt(int64_t offset, unsigned char* out, std::size_t size) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t readAt(int64_t offset, unsigned char* out, std::size_t size) override;

private:
    const unsigned char* data_;
    std::size_t size_;
};

// Reads through an already opened binary stream; seeks to each range it is asked for.
class StreamByteSource final : public ByteSource {
public:
    explicit StreamByteSource(std::istream& in) : in_(in) {}
    std::size_t readAt(int64_t offset, unsigned char* out, std::size_t size) override;

private:
    std::istream& in_;
};

}  // namespace velundia
