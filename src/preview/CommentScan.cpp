#include "preview/CommentScan.h"

namespace qf::preview {

std::vector<Range> commentRanges(std::string_view text) {
    std::vector<Range> ranges;
    std::size_t pos = 0;
    // Each search resumes at the line feed that ended the previous comment, so a second "//"
    // on the same line is inside the first comment and starts nothing.
    while (true) {
        const std::size_t start = text.find("//", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string_view::npos) {
            ranges.push_back({start, text.size()});
            break;
        }
        ranges.push_back({start, lineFeed});
        pos = lineFeed;
    }
    return ranges;
}

} // namespace qf::preview
