// The recovery file's format, its folder and its owner.
#include "dataset/RecoveryFile.h"

#include "dataset/SafeFile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <type_traits>
#include <vector>

namespace zel {

namespace {

constexpr std::string_view kMagic = "ZELRECOVERY\n";
constexpr std::string_view kFilePrefix = "recovery-";
constexpr std::string_view kFileEnding = ".zel";

template <class T> void put(std::string& out, T v) {
    static_assert(std::is_trivially_copyable_v<T>);
    char raw[sizeof(T)];
    std::memcpy(raw, &v, sizeof(T));
    out.append(raw, sizeof(T));
}

void putText(std::string& out, const std::string& text) {
    put(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

// Takes the fields in order; the first failure stops the reading and keeps the
// position where it happened.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    template <class T> bool take(T& v) {
        if (m_bytes.size() - m_pos < sizeof(T)) return false;
        std::memcpy(&v, m_bytes.data() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return true;
    }
    bool takeText(std::string& text) {
        std::uint32_t length = 0;
        if (!take(length) || m_bytes.size() - m_pos < length) return false;
        text.assign(m_bytes.substr(m_pos, length));
        m_pos += length;
        return true;
    }
    bool takeBytes(void* to, std::size_t count) {
        if (m_bytes.size() - m_pos < count) return false;
        std::memcpy(to, m_bytes.data() + m_pos, count);
        m_pos += count;
        return true;
    }
    bool takeMagic() {
        if (m_bytes.substr(0, kMagic.size()) != kMagic) return false;
        m_pos = kMagic.size();
        return true;
    }
    std::size_t position() const { return m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

  private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

Status corrupt(const Reader& r, const std::string& what) {
    return Status::corruptInput("復元ファイルが壊れています (" + std::to_string(r.position()) +
                                " バイト目: " + what + ")。");
}

bool countInRange(std::int32_t count) {
    return count >= 0 && count <= Dataset::kMaxCount;
}

} // namespace

std::string recoveryFileBytes(const Dataset& ds, std::int64_t pid, std::int64_t writtenAt) {
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    const std::vector<double>& values = ds.storedValues();
    std::string out;
    out.reserve(kMagic.size() + 256 + ds.basePath.size() + ds.folder.size() + std::size_t(n) * 24 +
                std::size_t(k) * 16 + values.size() * sizeof(double));
    out += kMagic;
    put(out, kRecoveryFormatVersion);
    put(out, pid);
    put(out, writtenAt);
    putText(out, ds.basePath);
    putText(out, ds.fileName);
    putText(out, ds.drive);
    putText(out, ds.folder);
    put(out, static_cast<std::int32_t>(n));
    put(out, static_cast<std::int32_t>(k));
    for (int j = 1; j <= k; ++j)
        putText(out, ds.name(j));
    for (int i = 1; i <= n; ++i)
        put(out, ds.mask(i));
    for (int i = 1; i <= n; ++i)
        putText(out, ds.label(i));
    put(out, static_cast<std::uint64_t>(values.size()));
    const std::size_t start = out.size();
    out.resize(start + values.size() * sizeof(double));
    if (!values.empty()) std::memcpy(out.data() + start, values.data(), values.size() * sizeof(double));
    return out;
}

Result<RecoveryState> readRecoveryBytes(std::string_view bytes) {
    Reader r(bytes);
    if (!r.takeMagic()) return corrupt(r, "見出しが違います");
    std::uint32_t version = 0;
    if (!r.take(version)) return corrupt(r, "版がありません");
    if (version != kRecoveryFormatVersion)
        return corrupt(r, "版 " + std::to_string(version) + " は読めません");

    RecoveryState state;
    Dataset& ds = state.dataset;
    if (!r.take(state.pid) || !r.take(state.writtenAt)) return corrupt(r, "途中で終わっています");
    std::string base;
    if (!r.takeText(base) || !r.takeText(ds.fileName) || !r.takeText(ds.drive) || !r.takeText(ds.folder))
        return corrupt(r, "途中で終わっています");
    std::int32_t n = 0;
    std::int32_t k = 0;
    if (!r.take(n) || !r.take(k)) return corrupt(r, "途中で終わっています");
    if (!countInRange(n) || !countInRange(k)) return corrupt(r, "データ数か変数の数が範囲外です");
    ds.resize(n, k);
    if (!base.empty()) ds.setBase(base);

    std::string text;
    for (int j = 1; j <= k; ++j) {
        if (!r.takeText(text)) return corrupt(r, "途中で終わっています");
        ds.setName(j, std::move(text));
    }
    for (int i = 1; i <= n; ++i) {
        std::int16_t m = 0;
        if (!r.take(m)) return corrupt(r, "途中で終わっています");
        ds.setMask(i, m);
    }
    for (int i = 1; i <= n; ++i) {
        if (!r.takeText(text)) return corrupt(r, "途中で終わっています");
        ds.setLabel(i, std::move(text));
    }
    std::uint64_t count = 0;
    if (!r.take(count)) return corrupt(r, "途中で終わっています");
    if (count > std::uint64_t(n) * std::uint64_t(k))
        return corrupt(r, "値の数がデータの大きさを超えています");
    std::vector<double> values(static_cast<std::size_t>(count));
    if (!r.takeBytes(values.data(), values.size() * sizeof(double)))
        return corrupt(r, "途中で終わっています");
    for (double v : values)
        if (!std::isfinite(v)) return corrupt(r, "数でない値があります");
    if (!r.atEnd()) return corrupt(r, "余分なバイトがあります");
    ds.storedValues() = std::move(values);
    return state;
}

Status writeRecoveryFile(const std::string& path, const Dataset& ds, std::int64_t pid,
                         std::int64_t writtenAt) {
    TempFile file;
    if (Status s = file.write(path, recoveryFileBytes(ds, pid, writtenAt)); !s) return s;
    return file.commit(path);
}

Result<RecoveryState> readRecoveryFile(const std::string& path) {
    std::string bytes;
    if (Status s = readWholeFile(path, bytes); !s) return s;
    return readRecoveryBytes(bytes);
}

std::string recoveryFolder(const char* xdgStateHome, const char* home) {
    // The XDG rule: a relative $XDG_STATE_HOME is invalid and ignored.
    if (xdgStateHome != nullptr && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/zel";
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/zel";
    return {};
}

std::string recoveryFileName(std::int64_t pid) {
    return std::string(kFilePrefix) + std::to_string(pid) + std::string(kFileEnding);
}

std::optional<std::int64_t> recoveryFilePid(std::string_view fileName) {
    if (fileName.size() <= kFilePrefix.size() + kFileEnding.size() || !fileName.starts_with(kFilePrefix) ||
        !fileName.ends_with(kFileEnding))
        return std::nullopt;
    const std::string_view digits =
        fileName.substr(kFilePrefix.size(), fileName.size() - kFilePrefix.size() - kFileEnding.size());
    if (digits.front() < '1' || digits.front() > '9') return std::nullopt;
    std::int64_t pid = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return pid;
}

bool isRunningProgram(std::int64_t pid, std::string_view programName) {
    if (pid <= 0) return false;
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!comm || !std::getline(comm, name)) return false;
    // The kernel keeps the first 15 bytes of the name.
    if (name != programName.substr(0, 15)) return false;
    // A killed process nobody has waited for yet is a zombie: it runs no more.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!stat || !std::getline(stat, line)) return false;
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z' &&
           line[close + 2] != 'X';
}

} // namespace zel
