#pragma once

namespace qf::platform {

// The platform style with the program's timing and menu habits: tooltips come up after the
// pointer has rested half a second (their 2.5 s lifetime is set per button with its hint),
// and disabled menu items can be highlighted.
void installAppStyle();

} // namespace qf::platform
