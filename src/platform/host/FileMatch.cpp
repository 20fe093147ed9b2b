#include "platform/host/FileMatch.h"

#include "platform/host/Directory.h"
#include "platform/host/IoError.h"
#include "platform/host/Wildcard.h"

#include <algorithm>

namespace qf::platform {

namespace {

unsigned char fold(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The masks that read the same directory, so that each directory is read once.
struct MaskGroup {
    std::string directory; // empty: the listed directory itself
    std::vector<Wildcard> masks;
};

std::vector<MaskGroup> groupMasks(const std::string& maskList) {
    std::vector<MaskGroup> groups;
    std::size_t start = 0;
    while (start <= maskList.size()) {
        std::size_t end = maskList.find(';', start);
        if (end == std::string::npos)
            end = maskList.size();
        const std::string_view mask(maskList.data() + start, end - start);
        start = end + 1;
        const auto slash = mask.rfind('/');
        const std::string_view pattern =
            slash == std::string_view::npos ? mask : mask.substr(slash + 1);
        if (pattern.empty())
            continue; // matches nothing
        const std::string dir = slash == std::string_view::npos ? std::string()
                                : slash == 0                    ? std::string("/")
                                             : std::string(mask.substr(0, slash));
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const MaskGroup& g) { return g.directory == dir; });
        if (group == groups.end())
            group = groups.insert(groups.end(), MaskGroup{dir, {}});
        group->masks.emplace_back(pattern);
    }
    return groups;
}

std::string join(const std::string& directory, const std::string& name) {
    if (name.front() == '/')
        return name;
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

// Sorts by lessIgnoringCase. Folding every name once and comparing the folded keys as plain
// bytes is several times quicker on a big directory than folding inside each comparison.
std::vector<std::string> sortedIgnoringCase(std::vector<std::string> names) {
    struct Keyed {
        std::string key;
        std::string* name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) {
        std::string key(name);
        for (char& c : key)
            c = static_cast<char>(fold(static_cast<unsigned char>(c)));
        keyed.push_back({std::move(key), &name});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (const int order = a.key.compare(b.key))
            return order < 0;
        return *a.name < *b.name;
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (auto& k : keyed)
        sorted.push_back(std::move(*k.name));
    return sorted;
}

} // namespace

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = fold(static_cast<unsigned char>(a[i]));
        const auto cb = fold(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

std::vector<std::string> matchingFileNames(const std::string& directory,
                                           const std::string& maskList,
                                           const std::function<void()>& onLongListing) {
    std::vector<std::string> names;
    bool longListing = false;
    for (const auto& group : groupMasks(maskList)) {
        std::vector<DirEntry> entries;
        if (group.directory.empty()) {
            entries = listDirectory(directory);
        } else {
            try {
                entries = listDirectory(join(directory, group.directory));
            } catch (const IoError&) {
                continue; // like a mask that matches nothing
            }
        }
        for (auto& entry : entries) {
            if (entry.kind != EntryKind::File || entry.hidden)
                continue;
            const auto matching =
                std::count_if(group.masks.begin(), group.masks.end(),
                              [&](const Wildcard& w) { return w.matches(entry.name); });
            for (long i = 0; i < matching; ++i)
                names.push_back(entry.name);
            if (!longListing && names.size() > 100) {
                longListing = true;
                if (onLongListing)
                    onLongListing();
            }
        }
    }
    return sortedIgnoringCase(std::move(names));
}

} // namespace qf::platform
