#pragma once

#include <string>

namespace qf::platform {

// Opens the directory in the desktop's file manager. Nothing comes back: a failure is silent.
void exploreDirectory(const std::string& directory);

} // namespace qf::platform
