// Reading and writing the program's text files. Readers accept CR LF, LF and a lone CR as line
// ends and never hold more of a line than the caller asks for, so a hostile file cannot exhaust
// memory. Writers use CR LF and never leave a file half-written.
#pragma once

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>

namespace ringlace {

// Reads a file line by line.
class LineReader {
public:
    explicit LineReader(const std::string& fileName);
    bool IsOpen() const { return in_.is_open(); }
    // The next line without its line end, holding at most maxKeep characters (the rest of a longer
    // line is skipped). False at the end of the file or on a read error.
    bool Next(std::string& line, std::size_t maxKeep = kDefaultKeep);

    static constexpr std::size_t kDefaultKeep = 1 << 16;

private:
    int Get();
    std::ifstream in_;
    std::string buffer_;
    std::size_t at_ = 0;
};

// Number of lines of the file; 0 when it does not exist. A last line without a line end counts.
// A file of more lines than an int holds counts as the largest int.
int CountLines(const std::string& fileName);

// Line n (1-based) of the file, at most maxKeep characters of it; nothing when the file cannot be
// read or ends first.
std::optional<std::string> ReadLineAt(const std::string& fileName, int n,
                                      std::size_t maxKeep = LineReader::kDefaultKeep);

// False for an empty name or when no such regular file exists.
bool FileExists(const std::string& fileName);

// Appends "." and ext when the file's own name (after the last folder separator) has no ".".
std::string AddExtension(const std::string& fileName, const std::string& ext);

// The file's own name: the part after the last folder separator.
std::string FileNamePart(const std::string& path);

// The file's folder, with its trailing separator; "" for a name without a folder.
std::string FolderPart(const std::string& path);

// Replaces the file's content: written to a temporary file beside it, then renamed over it.
bool WriteFileAtomically(const std::string& fileName, const std::string& content);

enum class RemoveLineResult { Removed, NotRead, NotWritten };

// Takes line n (1-based) out of the file, keeping every other byte as it was. The rest is written
// to a temporary file beside it and renamed over it, so a failure leaves the file untouched.
// NotRead when the file cannot be read or has no line n.
RemoveLineResult RemoveLine(const std::string& fileName, int n);

// True when both names lead to the same existing file (through links and "..").
bool SameFile(const std::string& first, const std::string& second);

// Appends one line and its CR LF. When the file does not end in a line end, one is written first
// so the new line never joins the last one. On failure the file is cut back to its old length, or
// removed when the append made it.
bool AppendLine(const std::string& fileName, const std::string& line);

}  // namespace ringlace
