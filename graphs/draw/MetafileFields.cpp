#include "graphs/draw/MetafileFields.h"

namespace vantorel {

QString AnsiText(const unsigned char* data, size_t size) {
    // The code page differs from Latin-1 only in 0x80 .. 0x9f.
    static constexpr char16_t Middle[32] = {
        0x20ac, 0xfffd, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xfffd, 0x017d, 0xfffd, 0xfffd, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0xfffd, 0x017e, 0x0178};
    QString text;
    for (size_t i = 0; i < size && data[i] != 0; ++i) {
        const unsigned char c = data[i];
        text += c >= 0x80 && c < 0xa0 ? QChar(Middle[c - 0x80]) : QChar(c);
    }
    return text;
}

QPolygonF ReadPoints(const MetafileBytes& bytes, size_t at, size_t count, bool short_points) {
    const size_t size = short_points ? 4 : 8;
    if (count > bytes.Size() / size || !bytes.Holds(at, count * size)) throw MetafileDamaged("a record is cut short");
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i) {
        const size_t point = at + i * size;
        points.append(short_points ? QPointF(bytes.I16(point), bytes.I16(point + 2))
                                   : QPointF(bytes.I32(point), bytes.I32(point + 4)));
    }
    return points;
}

GdiFont ReadLogFont(const MetafileBytes& bytes, size_t at, bool short_fields) {
    const size_t size = short_fields ? 2 : 4;
    const auto number = [&](size_t i) { return short_fields ? bytes.I16(at + i * size) : bytes.I32(at + i * size); };
    GdiFont font;
    font.Height = number(0);
    font.Escapement = number(2);
    font.Weight = number(4);
    const size_t flags = at + 5 * size;
    font.Italic = bytes.U8(flags) != 0;
    font.Underline = bytes.U8(flags + 1) != 0;
    font.StrikeOut = bytes.U8(flags + 2) != 0;
    font.PitchAndFamily = bytes.U8(flags + 7);
    return font;
}

}  // namespace vantorel
