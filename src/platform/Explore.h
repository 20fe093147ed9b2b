#pragma once

#include <QUrl>
#include <string>

namespace qf::platform {

// The file URL of a directory, its path bytes percent-encoded as they are, so that a name that
// is not valid UTF-8 still names the same directory.
QUrl directoryUrl(const std::string& directory);

// Opens the directory in the desktop's file manager. Nothing comes back: a failure is silent.
void exploreDirectory(const std::string& directory);

} // namespace qf::platform
