#include "graphs/draw/DibBitmap.h"

#include <cstdint>
#include <cstdlib>

namespace vantorel {

namespace {

// An embedded bitmap larger than this is not part of a graph; it is not decoded.
constexpr int64_t MaxDibPixels = int64_t{16} * 1024 * 1024;

uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int length) {
    uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The length of the info header with its colour table and masks; 0 when it does not hold.
size_t InfoLength(const MetafileBytes& info) {
    if (!info.Holds(0, 4)) return 0;
    const uint32_t header = info.U32(0);
    if (header == 12) {
        if (!info.Holds(0, 12)) return 0;
        const uint16_t bits = info.U16(10);
        return 12 + (bits <= 8 ? size_t{3} << bits : 0);
    }
    if (header < 40 || !info.Holds(0, 40)) return 0;
    const uint16_t bits = info.U16(14);
    const uint32_t compression = info.U32(16);
    const uint32_t used = info.U32(32);
    if (used > 65536) return 0;
    const size_t colours = used != 0 ? used : bits <= 8 ? size_t{1} << bits : 0;
    const size_t masks = header == 40 && compression == 3 ? 12 : header == 40 && compression == 6 ? 16 : 0;
    return header + masks + colours * 4;
}

}  // namespace

bool BitmapComplete(const QByteArray& bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint32_t header = LittleEndian(bytes, 14, 4);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0;
    if (header == 12) {
        width = LittleEndian(bytes, 18, 2);
        height = LittleEndian(bytes, 20, 2);
        bits = LittleEndian(bytes, 24, 2);
    } else {
        if (bytes.size() < 34) return false;
        width = static_cast<int32_t>(LittleEndian(bytes, 18, 4));
        height = static_cast<int32_t>(LittleEndian(bytes, 22, 4));
        bits = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed) return true;
    const int64_t stride = (std::abs(width) * bits + 31) / 32 * 4;
    return int64_t{LittleEndian(bytes, 10, 4)} + stride * std::abs(height) <= bytes.size();
}

QImage DecodeDib(const MetafileBytes& info, const MetafileBytes& pixels) {
    const size_t info_length = InfoLength(info);
    if (info_length == 0 || !info.Holds(0, info_length)) return {};
    const bool core = info.U32(0) == 12;
    const int64_t width = core ? info.U16(4) : info.I32(4);
    const int64_t height = core ? info.I16(6) : info.I32(8);
    if (width <= 0 || height == 0 || height == INT32_MIN || width * std::abs(height) > MaxDibPixels) return {};
    // A file header in front makes it a bitmap file the picture reader takes.
    QByteArray file;
    const size_t total = 14 + info_length + pixels.Size();
    if (total > size_t{UINT32_MAX}) return {};
    const auto append32 = [&](uint32_t value) {
        for (int i = 0; i < 4; ++i) file.append(static_cast<char>(value >> (8 * i) & 0xff));
    };
    file.append("BM", 2);
    append32(static_cast<uint32_t>(total));
    append32(0);
    append32(static_cast<uint32_t>(14 + info_length));
    file.append(reinterpret_cast<const char*>(info.Data()), static_cast<qsizetype>(info_length));
    file.append(reinterpret_cast<const char*>(pixels.Data()), static_cast<qsizetype>(pixels.Size()));
    if (!BitmapComplete(file)) return {};
    QImage bitmap;
    if (!bitmap.loadFromData(file, "BMP")) return {};
    return bitmap;
}

QImage DecodePackedDib(const MetafileBytes& dib) {
    const size_t info_length = InfoLength(dib);
    if (info_length == 0 || !dib.Holds(0, info_length)) return {};
    return DecodeDib(dib.Part(0, info_length), dib.Part(info_length, dib.Size() - info_length));
}

}  // namespace vantorel
