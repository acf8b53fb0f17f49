// Line-preserving reading and editing of a classic settings file.
#include "korutext/KoruIniFile.h"

#include <algorithm>
#include <cctype>

namespace zel::koru {

namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The section name of a header line, or nothing for another line.
std::optional<std::string_view> headerName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    line = trim(line);
    return !line.empty() && line.front() == ';';
}

// Splits "key=value"; nothing for a line without '='.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    if (isComment(line)) return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::make_pair(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
}

std::string_view firstLine(std::string_view s) {
    const auto br = s.find_first_of("\r\n");
    return br == std::string_view::npos ? s : s.substr(0, br);
}

} // namespace

KoruIniFile KoruIniFile::parse(std::string_view text) {
    KoruIniFile f;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view line = text.substr(pos, nl - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        f.m_lines.emplace_back(line);
        pos = nl + 1;
    }
    return f;
}

long KoruIniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i]);
        if (name && sameName(*name, section)) return static_cast<long>(i);
    }
    return -1;
}

std::size_t KoruIniFile::sectionEnd(std::size_t h) const {
    std::size_t i = h + 1;
    while (i < m_lines.size() && !headerName(m_lines[i]))
        ++i;
    return i;
}

std::optional<std::string> KoruIniFile::value(std::string_view section, std::string_view key) const {
    const long h = findSection(section);
    if (h < 0) return std::nullopt;
    const std::size_t end = sectionEnd(static_cast<std::size_t>(h));
    for (std::size_t i = static_cast<std::size_t>(h) + 1; i < end; ++i) {
        const auto kv = keyValue(m_lines[i]);
        if (!kv || !sameName(kv->first, key)) continue;
        std::string_view v = kv->second;
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        return std::string(v);
    }
    return std::nullopt;
}

bool KoruIniFile::hasSection(std::string_view section) const {
    return findSection(section) >= 0;
}

void KoruIniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(firstLine(value));
    const long h = findSection(section);
    if (h < 0) {
        if (!m_lines.empty() && !trim(m_lines.back()).empty()) m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(line));
        return;
    }
    const std::size_t end = sectionEnd(static_cast<std::size_t>(h));
    std::size_t last = static_cast<std::size_t>(h);
    for (std::size_t i = static_cast<std::size_t>(h) + 1; i < end; ++i) {
        const auto kv = keyValue(m_lines[i]);
        if (kv && sameName(kv->first, key)) {
            m_lines[i] = std::move(line);
            return;
        }
        if (!trim(m_lines[i]).empty()) last = i;
    }
    m_lines.insert(m_lines.begin() + static_cast<long>(last) + 1, std::move(line));
}

bool KoruIniFile::removeSection(std::string_view section) {
    bool removed = false;
    for (long h = findSection(section); h >= 0; h = findSection(section)) {
        std::size_t end = sectionEnd(static_cast<std::size_t>(h));
        // Take the blank lines before the next section along.
        m_lines.erase(m_lines.begin() + h, m_lines.begin() + static_cast<long>(end));
        removed = true;
    }
    while (!m_lines.empty() && trim(m_lines.back()).empty())
        m_lines.pop_back();
    return removed;
}

std::vector<std::string> KoruIniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    const long h = findSection(section);
    if (h < 0) return out;
    const std::size_t end = sectionEnd(static_cast<std::size_t>(h));
    for (std::size_t i = static_cast<std::size_t>(h) + 1; i < end; ++i)
        if (const auto kv = keyValue(m_lines[i])) out.emplace_back(kv->first);
    return out;
}

std::string KoruIniFile::text() const {
    std::string out;
    for (const std::string& l : m_lines) {
        out += l;
        out += '\n';
    }
    return out;
}

} // namespace zel::koru
