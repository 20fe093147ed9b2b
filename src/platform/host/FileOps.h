#pragma once

#include <string>

namespace qf::platform {

// Directory and name joined by one "/" with no normalisation or check: at the root this gives
// "//name", which Linux accepts.
std::string joinPath(const std::string& directory, const std::string& name);

// Removes the entry at path for good. A symbolic link is removed itself; what it points to
// stays. Returns the errno of a failure, or 0.
int removeFile(const std::string& path);

// Gives the entry at from the name to, which may lie in another directory of the same file
// system. An existing entry at to is never replaced, whatever its kind. Returns the errno of a
// failure (EEXIST for an existing target), or 0.
int renameNoReplace(const std::string& from, const std::string& to);

// The same for a file on a file system that cannot rename without replacing: a second name is
// made with link, which never replaces, and the old one removed. Refuses directories (EISDIR).
int moveByLink(const std::string& from, const std::string& to);

// Creates the directory with all rights the umask leaves. Raises IoError: 183 when the name
// exists, 3 when a parent is missing, 5 without rights.
void createDirectory(const std::string& path);

} // namespace qf::platform
