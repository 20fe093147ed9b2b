#pragma once

#include <string>
#include <string_view>

namespace qf::platform {

// A file mask such as "*.cs" or "Quill?.vol": '*' stands for any run of characters, '?' for any
// one character, and ASCII letters match regardless of case. Names are byte strings; a '?'
// takes a whole UTF-8 character where the bytes form one, else a single byte. Matching takes
// time proportional to mask length times name length at worst, never exponential.
class Wildcard {
public:
    explicit Wildcard(std::string_view mask);
    bool matches(std::string_view name) const;

private:
    std::string folded_;
};

} // namespace qf::platform
