#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qf::platform {

// A file's text as the preview holds it: one character per byte, every line break (CR LF, a
// lone LF or a lone CR) turned into CR LF, and the start of every line. Big files are the
// point: the bytes live in one buffer that is filled once, and nothing per character is kept.
class PreviewText {
public:
    PreviewText();
    PreviewText(PreviewText&&) noexcept;
    PreviewText& operator=(PreviewText&&) noexcept;
    ~PreviewText();

    // The text of raw file bytes.
    static PreviewText fromBytes(std::string_view raw);
    // Reads a regular file. Raises std::runtime_error("Cannot open file <path>") when it cannot
    // be opened (a directory or any other non-regular file included) and IoError when reading
    // it fails.
    static PreviewText load(const std::string& path);

    std::string_view text() const { return {bytes_.get(), size_}; }
    std::size_t size() const { return size_; }

    // There is always at least one line; a text that ends in a line break ends in an empty line.
    std::size_t lineCount() const { return lineStarts_.size(); }
    std::size_t lineStart(std::size_t line) const { return lineStarts_[line]; }
    // Where the line's characters end: at the CR of its line break, or at the end of the text.
    std::size_t lineEnd(std::size_t line) const;
    std::string_view line(std::size_t line) const;
    // The line a position lies on; the LF of a line break belongs to the line it ends.
    std::size_t lineOf(std::size_t pos) const;
    // The number of characters of the longest line.
    std::size_t longestLineLength() const;

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    void convertLineBreaks();
    // Sets the size, keeping the bytes that fit; new bytes are not cleared.
    void resize(std::size_t size);

    std::unique_ptr<char, Free> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::vector<std::size_t> lineStarts_;
};

} // namespace qf::platform
