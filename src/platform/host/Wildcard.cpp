#include "platform/host/Wildcard.h"

#include <cstddef>

namespace qf::platform {

namespace {

unsigned char fold(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

bool isContinuation(std::string_view s, std::size_t at, unsigned char low = 0x80,
                    unsigned char high = 0xBF) {
    if (at >= s.size())
        return false;
    const auto c = static_cast<unsigned char>(s[at]);
    return c >= low && c <= high;
}

// Bytes taken by the character at pos: a well-formed UTF-8 sequence counts as one character,
// any other byte stands for itself.
std::size_t characterLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0xC2 || lead > 0xF4)
        return 1;
    if (lead < 0xE0)
        return isContinuation(s, pos + 1) ? 2 : 1;
    if (lead < 0xF0) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        return isContinuation(s, pos + 1, low, high) && isContinuation(s, pos + 2) ? 3 : 1;
    }
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return isContinuation(s, pos + 1, low, high) && isContinuation(s, pos + 2) &&
                   isContinuation(s, pos + 3)
               ? 4
               : 1;
}

} // namespace

Wildcard::Wildcard(std::string_view mask) {
    folded_.reserve(mask.size());
    for (const char c : mask)
        folded_.push_back(static_cast<char>(fold(static_cast<unsigned char>(c))));
}

bool Wildcard::matches(std::string_view name) const {
    // Greedy scan that only ever returns to the latest '*': a later star can absorb whatever
    // an earlier one would have, so older choices never need revisiting.
    const std::string_view mask = folded_;
    std::size_t m = 0, n = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            ++m;
            n += characterLength(name, n);
        } else if (m < mask.size() && static_cast<unsigned char>(mask[m]) ==
                                          fold(static_cast<unsigned char>(name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            starName += characterLength(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace qf::platform
