#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace qf::preview {

// A half-open range [begin, end) of character positions in a loaded text.
struct Range {
    std::size_t begin;
    std::size_t end;
    bool operator==(const Range&) const = default;
};

// The stretches a preview shows in blue: on each line the first "//" up to the line feed that
// ends the line (a CR before it lies inside), on the last line up to the end of the text.
std::vector<Range> commentRanges(std::string_view text);

} // namespace qf::preview
