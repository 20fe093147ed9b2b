#include "platform/host/Wildcard.h"

#include <algorithm>
#include <cstddef>
#include <vector>

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
    // Every name position the mask read so far can have reached is kept, not only the latest
    // choice of a '*': a '*' or '?' steps over whole characters, and where the next character
    // starts depends on where the step began, so an earlier star's choice can open positions a
    // later one cannot reach. Mask length times name length steps at worst, and always exact.
    const std::size_t size = name.size();
    // Names are at most 255 bytes on Linux; longer ones take the heap.
    constexpr std::size_t onStack = 256;
    char stackBuffers[2][onStack];
    std::vector<char> heapBuffers;
    char* reached = stackBuffers[0];
    char* next = stackBuffers[1];
    if (size + 1 > onStack) {
        heapBuffers.resize(2 * (size + 1));
        reached = heapBuffers.data();
        next = reached + size + 1;
    }
    std::fill(reached, reached + size + 1, 0);
    reached[0] = 1;
    for (const char c : folded_) {
        if (c == '*') {
            // Ascending order carries each reached position on along its characters.
            for (std::size_t n = 0; n < size; ++n)
                if (reached[n])
                    reached[n + characterLength(name, n)] = 1;
            continue;
        }
        std::fill(next, next + size + 1, 0);
        bool any = false;
        for (std::size_t n = 0; n < size; ++n) {
            if (!reached[n])
                continue;
            if (c == '?')
                next[n + characterLength(name, n)] = 1;
            else if (static_cast<unsigned char>(c) == fold(static_cast<unsigned char>(name[n])))
                next[n + 1] = 1;
            else
                continue;
            any = true;
        }
        if (!any)
            return false;
        std::swap(reached, next);
    }
    return reached[size] != 0;
}

} // namespace qf::platform
