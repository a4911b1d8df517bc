#include "model/text_file.h"

#include <filesystem>
#include <iterator>
#include <limits>
#include <system_error>

#include "model/text.h"

namespace ringlace {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunk = 1 << 16;

std::optional<std::uintmax_t> FileSize(const std::string& fileName) {
    std::error_code error;
    const auto size = fs::file_size(fileName, error);
    if (error) return std::nullopt;
    return size;
}

bool EndsWithLineEnd(const std::string& fileName, std::uintmax_t size) {
    if (size == 0) return true;
    std::ifstream in(fileName, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(size - 1));
    const int last = in.get();
    return last == '\n' || last == '\r';
}

std::optional<std::string> ReadAllBytes(const std::string& fileName) {
    if (!FileExists(fileName)) return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Where the line that starts at `from` ends, its line end included: CR LF, LF or a lone CR, as
// LineReader reads them.
std::size_t PastLineEnd(const std::string& bytes, std::size_t from) {
    const std::size_t end = bytes.find_first_of("\r\n", from);
    if (end == std::string::npos) return bytes.size();
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') return end + 2;
    return end + 1;
}

}  // namespace

LineReader::LineReader(const std::string& fileName) {
    if (FileExists(fileName)) in_.open(fileName, std::ios::binary);
}

int LineReader::Get() {
    if (at_ == buffer_.size()) {
        if (!in_.is_open() || !in_.good()) return -1;
        buffer_.resize(kChunk);
        in_.read(buffer_.data(), static_cast<std::streamsize>(kChunk));
        buffer_.resize(static_cast<std::size_t>(in_.gcount()));
        at_ = 0;
        if (buffer_.empty()) return -1;
    }
    return static_cast<unsigned char>(buffer_[at_++]);
}

bool LineReader::Next(std::string& line, std::size_t maxKeep) {
    line.clear();
    int ch = Get();
    if (ch < 0) return false;
    for (; ch >= 0; ch = Get()) {
        if (ch == '\n') return true;
        if (ch == '\r') {
            const int next = Get();
            if (next >= 0 && next != '\n') --at_;  // a lone CR ends the line; keep what follows
            return true;
        }
        if (line.size() < maxKeep) line += static_cast<char>(ch);
    }
    return true;
}

int CountLines(const std::string& fileName) {
    LineReader reader(fileName);
    int count = 0;
    std::string line;
    while (count < std::numeric_limits<int>::max() && reader.Next(line, 0)) ++count;
    return count;
}

std::optional<std::string> ReadLineAt(const std::string& fileName, int n, std::size_t maxKeep) {
    if (n < 1) return std::nullopt;
    LineReader reader(fileName);
    if (!reader.IsOpen()) return std::nullopt;
    std::string line;
    for (int k = 1; k < n; ++k)
        if (!reader.Next(line, 0)) return std::nullopt;
    if (!reader.Next(line, maxKeep)) return std::nullopt;
    return line;
}

bool FileExists(const std::string& fileName) {
    if (fileName.empty()) return false;
    std::error_code error;
    return fs::is_regular_file(fileName, error);
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
    return path.substr(0, path.size() - FileNamePart(path).size());
}

std::string AddExtension(const std::string& fileName, const std::string& ext) {
    if (FileNamePart(fileName).find('.') != std::string::npos) return fileName;
    return fileName + "." + ext;
}

bool WriteFileAtomically(const std::string& fileName, const std::string& content) {
    const std::string temporary = fileName + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, fileName, error);
    if (!error) return true;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

RemoveLineResult RemoveLine(const std::string& fileName, int n) {
    const std::optional<std::string> bytes = ReadAllBytes(fileName);
    if (!bytes || n < 1) return RemoveLineResult::NotRead;
    std::size_t start = 0;
    for (int k = 1; k < n && start < bytes->size(); ++k) start = PastLineEnd(*bytes, start);
    if (start >= bytes->size()) return RemoveLineResult::NotRead;
    const std::string rest = bytes->substr(0, start) + bytes->substr(PastLineEnd(*bytes, start));
    return WriteFileAtomically(fileName, rest) ? RemoveLineResult::Removed
                                               : RemoveLineResult::NotWritten;
}

bool SameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return fs::equivalent(first, second, error) && !error;
}

bool AppendLine(const std::string& fileName, const std::string& line) {
    std::error_code error;
    const bool existed = fs::exists(fileName, error);
    if (existed && !fs::is_regular_file(fileName, error)) return false;
    const std::uintmax_t oldSize = FileSize(fileName).value_or(0);
    std::string text;
    if (!EndsWithLineEnd(fileName, oldSize)) text += kCrLf;
    text += line;
    text += kCrLf;
    std::ofstream out(fileName, std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (out) return true;
    out.close();
    // A full disk takes the line in part or not at all; a file made for it is not left empty.
    if (existed)
        fs::resize_file(fileName, oldSize, error);
    else
        fs::remove(fileName, error);
    return false;
}

}  // namespace ringlace
