#include "platform/Fonts.h"

namespace qf::platform {

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    // Set explicitly so that a bold or italic parent does not pass its style on.
    font.setBold(false);
    font.setItalic(false);
    return font;
}

} // namespace qf::platform
