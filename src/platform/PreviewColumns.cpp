#include "platform/PreviewColumns.h"

#include <algorithm>
#include <limits>

namespace qf::platform {

std::int64_t PreviewColumns::walk(std::string_view text, std::size_t from, std::size_t to,
                                  std::int64_t x) const {
    for (std::size_t c = from; c < to; ++c)
        x = glyphs_.next(x, static_cast<unsigned char>(text[c]));
    return x;
}

const std::vector<std::int64_t>& PreviewColumns::marksUpTo(std::size_t line, std::string_view text,
                                                           std::size_t column, std::int64_t x) {
    auto& marks = marks_[line];
    if (marks.empty())
        marks.push_back(0);
    while (true) {
        const std::size_t last = (marks.size() - 1) * kStep;
        if (last + kStep > text.size() || last >= column || marks.back() > x)
            break;
        marks.push_back(walk(text, last, last + kStep, marks.back()));
    }
    return marks;
}

std::int64_t PreviewColumns::xOf(std::size_t line, std::string_view text, std::size_t column) {
    column = std::min(column, text.size());
    if (text.size() < kStep)
        return walk(text, 0, column, 0);
    const auto& marks = marksUpTo(line, text, column, std::numeric_limits<std::int64_t>::max());
    const std::size_t mark = std::min(column / kStep, marks.size() - 1);
    return walk(text, mark * kStep, column, marks[mark]);
}

PreviewColumns::Cell PreviewColumns::seek(std::size_t line, std::string_view text, std::int64_t x) {
    x = std::max<std::int64_t>(x, 0);
    Cell cell{0, 0};
    if (text.size() >= kStep) {
        const auto& marks = marksUpTo(line, text, std::numeric_limits<std::size_t>::max(), x);
        const auto after = std::upper_bound(marks.begin(), marks.end(), x);
        const auto mark = static_cast<std::size_t>(after - marks.begin()) - 1;
        cell = {mark * kStep, marks[mark]};
    }
    while (cell.column < text.size()) {
        const std::int64_t next =
            glyphs_.next(cell.x, static_cast<unsigned char>(text[cell.column]));
        if (next > x)
            break;
        cell = {cell.column + 1, next};
    }
    return cell;
}

std::size_t PreviewColumns::nearest(std::size_t line, std::string_view text, std::int64_t x) {
    const Cell cell = seek(line, text, x);
    if (cell.column >= text.size())
        return text.size();
    const std::int64_t next = glyphs_.next(cell.x, static_cast<unsigned char>(text[cell.column]));
    return x - cell.x > next - x ? cell.column + 1 : cell.column;
}

} // namespace qf::platform
