#pragma once

#include <optional>
#include <string>

namespace qf::platform {

// The entry of folder (empty: the current directory) whose name equals name ignoring the case
// of ASCII letters: name itself when it exists as spelled, otherwise the matching entry that
// sorts first in byte order, so that every caller settles on the same one. Nothing when there is
// no match or the folder cannot be read.
std::optional<std::string> findNameIgnoringCase(const std::string& folder, const std::string& name);

} // namespace qf::platform
