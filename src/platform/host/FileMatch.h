#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qf::platform {

// The order of the file list: ASCII letters compared regardless of case, other bytes by value;
// names equal but for case fall back to plain byte order so the order is always the same.
bool lessIgnoringCase(std::string_view a, std::string_view b);

// The names of the ordinary files (and links to them) in directory that match the mask list,
// sorted by lessIgnoringCase. The list is split at every ';'; each mask is used as written and
// an empty one matches nothing. A name appears once for every mask it matches. A mask with a
// directory part ("Data/*.dat") lists the bare names found in that directory, taken relative to
// directory unless absolute; such a directory that cannot be read adds nothing. Hidden files
// are never listed. onLongListing runs once, as soon as the list holds more than 100 names.
// Raises IoError when directory itself cannot be read.
std::vector<std::string> matchingFileNames(const std::string& directory,
                                           const std::string& maskList,
                                           const std::function<void()>& onLongListing = {});

} // namespace qf::platform
