#pragma once

#include <string>

namespace qf::platform {

// The application's title: the caption of the error box and of the taskbar entry. Kept apart
// from Qt's display name, which X11 would append to every window caption.
const std::string& applicationTitle();
void setApplicationTitle(const std::string& title);

} // namespace qf::platform
