// Reading and writing the names file (.QCN) and the values file (.QCS).
//
// Reading goes field by field. A number field skips blanks and line breaks,
// runs to a blank, a comma or a line end, and consumes the blanks after it and
// at most one comma or line end. A text field starts on the next unread line
// after a number field, or right after the previous text field; it skips leading
// blanks; a field starting with a double quote runs to the closing quote (a
// doubled quote inside is one quote character) and then to the next comma or
// line end; any other field runs to the next comma or line end.
//
// Writing puts both files into temporary files beside the targets and renames
// them into place; a failure leaves the previous files as they were.
#include "dataset/DatasetFile.h"

#include "common/Cp932.h"
#include "common/FileMessages.h"
#include "common/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel {
namespace {

constexpr const char* kMsgOverflow = "オーバーフローしました。";
constexpr const char* kMsgIndex = "インデックスが有効範囲にありません。";

enum class ReadError { None, Eof, Type, Overflow, Index };

Status readFailure(ReadError e, const std::string& path) {
    const char* msg = kMsgType;
    switch (e) {
    case ReadError::Eof:
        msg = kMsgEof;
        break;
    case ReadError::Overflow:
        msg = kMsgOverflow;
        break;
    case ReadError::Index:
        msg = kMsgIndex;
        break;
    default:
        break;
    }
    return Status::corruptInput(std::string(msg) + "\n" + path);
}

// The line of a values-file failure that says which value it stopped at.
std::string valuePositionText(int sample, int variable) {
    return "位置：サンプル " + std::to_string(sample) + "、変数 " + std::to_string(variable);
}

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
inline bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses a whole number token: sign, digits, a point, an exponent. An empty token
// (a field cut short by a comma) is 0.
ReadError parseNumberToken(std::string_view tok, double& out) {
    if (tok.empty()) {
        out = 0.0;
        return ReadError::None;
    }
    const char* first = tok.data();
    const char* last = first + tok.size();
    const char* body = first;
    if (*first == '+')
        body = ++first; // from_chars takes no plus sign
    else if (*first == '-')
        ++body;
    // from_chars also knows "inf" and "nan"; the files do not.
    if (body == last || !(isDigit(*body) || *body == '.')) return ReadError::Type;
    double v = 0.0;
    const auto r = std::from_chars(first, last, v);
    if (r.ptr != last) return ReadError::Type;
    if (r.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow; an underflow reads as the nearest value.
        const std::string copy(first, last);
        v = std::strtod(copy.c_str(), nullptr);
        if (std::isinf(v)) return ReadError::Overflow;
    } else if (r.ec != std::errc()) {
        return ReadError::Type;
    }
    out = v == 0.0 ? 0.0 : v;
    return ReadError::None;
}

// A number read into a 16-bit signed integer, rounding halves to even.
ReadError toInt16(double v, int& out) {
    const double r = roundHalfEven(v);
    if (r > 32767.0 || r < -32768.0) return ReadError::Overflow;
    out = static_cast<int>(r);
    return ReadError::None;
}

// Field-by-field reader over one file's text.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : m_s(text) {}

    ReadError readNumber(double& out) {
        const std::size_t n = m_s.size();
        while (m_pos < n && (isBlank(m_s[m_pos]) || isLineEnd(m_s[m_pos])))
            ++m_pos;
        if (m_pos >= n) return ReadError::Eof;
        const std::size_t start = m_pos;
        while (m_pos < n) {
            const char c = m_s[m_pos];
            if (isBlank(c) || c == ',' || isLineEnd(c)) break;
            ++m_pos;
        }
        const ReadError e = parseNumberToken(m_s.substr(start, m_pos - start), out);
        if (e != ReadError::None) return e;
        while (m_pos < n && isBlank(m_s[m_pos]))
            ++m_pos;
        m_skipLine = true;
        if (m_pos < n) {
            if (m_s[m_pos] == ',') {
                ++m_pos;
            } else if (isLineEnd(m_s[m_pos])) {
                consumeLineEnd();
                m_skipLine = false;
            }
        }
        return ReadError::None;
    }

    ReadError readText(std::string& out) {
        const std::size_t n = m_s.size();
        if (m_skipLine) {
            // A text field begins on the line after the previous number field.
            while (m_pos < n && !isLineEnd(m_s[m_pos]))
                ++m_pos;
            if (m_pos >= n) return ReadError::Eof;
            consumeLineEnd();
            m_skipLine = false;
        }
        if (m_pos >= n) return ReadError::Eof;
        while (m_pos < n && isBlank(m_s[m_pos]))
            ++m_pos;
        out.clear();
        if (m_pos < n && m_s[m_pos] == '"') {
            ++m_pos;
            for (;;) {
                const std::size_t q = m_s.find('"', m_pos);
                if (q == std::string_view::npos) { // unterminated: the rest of the file
                    out.append(m_s.substr(m_pos));
                    m_pos = n;
                    return ReadError::None;
                }
                out.append(m_s.substr(m_pos, q - m_pos));
                m_pos = q + 1;
                if (m_pos < n && m_s[m_pos] == '"') {
                    out.push_back('"');
                    ++m_pos;
                    continue;
                }
                break;
            }
            // Whatever follows the closing quote up to the next comma or line end is dropped.
            while (m_pos < n && m_s[m_pos] != ',' && !isLineEnd(m_s[m_pos]))
                ++m_pos;
        } else {
            const std::size_t start = m_pos;
            while (m_pos < n && m_s[m_pos] != ',' && !isLineEnd(m_s[m_pos]))
                ++m_pos;
            out.assign(m_s.substr(start, m_pos - start));
        }
        if (m_pos < n) {
            if (m_s[m_pos] == ',')
                ++m_pos;
            else
                consumeLineEnd();
        }
        return ReadError::None;
    }

  private:
    // CR LF, a bare LF or a bare CR.
    void consumeLineEnd() {
        if (m_s[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_s.size() && m_s[m_pos] == '\n') ++m_pos;
        } else {
            ++m_pos;
        }
    }

    std::string_view m_s;
    std::size_t m_pos = 0;
    bool m_skipLine = false;
};

// Reads the names file's text (already UTF-8) into ds. Returns false with res.status
// set on a failure.
bool readNamesText(std::string_view text, Dataset& ds, DatasetReadResult& res, const std::string& path) {
    FieldReader rd(text);
    double v = 0.0;
    int n = 0, k = 0;
    ReadError e = rd.readNumber(v);
    if (e == ReadError::None) e = toInt16(v, n);
    if (e == ReadError::None) e = rd.readNumber(v);
    if (e == ReadError::None) e = toInt16(v, k);
    if (e == ReadError::None && (n < 0 || k < 0)) e = ReadError::Index;
    if (e != ReadError::None) {
        res.status = readFailure(e, path);
        return false;
    }
    ds.resize(n, k);
    res.headerRead = true;
    std::string text1;
    for (int j = 1; j <= k; ++j) {
        if ((e = rd.readText(text1)) != ReadError::None) {
            res.status = readFailure(e, path);
            return false;
        }
        ds.setName(j, text1);
    }
    for (int i = 1; i <= n; ++i) {
        int m = 0;
        e = rd.readNumber(v);
        if (e == ReadError::None) e = toInt16(v, m);
        if (e != ReadError::None) {
            res.status = readFailure(e, path);
            return false;
        }
        ds.setMask(i, static_cast<std::int16_t>(m));
    }
    for (int i = 1; i <= n; ++i) {
        if ((e = rd.readText(text1)) != ReadError::None) {
            res.status = readFailure(e, path);
            return false;
        }
        ds.setLabel(i, text1);
    }
    return true;
}

void readValuesText(std::string_view text, Dataset& ds, DatasetReadResult& res, const std::string& path) {
    const std::size_t total = static_cast<std::size_t>(ds.sampleCount()) * ds.variableCount();
    if (total == 0) return;
    FieldReader rd(text);
    // Every value takes at least a digit and a separator, except the last one:
    // only a file that can hold them all gets the whole storage up front.
    const bool canHoldAll = text.size() + 1 >= 2 * total;
    std::vector<double>& values = ds.storedValues();
    values.clear();
    if (canHoldAll) ds.reserveValues();
    for (std::size_t at = 0; at < total; ++at) {
        double v = 0.0;
        const ReadError e = rd.readNumber(v);
        if (e != ReadError::None) {
            // Where the reading stopped, as the sheet shows it: row and column.
            const std::size_t k = static_cast<std::size_t>(ds.variableCount());
            res.status = Status::corruptInput(
                readFailure(e, path).message() + "\n" +
                valuePositionText(static_cast<int>(at / k) + 1, static_cast<int>(at % k) + 1));
            return;
        }
        if (canHoldAll)
            values[at] = v;
        else
            values.push_back(v);
        res.valuesRead = at + 1;
    }
}

bool readWholeFile(const std::string& path, std::string& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    out.clear();
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == out.size()) out.resize(out.size() + 65536); // the file grew meanwhile
        const ssize_t r = ::read(fd, out.data() + got, out.size() - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    ::close(fd);
    out.resize(got);
    return true;
}

// A text that the reader would not give back as it is goes in double quotes.
bool needsQuotes(const std::string& t) {
    if (t.empty()) return false;
    if (isBlank(t[0]) || t[0] == '"') return true;
    return t.find_first_of(",\r\n") != std::string::npos;
}

void appendText(std::string& out, const std::string& t) {
    if (!needsQuotes(t)) {
        out += t;
    } else {
        out.push_back('"');
        for (char c : t) {
            if (c == '"') out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    out += "\r\n";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t w = ::write(fd, bytes.data(), bytes.size());
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return true;
}

// Writes bytes to path (created or truncated), flushed to the disk. The file gets
// the permissions of modeFrom when that file exists.
bool writeFileFlushed(const std::string& path, std::string_view bytes, const std::string& modeFrom) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return false;
    struct stat st {};
    if (::stat(modeFrom.c_str(), &st) == 0 && S_ISREG(st.st_mode)) (void)::fchmod(fd, st.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    return ok;
}

// Keeps the previous content of path under backup: a hard link, or a copy where
// links are not possible.
bool keepBackup(const std::string& path, const std::string& backup) {
    ::unlink(backup.c_str());
    if (::link(path.c_str(), backup.c_str()) == 0) return true;
    std::string old;
    return readWholeFile(path, old) && writeFileFlushed(backup, old, path);
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void syncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string tmp = temporaryPathFor(path);
    if (!writeFileFlushed(tmp, bytes, path) || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

DatasetReadResult readDatasetBytes(std::string_view namesBytes, std::optional<std::string_view> valuesBytes,
                                   Dataset& ds, const std::string& namesPath, const std::string& valuesPath) {
    DatasetReadResult res;
    const std::string names = cp932ToUtf8(namesBytes);
    if (!readNamesText(names, ds, res, namesPath)) return res;
    if (!valuesBytes) {
        res.status = Status::ioError(std::string(kMsgMissing) + "\n" + valuesPath);
        return res;
    }
    // The values file is numbers only: its bytes are read as they are.
    readValuesText(*valuesBytes, ds, res, valuesPath);
    return res;
}

DatasetReadResult readDataset(const std::string& namesPath, const std::string& valuesPath, Dataset& ds) {
    std::string names;
    if (!readWholeFile(namesPath, names)) {
        DatasetReadResult res;
        res.status = Status::ioError(std::string(kMsgMissing) + "\n" + namesPath);
        return res;
    }
    // The values file is read only once the names file has gone through.
    DatasetReadResult res;
    if (!readNamesText(cp932ToUtf8(names), ds, res, namesPath)) return res;
    names.clear();
    names.shrink_to_fit();
    std::string values;
    if (!readWholeFile(valuesPath, values)) {
        res.status = Status::ioError(std::string(kMsgMissing) + "\n" + valuesPath);
        return res;
    }
    readValuesText(values, ds, res, valuesPath);
    return res;
}

bool namesFileReadable(const std::string& namesPath) {
    std::string bytes;
    if (!readWholeFile(namesPath, bytes)) return false;
    Dataset scratch;
    DatasetReadResult res;
    return readNamesText(cp932ToUtf8(bytes), scratch, res, namesPath);
}

Result<std::string> namesFileBytes(const Dataset& ds) {
    std::string text;
    text += signedNumberText(ds.sampleCount());
    text += ' ';
    text += signedNumberText(ds.variableCount());
    text += " \r\n";
    for (int j = 1; j <= ds.variableCount(); ++j)
        appendText(text, ds.name(j));
    for (int i = 1; i <= ds.sampleCount(); ++i) {
        text += signedNumberText(ds.mask(i));
        text += " \r\n";
    }
    for (int i = 1; i <= ds.sampleCount(); ++i)
        appendText(text, ds.label(i));
    Result<std::string> bytes = utf8ToCp932(text);
    if (!bytes)
        return Status::invalidArgument("変数名またはデータラベルの" + bytes.status().message() +
                                       "\n文字を変えてから保存してください。");
    return bytes;
}

std::string valuesFileBytes(const Dataset& ds) {
    const std::size_t total = static_cast<std::size_t>(ds.sampleCount()) * ds.variableCount();
    const std::vector<double>& stored = ds.storedValues();
    const std::size_t known = std::min(total, stored.size());
    std::string out;
    out.reserve(known * 8 + (total - known) * 3);
    char chunk[65536];
    char* p = chunk;
    for (std::size_t at = 0; at < known; ++at) {
        if (p > chunk + sizeof chunk - kNumberTextMax - 1) {
            out.append(chunk, p);
            p = chunk;
        }
        p = writeSignedNumberText(p, stored[at]);
        *p++ = ' ';
    }
    out.append(chunk, p);
    for (std::size_t at = known; at < total; ++at) // never stored: 0
        out += " 0 ";
    return out;
}

std::string temporaryPathFor(const std::string& path) {
    return path + ".zeltmp";
}

Status writeDataset(const Dataset& ds, const std::string& base) {
    const std::string namesPath = base + ".QCN";
    const std::string valuesPath = base + ".QCS";
    Result<std::string> names = namesFileBytes(ds);
    if (!names) return names.status();
    const std::string values = valuesFileBytes(ds);

    const std::string namesTmp = temporaryPathFor(namesPath);
    const std::string valuesTmp = temporaryPathFor(valuesPath);
    const std::string namesOld = namesPath + ".zelold";
    auto fail = [](const std::string& path) { return Status::ioError(std::string(kMsgWrite) + "\n" + path); };

    if (!writeFileFlushed(namesTmp, *names, namesPath)) {
        if (isRegularFile(namesTmp)) ::unlink(namesTmp.c_str());
        return fail(namesPath);
    }
    if (!writeFileFlushed(valuesTmp, values, valuesPath)) {
        ::unlink(namesTmp.c_str());
        if (isRegularFile(valuesTmp)) ::unlink(valuesTmp.c_str());
        return fail(valuesPath);
    }
    // The names file is replaced first; its old content is kept until the values
    // file is in place too, so that it can be put back.
    const bool hadNames = isRegularFile(namesPath);
    if (hadNames && !keepBackup(namesPath, namesOld)) {
        ::unlink(namesTmp.c_str());
        ::unlink(valuesTmp.c_str());
        return fail(namesPath);
    }
    if (::rename(namesTmp.c_str(), namesPath.c_str()) != 0) {
        ::unlink(namesTmp.c_str());
        ::unlink(valuesTmp.c_str());
        if (hadNames) ::unlink(namesOld.c_str());
        return fail(namesPath);
    }
    if (::rename(valuesTmp.c_str(), valuesPath.c_str()) != 0) {
        ::unlink(valuesTmp.c_str());
        if (hadNames)
            ::rename(namesOld.c_str(), namesPath.c_str());
        else
            ::unlink(namesPath.c_str());
        return fail(valuesPath);
    }
    if (hadNames) ::unlink(namesOld.c_str());
    syncFolderOf(namesPath);
    return Status::ok();
}

Status storeNameTexts(Dataset& ds, NameTexts which, std::vector<std::string> texts) {
    const bool names = which == NameTexts::VariableNames;
    const int count = names ? ds.variableCount() : ds.sampleCount();
    if (static_cast<std::int64_t>(texts.size()) != count)
        return Status::invalidArgument(names ? "変数名の数が変数の数と合いません。"
                                             : "データラベルの数がデータ数と合いません。");
    // Swapped in, so that texts holds the old ones afterwards.
    const auto swapAll = [&] {
        for (int i = 1; i <= count; ++i) {
            std::string& t = texts[static_cast<std::size_t>(i - 1)];
            std::string old = names ? ds.name(i) : ds.label(i);
            if (names)
                ds.setName(i, std::move(t));
            else
                ds.setLabel(i, std::move(t));
            t = std::move(old);
        }
    };
    swapAll();
    if (!ds.exists()) return Status::ok();
    const Status written = writeNamesFile(ds, ds.namesPath);
    if (written.code() == StatusCode::InvalidArgument) swapAll();
    return written;
}

Status writeNamesFile(const Dataset& ds, const std::string& namesPath) {
    Result<std::string> names = namesFileBytes(ds);
    if (!names) return names.status();
    const std::string namesTmp = temporaryPathFor(namesPath);
    if (!writeFileFlushed(namesTmp, *names, namesPath) ||
        ::rename(namesTmp.c_str(), namesPath.c_str()) != 0) {
        if (isRegularFile(namesTmp)) ::unlink(namesTmp.c_str());
        return Status::ioError(std::string(kMsgWrite) + "\n" + namesPath);
    }
    syncFolderOf(namesPath);
    return Status::ok();
}

} // namespace zel
