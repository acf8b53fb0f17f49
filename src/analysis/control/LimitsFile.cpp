// The limits file: writing its seven lines atomically and reading its six
// numbers back, with the descriptions of the read failures the dataset files use.
#include "analysis/control/LimitsFile.h"

#include "common/Cp932.h"
#include "common/FileMessages.h"
#include "common/NumberText.h"
#include "dataset/DatasetFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel {
namespace {

// Line 1 holds a path; the number lines hold one short number each. Longer
// lines are not a limits file, and nothing past these caps is ever looked at.
constexpr std::size_t kMaxPathLine = 32 * 1024;
constexpr std::size_t kMaxNumberLine = 256;
constexpr std::size_t kMaxFileBytes = kMaxPathLine + 6 * kMaxNumberLine + 64;

// Finds the end of the line starting at pos (CR LF, LF or a lone CR ends it).
// Returns false when no line starts at pos. next is where the following line starts.
bool nextLine(std::string_view bytes, std::size_t pos, std::string_view& line, std::size_t& next) {
    if (pos >= bytes.size()) return false;
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    line = bytes.substr(pos, end - pos);
    next = end;
    if (next < bytes.size() && bytes[next] == '\r') {
        ++next;
        if (next < bytes.size() && bytes[next] == '\n') ++next;
    } else if (next < bytes.size()) {
        ++next; // '\n'
    }
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A decimal number with blanks around it, nothing else.
bool parseNumber(std::string_view text, double& out) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    // Digits, point, sign and exponent only: no "inf", "nan" or hexadecimal.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

} // namespace

Result<std::string> limitsFileBytes(const std::string& basePath, const ControlLines& lines) {
    Result<std::string> path = utf8ToCp932(basePath);
    if (!path) return path.status();
    std::string out = *path;
    out += "\r\n";
    char buf[kNumberTextMax];
    // A line that is not a number would be written as 0, a wrong limit read back as true.
    for (const auto& row : lines)
        for (double v : row)
            if (!std::isfinite(v)) return Status::invalidArgument(kResultOutOfRange);
    for (const auto& row : lines) {
        for (double v : row) {
            out.append(buf, writeSignedNumberText(buf, v));
            out += " \r\n";
        }
    }
    return out;
}

Status writeLimitsFile(const std::string& path, const std::string& basePath, const ControlLines& lines) {
    Result<std::string> bytes = limitsFileBytes(basePath, lines);
    if (!bytes) return bytes.status();
    if (!writeFileAtomically(path, *bytes)) return Status::ioError(std::string(kMsgWrite) + "\n" + path);
    return Status::ok();
}

Result<ControlLines> parseLimitsFile(std::string_view bytes) {
    std::string_view line;
    std::size_t pos = 0;
    std::size_t next = 0;
    // Line 1: the path of the data the lines came from; not used.
    if (!nextLine(bytes, pos, line, next)) return Status::corruptInput(kMsgEof);
    if (line.size() > kMaxPathLine) return Status::corruptInput(kMsgType);
    pos = next;
    ControlLines lines{};
    for (auto& row : lines) {
        for (double& v : row) {
            if (!nextLine(bytes, pos, line, next)) return Status::corruptInput(kMsgEof);
            if (line.size() > kMaxNumberLine || !parseNumber(line, v)) return Status::corruptInput(kMsgType);
            pos = next;
        }
    }
    return lines;
}

Result<ControlLines> readLimitsFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Status::ioError(std::string(kMsgMissing) + "\n" + path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Status::ioError(std::string(kMsgMissing) + "\n" + path);
    }
    // Only the head of the file can hold the seven lines.
    std::string bytes(kMaxFileBytes, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t r = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return Status::ioError(std::string(kMsgEof) + "\n" + path);
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    ::close(fd);
    bytes.resize(got);
    Result<ControlLines> res = parseLimitsFile(bytes);
    if (!res) return Status::corruptInput(res.status().message() + "\n" + path);
    return res;
}

} // namespace zel
