#pragma once
// The little-endian fields of a metafile, read without ever going past the end of the file or of
// the record that holds them.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace vantorel {

// A metafile whose structure is broken: a record or field that runs past the end, a header that
// does not hold.
class MetafileDamaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MetafileBytes {
public:
    MetafileBytes(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    size_t Size() const { return size_; }
    const unsigned char* Data() const { return data_; }
    bool Holds(size_t at, size_t length) const { return at <= size_ && length <= size_ - at; }

    uint8_t U8(size_t at) const { return *Field(at, 1); }
    uint16_t U16(size_t at) const {
        const unsigned char* p = Field(at, 2);
        return static_cast<uint16_t>(p[0] | p[1] << 8);
    }
    int16_t I16(size_t at) const { return static_cast<int16_t>(U16(at)); }
    uint32_t U32(size_t at) const {
        const unsigned char* p = Field(at, 4);
        return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    float F32(size_t at) const {
        const uint32_t bits = U32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The bytes [at, at + length) as a reader of their own.
    MetafileBytes Part(size_t at, size_t length) const { return {Field(at, length), length}; }

private:
    const unsigned char* Field(size_t at, size_t length) const {
        if (!Holds(at, length)) throw MetafileDamaged("a record is cut short");
        return data_ + at;
    }

    const unsigned char* data_;
    size_t size_;
};

}  // namespace vantorel
