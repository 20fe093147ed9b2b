#pragma once

#include <string>

namespace qf::platform {

// Owns an open file descriptor and closes it when dropped.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes now and returns the errno of a failed close, or 0.
    int close();

private:
    int fd_ = -1;
};

// A text file opened for reading: bytes as they are on disk, lines ended by CR (a CR LF pair
// counts as one line end), and a Ctrl+Z marking the end of the text.
class TextReader {
public:
    // Opens an existing file for reading. Raises IoError.
    explicit TextReader(const std::string& path);

    // The bytes up to the first CR, the first Ctrl+Z or the end of the file, whichever comes
    // first; a lone LF belongs to the line. Moves past the line end. Raises IoError.
    std::string readLine();
    // True once nothing but a Ctrl+Z, or nothing at all, is left. Raises IoError.
    bool atEnd();
    // Raises IoError.
    void close();

private:
    // Makes at least one unread byte available; false at the end of the file.
    bool fill();

    std::string path_;
    FileDescriptor fd_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool endOfText_ = false;
};

// What becomes of the bytes an existing file holds while a writer replaces them.
enum class Replacing {
    // Emptied at once, as a plain create does: a failure later leaves what was written so far.
    Truncate,
    // Kept whole until close() has stored every new byte: the text goes to a temporary file
    // beside the old one, which then takes its name. Where that would change more than the
    // bytes (a link, a file with several names, a folder that takes no new file), the file is
    // emptied at once as with Truncate.
    WhenStored,
};

// A text file created, or replaced when it exists, for writing. What is written is buffered
// until close(), which reports any failure to store it. Dropping a writer that was not closed
// discards what is still buffered.
class TextWriter {
public:
    // Raises IoError: code 3 when the folder is missing, 5 for a directory of that name or a
    // file that may not be written.
    explicit TextWriter(const std::string& path, Replacing how = Replacing::Truncate);
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    ~TextWriter();

    // Writes the bytes as they are, then CR LF. Raises IoError.
    void writeLine(const std::string& text);
    // Stores what is buffered and closes the file. Raises IoError (101 for a full disk).
    void close();

private:
    void flush();
    bool openTemporaryBeside(const std::string& path);

    std::string path_;
    FileDescriptor fd_;
    std::string buffer_;
    // Where the text goes until it takes path_'s place; empty when written in place.
    std::string temporary_;
};

} // namespace qf::platform
