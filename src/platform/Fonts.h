#pragma once

#include <QFont>
#include <QString>

namespace qf::platform {

// The windows are designed in Times New Roman and MS Sans Serif; their metric-compatible
// Liberation faces stand in where those are not installed.
void installFontSubstitutes();

// A font of the family at a character height in pixels, as the window designs give them.
QFont pixelFont(const QString& family, int pixels);

} // namespace qf::platform
