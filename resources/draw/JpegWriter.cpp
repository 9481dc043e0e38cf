#include "resources/draw/JpegWriter.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace vantorel::pictures {

std::string WriteJpeg(const QImage& picture, const std::string& path, int quality) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return "cannot create " + path;

    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(rgb.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar* line = rgb.constScanLine(static_cast<int>(info.next_scanline));
        row.assign(line, line + row.size());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool closed = std::fclose(file) == 0;
    return closed ? std::string() : "cannot write " + path;
}

}  // namespace vantorel::pictures
