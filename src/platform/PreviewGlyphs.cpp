#include "platform/PreviewGlyphs.h"

#include "platform/host/Windows1252.h"

#include <QFontMetrics>
#include <QList>
#include <cmath>

namespace qf::platform {

namespace {
// A white square: what the preview draws for a byte that has no character to show.
constexpr char16_t kPlaceholder = 0x25A1;
} // namespace

PreviewGlyphs::PreviewGlyphs(const QFont& font) : rawFont_(QRawFont::fromFont(font)) {
    const QFontMetrics metrics(font);
    ascent_ = metrics.ascent();
    lineHeight_ = std::max(1, metrics.height());

    const QList<quint32> placeholder = rawFont_.glyphIndexesForString(QString(QChar(kPlaceholder)));
    const quint32 placeholderGlyph = placeholder.isEmpty() ? 0 : placeholder.first();
    QList<quint32> glyphs;
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        quint32 glyph = placeholderGlyph;
        if (hasWindows1252Glyph(b) && b != '\t') {
            const QList<quint32> found =
                rawFont_.glyphIndexesForString(QString(QChar(decodeWindows1252(b))));
            if (!found.isEmpty() && found.first() != 0)
                glyph = found.first();
        }
        glyphs_[b] = glyph;
        glyphs.append(glyph);
    }
    const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(glyphs);
    for (int byte = 0; byte < 256 && byte < advances.size(); ++byte)
        advances_[byte] = std::llround(advances[byte].x() * kSubpixels);
}

} // namespace qf::platform
