#pragma once

#include <QString>
#include <string>

namespace qf::platform {

// Paths and file contents stay byte strings; they become text only to be shown, and typed
// text becomes bytes only at the moment it is used as a path or written.
QString toDisplay(const std::string& bytes);
std::string fromTyped(const QString& text);

} // namespace qf::platform
