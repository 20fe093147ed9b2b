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

// Where the comment of one line (its characters without the line break) begins: at its first
// "//", whatever stands before it, quotes included; npos when the line has none. A second "//"
// lies inside the first comment and starts nothing.
std::size_t commentStart(std::string_view line);

// The stretches a preview shows in blue over a whole loaded text (line breaks CR LF): on each
// line from its comment's start up to the line feed that ends the line (the CR before it lies
// inside), on the last line up to the end of the text.
std::vector<Range> commentRanges(std::string_view text);

} // namespace qf::preview
