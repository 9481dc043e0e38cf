#pragma once
// What the two metafile targets share: a Qt application on the offscreen platform for the fonts,
// and a fuzzed file drawn into a picture, which must give a picture within the promised size or
// the refusal of a damaged file.

#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>

#include "graphs/draw/MetafileBytes.h"
#include "tests/fuzz/FuzzSupport.h"

namespace vantorel::fuzz {

inline void StartOffscreenQt(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
}

template <typename Render>
void DrawFuzzedMetafile(const uint8_t* data, size_t size, Render render) {
    try {
        const QImage picture = render(MetafileBytes(data, size));
        if (picture.isNull() || picture.width() > 4096 || picture.height() > 4096) Finding("a picture beyond its bounds");
    } catch (const MetafileDamaged&) {
    }
}

}  // namespace vantorel::fuzz
