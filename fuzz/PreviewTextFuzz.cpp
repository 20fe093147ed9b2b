// The preview's text against a plain restatement: every line break (CR LF, lone LF, lone CR)
// becomes CR LF, and the line table, the position-to-line lookup and the longest line agree
// with it. Each byte's character must map back to that byte, so copying never loses one.
#include "FuzzCheck.h"
#include "platform/host/PreviewText.h"
#include "platform/host/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

using qf::fuzz::check;
using qf::platform::PreviewText;

namespace {

struct Expected {
    std::string text;
    std::vector<std::size_t> lineStarts{0};
};

Expected expectedText(std::string_view raw) {
    Expected e;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' || raw[i] == '\n') {
            if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
            e.text += "\r\n";
            e.lineStarts.push_back(e.text.size());
        } else {
            e.text += raw[i];
        }
    }
    return e;
}

const std::map<char16_t, unsigned char>& byteOfCharacter() {
    static const auto table = [] {
        std::map<char16_t, unsigned char> t;
        for (unsigned b = 0; b < 256; ++b)
            t.emplace(qf::platform::decodeWindows1252(static_cast<unsigned char>(b)),
                      static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const PreviewText text = PreviewText::fromBytes(raw);
    const Expected e = expectedText(raw);
    check(text.text() == e.text, "line breaks widened to CR LF and nothing else changed");
    check(text.lineCount() == e.lineStarts.size(), "one line per break, plus one");
    std::size_t longest = 0;
    for (std::size_t i = 0; i < e.lineStarts.size(); ++i) {
        const std::size_t end =
            i + 1 < e.lineStarts.size() ? e.lineStarts[i + 1] - 2 : e.text.size();
        check(text.lineStart(i) == e.lineStarts[i] && text.lineEnd(i) == end, "line bounds");
        check(text.line(i) ==
                  std::string_view(e.text).substr(e.lineStarts[i], end - e.lineStarts[i]),
              "line characters");
        for (std::size_t pos = e.lineStarts[i]; pos < std::min(end + 2, e.text.size()); ++pos)
            check(text.lineOf(pos) == i, "a position lies on its line, the break's LF included");
        longest = std::max(longest, end - e.lineStarts[i]);
    }
    check(text.longestLineLength() == longest, "longest line");

    check(byteOfCharacter().size() == 256, "every byte has a character of its own");
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        check(byteOfCharacter().at(qf::platform::decodeWindows1252(b)) == b,
              "a byte's character maps back to it");
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        check(qf::platform::hasWindows1252Glyph(b) == (b == '\t' || (b >= 0x20 && !undefined)),
              "only controls and the undefined bytes lack a glyph");
    }
    // Moving the text keeps it whole.
    PreviewText moved = PreviewText::fromBytes(raw);
    const PreviewText target(std::move(moved));
    check(target.text() == e.text && moved.size() == 0 && moved.lineCount() == 1,
          "a moved text goes whole to its new owner and leaves an empty one");
    return 0;
}
