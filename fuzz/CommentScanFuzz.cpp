// The comment scan against a plain restatement: per line, from the first "//" to the line
// feed (or the end of the text).
#include "FuzzCheck.h"
#include "preview/CommentScan.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using qf::fuzz::check;
using qf::preview::Range;

namespace {

std::vector<Range> expectedRanges(std::string_view text) {
    std::vector<Range> ranges;
    bool slash = false;
    bool inComment = false;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool endOfLine = i == text.size() || text[i] == '\n';
        if (endOfLine) {
            if (inComment)
                ranges.push_back({begin, i});
            slash = inComment = false;
            continue;
        }
        if (!inComment && slash && text[i] == '/') {
            inComment = true;
            begin = i - 1;
        }
        slash = text[i] == '/';
    }
    return ranges;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto ranges = qf::preview::commentRanges(text);
    check(ranges == expectedRanges(text), "comment ranges differ from the line-by-line scan");
    for (const auto& range : ranges)
        check(range.begin < range.end && range.end <= size && text.substr(range.begin, 2) == "//",
              "a comment range starts at its \"//\" inside the text");
    const std::size_t start = qf::preview::commentStart(text);
    check(start == text.find("//"), "commentStart is the first \"//\"");
    return 0;
}
