#pragma once

#include "platform/PreviewGlyphs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qf::platform {

// Where the characters of a line stand sideways. The font is proportional, so a character's x
// is the sum of the advances before it; for a long line (a file without line breaks is one
// line of many megabytes) the x of every few thousandth column is remembered as far as anyone
// has asked, so that showing any stretch of the line costs no more than the stretch itself.
class PreviewColumns {
public:
    explicit PreviewColumns(const PreviewGlyphs& glyphs) : glyphs_(glyphs) {}

    struct Cell {
        std::size_t column;
        std::int64_t x;
    };

    // Forgets every line: the text changed.
    void clear() { marks_.clear(); }
    // The x of the left edge of column (0 to the line's length) of line.
    std::int64_t xOf(std::size_t line, std::string_view text, std::size_t column);
    // The last column whose left edge is at or before x, with that edge; the line's length when
    // x lies beyond the line.
    Cell seek(std::size_t line, std::string_view text, std::int64_t x);
    // The column boundary nearest to x, where a click at x puts the caret.
    std::size_t nearest(std::size_t line, std::string_view text, std::int64_t x);

private:
    static constexpr std::size_t kStep = 4096;

    // The line's marks, extended until one stands at or past column or to the right of x.
    const std::vector<std::int64_t>& marksUpTo(std::size_t line, std::string_view text,
                                               std::size_t column, std::int64_t x);
    std::int64_t walk(std::string_view text, std::size_t from, std::size_t to,
                      std::int64_t x) const;

    const PreviewGlyphs& glyphs_;
    // For each long line asked about: the x of columns 0, kStep, 2 kStep, ...
    std::unordered_map<std::size_t, std::vector<std::int64_t>> marks_;
};

} // namespace qf::platform
