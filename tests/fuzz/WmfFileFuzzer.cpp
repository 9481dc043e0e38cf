// A fuzzed Windows metafile (.wmf) drawn as "Open graph" draws it.

#include "graphs/draw/WmfPicture.h"
#include "tests/fuzz/MetafileFuzzing.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    vantorel::fuzz::StartOffscreenQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantorel::fuzz::DrawFuzzedMetafile(data, size, vantorel::RenderWmf);
    return 0;
}
