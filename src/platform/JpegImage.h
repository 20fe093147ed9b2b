#pragma once

#include <QImage>
#include <string_view>

namespace qf::platform {

// Decodes a baseline or progressive JPEG held in memory with libjpeg. Returns a null image
// when the bytes are not a JPEG libjpeg can read.
QImage decodeJpeg(std::string_view bytes);

} // namespace qf::platform
