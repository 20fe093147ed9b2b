#include "platform/JpegImage.h"

#include <csetjmp>
#include <jpeglib.h>

namespace qf::platform {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; jumping back is
// the only safe way out, since an exception must not cross its C frames.
struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf escape{};
};

void escapeOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

class Decompressor {
public:
    Decompressor() {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = escapeOnError;
        errors.base.output_message = ignoreMessage;
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct info{};
    ErrorManager errors;
};

// Kept apart from the function holding the jump buffer, so no object with a destructor lives
// in the frame that longjmp returns into.
bool decodeInto(Decompressor& d, std::string_view bytes, QImage& image) {
    if (setjmp(d.errors.escape))
        return false;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                   QImage::Format_RGB888);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

QImage decodeJpeg(std::string_view bytes) {
    if (bytes.empty())
        return {};
    Decompressor decompressor;
    QImage image;
    if (!decodeInto(decompressor, bytes, image))
        return {};
    return image;
}

} // namespace qf::platform
