#include "platform/host/NameLookup.h"

#include "platform/host/Directory.h"
#include "platform/host/IoError.h"

#include <sys/stat.h>

namespace qf::platform {

namespace {

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> findNameIgnoringCase(const std::string& folder,
                                                const std::string& name) {
    const std::string prefix = folder.empty() ? std::string() : folder + "/";
    struct stat st {};
    // The exact spelling is the common case and costs no directory read.
    if (::lstat((prefix + name).c_str(), &st) == 0)
        return name;
    std::vector<DirEntry> entries;
    try {
        entries = listDirectory(folder.empty() ? "." : folder);
    } catch (const IoError&) {
        return std::nullopt; // a folder that cannot be read holds no match
    }
    std::optional<std::string> found;
    for (const DirEntry& entry : entries) {
        if (equalIgnoringAsciiCase(name, entry.name) && (!found || *found > entry.name))
            found = entry.name;
    }
    return found;
}

} // namespace qf::platform
