#pragma once
// Windows metafiles written record by record, for the tests and the hand-made picture corpus.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace vantorel::test {

// Little-endian fields appended one after the other.
class Fields {
public:
    Fields& U8(uint8_t value);
    Fields& U16(uint16_t value);
    Fields& I16(int16_t value) { return U16(static_cast<uint16_t>(value)); }
    Fields& U32(uint32_t value);
    Fields& I32(int32_t value) { return U32(static_cast<uint32_t>(value)); }
    Fields& I16s(std::initializer_list<int16_t> values);
    Fields& I32s(std::initializer_list<int32_t> values);
    Fields& F32(float value);
    Fields& Bytes(const std::string& bytes);
    // UTF-16 of ASCII text.
    Fields& Utf16(const std::string& ascii);
    // Zero bytes up to a multiple of n.
    Fields& Pad(size_t n);
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

// A 24-bit bitmap info header with its pixels, rows bottom up; rgb[y * width + x] is the pixel
// of row y from the top.
std::string PackedDib(int width, int height, std::initializer_list<uint32_t> rgb);

class WmfWriter {
public:
    // The parameters as written, for example y before x.
    WmfWriter& Record(uint16_t function, const Fields& params);
    WmfWriter& Record(uint16_t function, std::initializer_list<int16_t> words);
    // With a box (left, top, right, bottom) the placeable header goes in front.
    std::string Finish(bool placeable, std::initializer_list<int16_t> box = {}, uint16_t inch = 0) const;

private:
    std::string records_;
    size_t largest_ = 0;
};

class EmfWriter {
public:
    EmfWriter& Record(uint32_t type, const Fields& params);
    // bounds in device pixels, frame in hundredths of a millimetre, both left, top, right, bottom.
    std::string Finish(std::initializer_list<int32_t> bounds, std::initializer_list<int32_t> frame,
                       int32_t device_width, int32_t device_height, int32_t mm_width, int32_t mm_height) const;

private:
    std::string records_;
    uint32_t count_ = 0;
};

}  // namespace vantorel::test
