#pragma once

namespace qf::platform {

// The character a byte stands for in Windows-1252. The five bytes the code page leaves
// undefined keep their own value (U+0081 ...), as the system's own conversion does, so no byte
// is ever lost when text is copied out.
char16_t decodeWindows1252(unsigned char byte);

// Whether the preview shows a byte as itself: NUL, the C0 controls other than TAB and the five
// undefined bytes have no glyph and are drawn as a placeholder instead, one per byte, so that
// positions in the view stay byte for byte.
bool hasWindows1252Glyph(unsigned char byte);

} // namespace qf::platform
