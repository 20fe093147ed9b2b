#pragma once

#include <string>
#include <vector>

namespace qf::platform {

// Other = devices, sockets, FIFOs and dangling links: what the browser calls system entries.
enum class EntryKind { File, Directory, Other };

struct DirEntry {
    std::string name;
    EntryKind kind;
    bool hidden;   // the name begins with '.'
    bool readOnly; // the owner may not write; only known when the entry was stat'ed (see below)
};

// How much listDirectory learns about each entry. The directory read itself tells names and
// types; the write permission costs one stat per entry, which a 100,000-file directory feels.
enum class EntryDetail { Kinds, WithReadOnly };

// One pass over the directory. The type comes from the directory read; an entry is stat'ed only
// when the file system does not tell its type, when it is a link (links are followed), or when
// WithReadOnly asks for the permission bits. With Kinds, readOnly is false. "." and ".." are
// never returned. Raises IoError when the directory cannot be opened or read.
std::vector<DirEntry> listDirectory(const std::string& path);
std::vector<DirEntry> listDirectory(const std::string& path, EntryDetail detail);

// The process's current directory, whatever its length. Raises IoError when it is gone.
std::string currentDirectory();
// Makes path the current directory. Raises IoError.
void setCurrentDirectory(const std::string& path);

// Both follow links.
bool directoryExists(const std::string& path);
// A directory does not count as a file.
bool fileExists(const std::string& path);

// Puts the current directory back on destruction, even when its path has become unreachable
// by name (it is held open), so that a trial walk can wander freely.
class CurrentDirectoryRestorer {
public:
    CurrentDirectoryRestorer();
    ~CurrentDirectoryRestorer();
    CurrentDirectoryRestorer(const CurrentDirectoryRestorer&) = delete;
    CurrentDirectoryRestorer& operator=(const CurrentDirectoryRestorer&) = delete;

private:
    int fd_;
};

} // namespace qf::platform
