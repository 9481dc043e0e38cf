#include "tests/support/MetafileWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vantorel::test {

Fields& Fields::U8(uint8_t value) {
    data_ += static_cast<char>(value);
    return *this;
}

Fields& Fields::U16(uint16_t value) { return U8(value & 0xff).U8(static_cast<uint8_t>(value >> 8)); }

Fields& Fields::U32(uint32_t value) { return U16(value & 0xffff).U16(static_cast<uint16_t>(value >> 16)); }

Fields& Fields::I16s(std::initializer_list<int16_t> values) {
    for (const int16_t value : values) I16(value);
    return *this;
}

Fields& Fields::I32s(std::initializer_list<int32_t> values) {
    for (const int32_t value : values) I32(value);
    return *this;
}

Fields& Fields::F32(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return U32(bits);
}

Fields& Fields::Bytes(const std::string& bytes) {
    data_ += bytes;
    return *this;
}

Fields& Fields::Utf16(const std::string& ascii) {
    for (const char c : ascii) U16(static_cast<unsigned char>(c));
    return *this;
}

Fields& Fields::Pad(size_t n) {
    while (data_.size() % n != 0) U8(0);
    return *this;
}

std::string PackedDib(int width, int height, std::initializer_list<uint32_t> rgb) {
    const std::vector<uint32_t> pixels(rgb);
    Fields dib;
    dib.U32(40).I32(width).I32(height).U16(1).U16(24).U32(0).U32(0).I32(0).I32(0).U32(0).U32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y * width + x)];
            dib.U8(pixel & 0xff).U8(pixel >> 8 & 0xff).U8(pixel >> 16 & 0xff);
        }
        dib.Pad(4);
    }
    return dib.Data();
}

WmfWriter& WmfWriter::Record(uint16_t function, const Fields& params) {
    Fields record;
    const size_t words = 3 + (params.Data().size() + 1) / 2;
    record.U32(static_cast<uint32_t>(words)).U16(function).Bytes(params.Data()).Pad(2);
    records_ += record.Data();
    largest_ = std::max(largest_, words);
    return *this;
}

WmfWriter& WmfWriter::Record(uint16_t function, std::initializer_list<int16_t> words) {
    return Record(function, Fields().I16s(words));
}

std::string WmfWriter::Finish(bool placeable, std::initializer_list<int16_t> box, uint16_t inch) const {
    Fields file;
    if (placeable) {
        Fields header;
        header.U32(0x9ac6cdd7).U16(0).I16s(box).U16(inch).U32(0);
        uint16_t checksum = 0;
        for (size_t i = 0; i < header.Data().size(); i += 2) {
            checksum ^= static_cast<uint16_t>(static_cast<unsigned char>(header.Data()[i]) |
                                              static_cast<unsigned char>(header.Data()[i + 1]) << 8);
        }
        file.Bytes(header.Data()).U16(checksum);
    }
    const size_t words = 9 + records_.size() / 2 + 3;
    file.U16(1).U16(9).U16(0x0300).U32(static_cast<uint32_t>(words)).U16(64).U32(static_cast<uint32_t>(largest_)).U16(0);
    file.Bytes(records_).U32(3).U16(0);
    return file.Data();
}

EmfWriter& EmfWriter::Record(uint32_t type, const Fields& params) {
    Fields record;
    record.U32(type).U32(static_cast<uint32_t>(8 + (params.Data().size() + 3) / 4 * 4)).Bytes(params.Data()).Pad(4);
    records_ += record.Data();
    ++count_;
    return *this;
}

std::string EmfWriter::Finish(std::initializer_list<int32_t> bounds, std::initializer_list<int32_t> frame,
                              int32_t device_width, int32_t device_height, int32_t mm_width, int32_t mm_height) const {
    const Fields end = Fields().U32(14).U32(20).U32(0).U32(16).U32(20);
    const uint32_t bytes = static_cast<uint32_t>(88 + records_.size() + end.Data().size());
    Fields file;
    file.U32(1).U32(88).I32s(bounds).I32s(frame).U32(0x464d4520).U32(0x10000).U32(bytes).U32(count_ + 2);
    file.U16(64).U16(0).U32(0).U32(0).U32(0).I32s({device_width, device_height, mm_width, mm_height});
    return file.Bytes(records_).Bytes(end.Data()).Data();
}

}  // namespace vantorel::test
