#include "tests/graphs/HandMadeMetafiles.h"

#include "tests/support/MetafileWriter.h"

namespace vantorel::test {

namespace {

// Colours as the files hold them: blue, green, red from the high byte down.
constexpr uint32_t Black = 0x000000, White = 0xffffff, Silver = 0xc0c0c0, Red = 0x0000ff, Yellow = 0x00ffff,
                   Blue = 0xff0000, DarkBlue = 0x8b0000, Green = 0x00a000, Orange = 0x0080ff, Aqua = 0xffff00;

Fields WmfFont(int16_t height, int16_t weight, bool italic, int16_t escapement, const std::string& face) {
    return Fields().I16s({height, 0, escapement, escapement, weight}).U8(italic).U8(0).U8(0).U8(0)
        .U8(0).U8(0).U8(0).U8(0x20).Bytes(face + '\0').Pad(2);
}

// Each object is created into slot 0, selected and deleted again: the selection outlives it.
void WmfObject(WmfWriter& wmf, uint16_t function, const Fields& object) {
    wmf.Record(function, object).Record(0x012d, {0}).Record(0x01f0, {0});
}

void WmfPen(WmfWriter& wmf, uint16_t style, int16_t width, uint32_t colour) {
    WmfObject(wmf, 0x02fa, Fields().U16(style).I16(width).I16(0).U32(colour));
}

void WmfBrush(WmfWriter& wmf, uint16_t style, uint32_t colour, uint16_t hatch = 0) {
    WmfObject(wmf, 0x02fc, Fields().U16(style).U32(colour).U16(hatch));
}

// A line of single-byte text; the position is written y first.
void WmfText(WmfWriter& wmf, const std::string& text, int16_t y, int16_t x) {
    wmf.Record(0x0521, Fields().U16(static_cast<uint16_t>(text.size())).Bytes(text).Pad(2).I16s({y, x}));
}

// Shapes on a placeable box of 4000 x 3000 units at 1000 units per inch.
std::string WmfShapes() {
    WmfWriter wmf;
    wmf.Record(0x020b, {0, 0}).Record(0x020c, {3000, 4000}).Record(0x0102, {1});
    WmfPen(wmf, 5, 0, 0);
    WmfBrush(wmf, 0, Silver);
    wmf.Record(0x041b, {3000, 4000, 0, 0});
    WmfPen(wmf, 0, 40, Blue);
    WmfBrush(wmf, 0, Yellow);
    wmf.Record(0x041b, {1000, 1400, 200, 200});
    wmf.Record(0x0102, {2}).Record(0x0201, Fields().U32(White));
    WmfBrush(wmf, 2, Red, 5);
    wmf.Record(0x0418, {1000, 2800, 200, 1600});
    WmfBrush(wmf, 0, Green);
    wmf.Record(0x061c, {300, 300, 1000, 3800, 200, 3000});
    WmfBrush(wmf, 0, Orange);
    wmf.Record(0x081a, {1200, 800, 1800, 1400, 2400, 1400, 1200, 200});
    WmfBrush(wmf, 0, Aqua);
    wmf.Record(0x0830, {2400, 1700, 1200, 2700, 2400, 2800, 1200, 1600});
    WmfPen(wmf, 1, 0, Black);
    wmf.Record(0x0817, {1200, 3400, 1600, 3800, 2000, 3800, 1200, 3000});
    // A star filled alternately has an empty centre; a square with a square hole.
    WmfPen(wmf, 0, 20, DarkBlue);
    WmfBrush(wmf, 0, Blue);
    wmf.Record(0x0106, {1}).Record(0x0324, Fields().U16(5).I16s({3400, 2100, 3700, 2900, 3000, 2400, 3800, 2400, 3100, 2900}));
    wmf.Record(0x0538, Fields().U16(2).U16(4).U16(4)
                           .I16s({200, 2550, 900, 2550, 900, 2950, 200, 2950, 400, 2650, 700, 2650, 700, 2850, 400, 2850}));
    WmfPen(wmf, 0, 60, Red);
    wmf.Record(0x0325, Fields().U16(4).I16s({1100, 2900, 1500, 2550, 1900, 2900, 2300, 2550}));
    wmf.Record(0x0214, {2700, 2400}).Record(0x0213, {2950, 2900});
    // Clipped to a box, and after the restore no longer.
    wmf.Record(0x001e, {}).Record(0x0416, {2000, 2000, 1500, 1000});
    WmfPen(wmf, 5, 0, 0);
    WmfBrush(wmf, 0, DarkBlue);
    wmf.Record(0x0418, {2300, 2300, 1300, 700});
    wmf.Record(0x0127, {-1});
    wmf.Record(0x041f, Fields().U32(Black).I16s({100, 100}));
    // Two bars of one region, filled with a brush of their own.
    wmf.Record(0x02fc, Fields().U16(0).U32(Red).U16(0));
    wmf.Record(0x06ff, Fields().U16(0).I16(6).U32(0).I16(34).I16(1).I16(4).I16s({3700, 50, 3980, 250})
                           .U16(4).I16s({50, 250, 3700, 3780, 3880, 3980}).U16(4));
    wmf.Record(0x0228, {1, 0});
    return wmf.Finish(true, {0, 0, 4000, 3000}, 1000);
}

// Without the placeable header, in a window whose y axis points up: the picture spans the drawing.
std::string WmfWithoutHeader() {
    WmfWriter wmf;
    wmf.Record(0x0103, {8}).Record(0x020b, {0, 0}).Record(0x020c, {-1000, 1000}).Record(0x0102, {1});
    WmfPen(wmf, 0, 10, Black);
    WmfBrush(wmf, 0, 0xf0caa6);
    wmf.Record(0x041b, {-300, 400, 300, -400});
    WmfBrush(wmf, 0, Red);
    wmf.Record(0x0324, Fields().U16(3).I16s({0, 250, -200, -200, 200, -200}));
    WmfObject(wmf, 0x02fb, WmfFont(-60, 700, false, 0, "Arial"));
    wmf.Record(0x012e, {6}).Record(0x0209, Fields().U32(Blue));
    WmfText(wmf, "North", -215, 0);
    return wmf.Finish(false);
}

// Texts: fonts, alignments, an opaque box with advances, rotated text, the code page's characters,
// and a bitmap stretched over a box; 5760 x 2880 twips.
std::string WmfTextAndBitmap() {
    WmfWriter wmf;
    wmf.Record(0x020b, {0, 0}).Record(0x020c, {2880, 5760}).Record(0x0102, {1});
    WmfObject(wmf, 0x02fb, WmfFont(-400, 700, false, 0, "Arial"));
    wmf.Record(0x0209, Fields().U32(DarkBlue));
    WmfText(wmf, "Water table", 150, 150);
    WmfObject(wmf, 0x02fb, WmfFont(-300, 400, true, 0, "Times New Roman"));
    wmf.Record(0x0209, Fields().U32(Black)).Record(0x0201, Fields().U32(Yellow));
    const std::string spaced = "ECe dS/m";
    Fields extended;
    extended.I16s({900, 150}).I16(static_cast<int16_t>(spaced.size())).U16(2).I16s({100, 850, 2300, 1250})
        .Bytes(spaced).Pad(2);
    for (size_t i = 0; i < spaced.size(); ++i) extended.I16(240);
    wmf.Record(0x0a32, extended);
    WmfObject(wmf, 0x02fb, WmfFont(-260, 400, false, 0, "Courier New"));
    wmf.Record(0x012e, {6 | 24}).Record(0x0209, Fields().U32(Red));
    WmfText(wmf, "\x96 \xb1 0.5 \x80 \xe9", 1800, 1200);
    WmfObject(wmf, 0x02fb, WmfFont(-240, 400, false, 900, "Arial"));
    wmf.Record(0x012e, {0}).Record(0x0209, Fields().U32(Green));
    WmfText(wmf, "Depth", 2700, 2500);
    const std::string dib = PackedDib(3, 2, {0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0x000000, 0xffffff});
    wmf.Record(0x0f43, Fields().U32(0x00cc0020).U16(0).I16s({2, 3, 0, 0, 1800, 2700, 900, 2900}).Bytes(dib));
    return wmf.Finish(true, {0, 0, 5760, 2880}, 1440);
}

Fields EmfBox(int32_t left, int32_t top, int32_t right, int32_t bottom) { return Fields().I32s({left, top, right, bottom}); }

Fields EmfFont(uint32_t slot, int32_t height, int32_t weight, int32_t escapement, const std::string& face) {
    Fields font;
    font.U32(slot).I32s({height, 0, escapement, escapement, weight}).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0x20);
    font.Utf16(face);
    for (size_t i = face.size(); i < 32; ++i) font.U16(0);
    return font;
}

Fields EmfText(int32_t x, int32_t y, const std::string& text, uint32_t options, int32_t advance) {
    const uint32_t string_at = 8 + 68, dx_at = string_at + static_cast<uint32_t>((text.size() * 2 + 3) / 4 * 4);
    Fields record;
    record.I32s({0, 0, -1, -1}).U32(1).F32(0).F32(0).I32s({x, y}).U32(static_cast<uint32_t>(text.size())).U32(string_at);
    record.U32(options).I32s({0, 0, 0, 0}).U32(advance > 0 ? dx_at : 0).Utf16(text).Pad(4);
    if (advance > 0) {
        for (size_t i = 0; i < text.size(); ++i) record.I32(advance);
    }
    return record;
}

// Shapes, an extended pen, a path of curves, winding fill, hatches, a clipping region and stock
// objects in an anisotropic window; the frame is 100 x 75 mm.
std::string EmfShapes() {
    EmfWriter emf;
    emf.Record(17, Fields().U32(8)).Record(9, Fields().I32s({1000, 750})).Record(11, Fields().I32s({379, 284}));
    emf.Record(39, Fields().U32(1).U32(0).U32(DarkBlue).U32(0)).Record(37, Fields().U32(1));
    emf.Record(37, Fields().U32(0x80000008)).Record(43, EmfBox(0, 0, 1000, 750));
    // A geometric dashed pen with flat ends, 8 units wide, over a transparent background.
    emf.Record(18, Fields().U32(1));
    emf.Record(95, Fields().U32(2).U32(0).U32(0).U32(0).U32(0).U32(0x10000 | 0x200 | 1).U32(8).U32(0).U32(Yellow)
                       .U32(0).U32(0));
    emf.Record(37, Fields().U32(2));
    emf.Record(87, EmfBox(0, 0, 0, 0).U32(4).I16s({50, 700, 300, 450, 550, 600, 950, 80}));
    emf.Record(38, Fields().U32(3).U32(0).I32s({4, 0}).U32(White)).Record(37, Fields().U32(3));
    emf.Record(39, Fields().U32(4).U32(0).U32(Red).U32(0)).Record(37, Fields().U32(4));
    emf.Record(59, Fields()).Record(27, Fields().I32s({100, 100}));
    emf.Record(88, EmfBox(0, 0, 0, 0).U32(3).I16s({200, 0, 300, 200, 200, 300}));
    emf.Record(54, Fields().I32s({100, 300})).Record(61, Fields()).Record(60, Fields());
    emf.Record(63, EmfBox(0, 0, 0, 0));
    emf.Record(19, Fields().U32(2)).Record(39, Fields().U32(5).U32(0).U32(Green).U32(0)).Record(37, Fields().U32(5));
    emf.Record(91, EmfBox(0, 0, 0, 0).U32(2).U32(8).U32(4).U32(4)
                       .I16s({400, 100, 600, 100, 600, 300, 400, 300, 500, 150, 700, 150, 700, 350, 500, 350}));
    emf.Record(39, Fields().U32(6).U32(2).U32(Aqua).U32(3)).Record(37, Fields().U32(6));
    emf.Record(42, EmfBox(750, 100, 950, 300));
    // Clipped to a region in device pixels, then restored.
    emf.Record(33, Fields());
    emf.Record(75, Fields().U32(48).U32(5).U32(32).U32(1).U32(1).U32(16).I32s({38, 170, 114, 265}).I32s({38, 170, 114, 265}));
    emf.Record(37, Fields().U32(0x80000000)).Record(43, EmfBox(0, 400, 500, 750));
    emf.Record(34, Fields().I32(-1));
    emf.Record(37, Fields().U32(0x80000007)).Record(37, Fields().U32(0x80000002));
    emf.Record(47, EmfBox(650, 450, 950, 700).I32s({950, 575, 800, 450}));
    emf.Record(40, Fields().U32(1)).Record(40, Fields().U32(2));
    return emf.Finish({0, 0, 378, 283}, {0, 0, 10000, 7500}, 1024, 768, 270, 203);
}

// Texts with advances, alignment and an opaque background, a rotated world, a fixed mapping
// whose y axis points up, and a stretched bitmap; the frame is 80 x 50 mm.
std::string EmfTextAndBitmap() {
    EmfWriter emf;
    emf.Record(39, Fields().U32(1).U32(0).U32(0xf0f0f0).U32(0)).Record(37, Fields().U32(1));
    emf.Record(37, Fields().U32(0x80000008)).Record(43, EmfBox(0, 0, 303, 190));
    emf.Record(82, EmfFont(2, -24, 700, 0, "Liberation Sans")).Record(37, Fields().U32(2));
    emf.Record(24, Fields().U32(DarkBlue)).Record(18, Fields().U32(1));
    emf.Record(84, EmfText(10, 10, "Salinity (dS/m)", 0, 0));
    emf.Record(82, EmfFont(3, -16, 400, 0, "DejaVu Serif")).Record(37, Fields().U32(3));
    emf.Record(22, Fields().U32(6 | 8)).Record(24, Fields().U32(White)).Record(25, Fields().U32(Red)).Record(18, Fields().U32(2));
    emf.Record(84, EmfText(150, 80, "Layer 1", 0, 14));
    emf.Record(40, Fields().U32(2)).Record(40, Fields().U32(3));
    // A square turned by 30 degrees.
    emf.Record(35, Fields().F32(0.866f).F32(0.5f).F32(-0.5f).F32(0.866f).F32(60).F32(90));
    emf.Record(39, Fields().U32(4).U32(0).U32(Orange).U32(0)).Record(37, Fields().U32(4));
    emf.Record(37, Fields().U32(0x80000007)).Record(43, EmfBox(-25, -25, 25, 25));
    emf.Record(36, Fields().F32(1).F32(0).F32(0).F32(1).F32(0).F32(0).U32(1));
    // Tenths of a millimetre, y up, from the bottom left corner.
    emf.Record(33, Fields()).Record(17, Fields().U32(2)).Record(12, Fields().I32s({0, 189}));
    emf.Record(37, Fields().U32(0x80000004)).Record(42, EmfBox(600, 100, 700, 200));
    emf.Record(82, EmfFont(2, -40, 400, 0, "Liberation Sans")).Record(37, Fields().U32(2));
    emf.Record(22, Fields().U32(0)).Record(24, Fields().U32(Green)).Record(18, Fields().U32(1));
    emf.Record(84, EmfText(600, 300, "up", 0, 0));
    emf.Record(34, Fields().I32(-1));
    const std::string dib = PackedDib(2, 2, {0x0000ff, 0x00ff00, 0xff0000, 0xffffff});
    Fields stretch;
    stretch.I32s({0, 0, -1, -1}).I32s({110, 110, 0, 0, 2, 2}).U32(8 + 72).U32(40).U32(8 + 72 + 40)
        .U32(static_cast<uint32_t>(dib.size() - 40)).U32(0).U32(0x00cc0020).I32s({80, 70}).Bytes(dib);
    emf.Record(81, stretch);
    return emf.Finish({0, 0, 302, 189}, {0, 0, 8000, 5000}, 1024, 768, 270, 203);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> HandMadeMetafiles() {
    return {
        {"shapes.wmf", WmfShapes()},
        {"no-placeable-header.wmf", WmfWithoutHeader()},
        {"text-and-bitmap.wmf", WmfTextAndBitmap()},
        {"shapes.emf", EmfShapes()},
        {"text-and-bitmap.emf", EmfTextAndBitmap()},
    };
}

}  // namespace vantorel::test
