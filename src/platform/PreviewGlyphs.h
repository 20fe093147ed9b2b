#pragma once

#include <QFont>
#include <QRawFont>
#include <array>
#include <cstdint>

namespace qf::platform {

// Sideways positions in the preview are kept in 1/64 pixel, so that long runs of fractional
// advances add up exactly and never drift from what is drawn.
constexpr std::int64_t kSubpixels = 64;

// The glyph and advance of each of the 256 byte values in the preview's font: every byte is
// one character, so text is laid out by table lookup and drawn from explicit glyph positions,
// with no shaping that could move a character away from its computed place.
class PreviewGlyphs {
public:
    explicit PreviewGlyphs(const QFont& font);

    const QRawFont& rawFont() const { return rawFont_; }
    quint32 glyph(unsigned char byte) const { return glyphs_[byte]; }
    // Where the character after byte starts, when byte starts at x; a TAB moves to the next
    // tab stop.
    std::int64_t next(std::int64_t x, unsigned char byte) const {
        return byte == '\t' ? (x / kTabStop + 1) * kTabStop : x + advances_[byte];
    }
    std::int64_t advance(unsigned char byte) const { return advances_[byte]; }
    int ascent() const { return ascent_; }
    int lineHeight() const { return lineHeight_; }

private:
    // Tab stops every half inch at 96 dots per inch, as rich edit controls place them.
    static constexpr std::int64_t kTabStop = 48 * kSubpixels;

    QRawFont rawFont_;
    std::array<quint32, 256> glyphs_{};
    std::array<std::int64_t, 256> advances_{};
    int ascent_ = 0;
    int lineHeight_ = 1;
};

} // namespace qf::platform
