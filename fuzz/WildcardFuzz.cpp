// The wildcard matcher against an exhaustive matcher that tries every way a '*' can split the
// name. Input: the mask, a NUL byte, the name (names never hold NUL); without a NUL the mask
// is matched against its own bytes.
#include "FuzzCheck.h"
#include "platform/host/Wildcard.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using qf::fuzz::check;

namespace {

unsigned char fold(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

bool inRange(std::string_view s, std::size_t at, unsigned char low, unsigned char high) {
    return at < s.size() && static_cast<unsigned char>(s[at]) >= low &&
           static_cast<unsigned char>(s[at]) <= high;
}

// The bytes of one character: a well-formed UTF-8 sequence, else one byte.
std::size_t characterLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 1 || !inRange(s, pos + 1, low, high))
        return 1;
    for (std::size_t k = 2; k < length; ++k)
        if (!inRange(s, pos + k, 0x80, 0xBF))
            return 1;
    return length;
}

// Whether mask[m..] matches name[n..], over every choice, memoised per (m, n).
class Exhaustive {
public:
    Exhaustive(std::string_view mask, std::string_view name)
        : mask_(mask), name_(name), memo_((mask.size() + 1) * (name.size() + 1), 0) {}
    bool matches(std::size_t m, std::size_t n) {
        char& slot = memo_[m * (name_.size() + 1) + n];
        if (slot == 0)
            slot = compute(m, n) ? 1 : 2;
        return slot == 1;
    }

private:
    bool compute(std::size_t m, std::size_t n) {
        if (m == mask_.size())
            return n == name_.size();
        const auto c = static_cast<unsigned char>(mask_[m]);
        if (c == '*')
            return matches(m + 1, n) ||
                   (n < name_.size() && matches(m, n + characterLength(name_, n)));
        if (n == name_.size())
            return false;
        if (c == '?')
            return matches(m + 1, n + characterLength(name_, n));
        return fold(c) == fold(static_cast<unsigned char>(name_[n])) && matches(m + 1, n + 1);
    }

    std::string_view mask_, name_;
    std::vector<char> memo_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view mask = input.substr(0, nul);
    const std::string_view name = nul == std::string_view::npos ? mask : input.substr(nul + 1);
    const bool got = qf::platform::Wildcard(mask).matches(name);
    // The exhaustive matcher recurses once per step; keep its depth and table small.
    if (mask.size() + name.size() <= 512)
        check(got == Exhaustive(mask, name).matches(0, 0),
              "the matcher disagrees with the exhaustive matcher");
    return 0;
}
