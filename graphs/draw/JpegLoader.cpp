#include "graphs/draw/JpegLoader.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace vantorel {

namespace {

// Larger pictures are refused rather than allocated: a damaged header can claim any size.
constexpr unsigned long long MaxPixels = 100'000'000ULL;

struct ErrorManager {
    jpeg_error_mgr library;  // first, so that libjpeg's pointer to it is a pointer to this
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged;
};

struct JpegDecoder {
    jpeg_decompress_struct info;
    ErrorManager error;
    bool created;
};

// libjpeg's default ends the process on a fatal error; this returns to the decoding step instead.
void LeaveOnError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings mean damaged data (a truncated file, a broken segment): remember the first one.
void NoteWarning(j_common_ptr info, int level) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && !error->damaged) {
        (*info->err->format_message)(info, error->message);
        error->damaged = true;
    }
}

void Silent(j_common_ptr) {}

// The two steps below call into libjpeg, which leaves them by a long jump on a fatal error; they
// keep no objects with destructors for that reason.
bool StartDecoding(JpegDecoder* decoder, const unsigned char* data, size_t size) {
    decoder->info.err = jpeg_std_error(&decoder->error.library);
    decoder->error.library.error_exit = LeaveOnError;
    decoder->error.library.emit_message = NoteWarning;
    decoder->error.library.output_message = Silent;
    if (setjmp(decoder->error.jump) != 0) return false;
    jpeg_create_decompress(&decoder->info);
    decoder->created = true;
    jpeg_mem_src(&decoder->info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder->info, TRUE);
    switch (decoder->info.jpeg_color_space) {
        case JCS_GRAYSCALE: decoder->info.out_color_space = JCS_GRAYSCALE; break;
        case JCS_CMYK:
        case JCS_YCCK: decoder->info.out_color_space = JCS_CMYK; break;
        default: decoder->info.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&decoder->info);
    return true;
}

bool ReadRows(JpegDecoder* decoder, QImage* picture, unsigned char* row) {
    if (setjmp(decoder->error.jump) != 0) return false;
    jpeg_decompress_struct* info = &decoder->info;
    while (info->output_scanline < info->output_height) {
        JSAMPROW rows[1] = {row};
        const JDIMENSION y = info->output_scanline;
        if (jpeg_read_scanlines(info, rows, 1) != 1) return false;
        auto* target = reinterpret_cast<QRgb*>(picture->scanLine(static_cast<int>(y)));
        for (JDIMENSION x = 0; x < info->output_width; ++x) {
            const unsigned char* pixel = row + static_cast<size_t>(x) * static_cast<size_t>(info->output_components);
            switch (info->out_color_space) {
                case JCS_GRAYSCALE: target[x] = qRgb(pixel[0], pixel[0], pixel[0]); break;
                case JCS_CMYK: {
                    // Adobe writes the inks inverted, as nearly every CMYK JPEG does.
                    const bool inverted = info->saw_Adobe_marker;
                    const int k = inverted ? pixel[3] : 255 - pixel[3];
                    const auto ink = [&](int value) { return (inverted ? value : 255 - value) * k / 255; };
                    target[x] = qRgb(ink(pixel[0]), ink(pixel[1]), ink(pixel[2]));
                    break;
                }
                default: target[x] = qRgb(pixel[0], pixel[1], pixel[2]); break;
            }
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

DecodedPicture DecodeJpeg(const unsigned char* data, size_t size) {
    auto decoder = std::make_unique<JpegDecoder>();
    DecodedPicture result;
    const auto fail = [&](const std::string& reason) {
        result.Picture = QImage();
        result.Error = reason;
        return result;
    };
    const auto destroy = [&] {
        if (decoder->created) jpeg_destroy_decompress(&decoder->info);
        decoder->created = false;
    };

    if (!StartDecoding(decoder.get(), data, size)) {
        destroy();
        return fail(decoder->error.message);
    }
    const jpeg_decompress_struct& info = decoder->info;
    const unsigned long long pixels =
        static_cast<unsigned long long>(info.output_width) * static_cast<unsigned long long>(info.output_height);
    if (pixels == 0 || pixels > MaxPixels || info.output_components < 1 || info.output_components > 4) {
        destroy();
        return fail("the picture is too large or has no size");
    }
    result.Picture = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                            QImage::Format_RGB32);
    if (result.Picture.isNull()) {
        destroy();
        return fail("there is not enough memory for the picture");
    }
    std::vector<unsigned char> row(static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components));
    const bool read = ReadRows(decoder.get(), &result.Picture, row.data());
    destroy();
    if (!read) return fail(decoder->error.message[0] != '\0' ? decoder->error.message : "the picture data ends early");
    if (decoder->error.damaged) return fail(decoder->error.message);
    return result;
}

}  // namespace vantorel
