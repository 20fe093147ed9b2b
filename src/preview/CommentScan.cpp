#include "preview/CommentScan.h"

namespace qf::preview {

std::size_t commentStart(std::string_view line) {
    return line.find("//");
}

std::vector<Range> commentRanges(std::string_view text) {
    std::vector<Range> ranges;
    std::size_t lineBegin = 0;
    while (lineBegin <= text.size()) {
        const std::size_t lineFeed = text.find('\n', lineBegin);
        const std::size_t lineEnd = lineFeed == std::string_view::npos ? text.size() : lineFeed;
        const std::size_t start = commentStart(text.substr(lineBegin, lineEnd - lineBegin));
        if (start != std::string_view::npos)
            ranges.push_back({lineBegin + start, lineEnd});
        if (lineFeed == std::string_view::npos)
            break;
        lineBegin = lineFeed + 1;
    }
    return ranges;
}

} // namespace qf::preview
