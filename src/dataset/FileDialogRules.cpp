// The window-free rules of the file dialogs.
#include "dataset/FileDialogRules.h"

#include "common/Cp932.h"
#include "common/NumberText.h"
#include "dataset/Dataset.h"

#include <cctype>
#include <cmath>

namespace zel {

namespace {

// Splits UTF-8 text into its code points (a malformed byte stands for itself).
std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 1;
        char32_t cp = b;
        if (b >= 0xF0 && b < 0xF8) {
            len = 4;
            cp = b & 0x07;
        } else if (b >= 0xE0) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xC0) {
            len = 2;
            cp = b & 0x1F;
        }
        if (len > 1) {
            bool ok = i + static_cast<std::size_t>(len) <= s.size();
            for (int k = 1; ok && k < len; ++k) {
                const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
                if ((c & 0xC0) != 0x80)
                    ok = false;
                else
                    cp = (cp << 6) | (c & 0x3F);
            }
            if (!ok) {
                len = 1;
                cp = b;
            }
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(len);
    }
    return out;
}

// Byte offset of each code point's start in s, plus s.size() at the end.
std::vector<std::size_t> codePointStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(s.size());
    return starts;
}

char32_t foldCase(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}

// Wildcard match with '*' and '?', iterative with one back-track point.
bool wildcardMatch(const std::vector<char32_t>& name, const std::vector<char32_t>& pat) {
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && (pat[p] == U'?' || foldCase(pat[p]) == foldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pat.size() && pat[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == U'*')
        ++p;
    return p == pat.size();
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// True when ancestor is folder itself or one of its ancestors.
bool holds(std::string_view ancestor, std::string_view folder) {
    if (ancestor.empty() || folder.size() < ancestor.size()) return false;
    if (folder.substr(0, ancestor.size()) != ancestor) return false;
    if (folder.size() == ancestor.size() || ancestor.back() == '/') return true;
    return folder[ancestor.size()] == '/';
}

} // namespace

std::string filePattern(bool qcsChecked, bool qcnChecked) {
    if (qcsChecked && qcnChecked) return "*.QCS;*.QCN";
    if (qcsChecked) return "*.QCS";
    if (qcnChecked) return "*.QCN";
    return "*.*";
}

bool matchesPattern(std::string_view fileName, std::string_view pattern) {
    const std::vector<char32_t> name = codePoints(fileName);
    std::size_t start = 0;
    while (start <= pattern.size()) {
        std::size_t end = pattern.find(';', start);
        if (end == std::string_view::npos) end = pattern.size();
        const std::string_view part = pattern.substr(start, end - start);
        if (!part.empty()) {
            // "*.*" stands for every file, with or without a dot.
            if (part == "*.*" || wildcardMatch(name, codePoints(part))) return true;
        }
        start = end + 1;
    }
    return false;
}

std::string nameFromFileClick(std::string_view fileName) {
    const std::vector<std::size_t> starts = codePointStarts(fileName);
    const std::size_t count = starts.size() - 1;
    if (count >= 4 && fileName[starts[count - 4]] == '.')
        return std::string(fileName.substr(0, starts[count - 4]));
    return std::string(fileName);
}

std::string datasetName(std::string_view name) {
    static constexpr std::string_view kEndings[] = {".QCS", ".QCN", ".QCK"};
    if (name.size() <= 4) return std::string(name);
    const std::string_view tail = name.substr(name.size() - 4);
    for (const std::string_view ending : kEndings) {
        bool same = true;
        for (std::size_t i = 0; i < 4 && same; ++i)
            same = std::toupper(static_cast<unsigned char>(tail[i])) == ending[i];
        if (same) return std::string(name.substr(0, name.size() - 4));
    }
    return std::string(name);
}

std::string basePathFor(std::string_view folder, std::string_view name) {
    std::string base(folder);
    if (base.empty() || base.back() != '/') base += '/';
    base += name;
    return base;
}

NameCheck checkFileName(std::string_view name) {
    if (name.empty()) return NameCheck::Empty;
    if (isSeparator(name.back())) return NameCheck::EndsInSeparator;
    for (const char c : name)
        if (isSeparator(c)) return NameCheck::HasSeparator;
    return NameCheck::Usable;
}

std::string driveText(std::string_view path) {
    const std::vector<std::size_t> starts = codePointStarts(path);
    const std::size_t count = starts.size() - 1;
    return std::string(path.substr(0, starts[count < 2 ? count : 2]));
}

std::string driveOfFolder(const std::vector<std::string>& roots, std::string_view folder) {
    std::string best;
    for (const std::string& root : roots)
        if (holds(root, folder) && root.size() > best.size()) best = root;
    return best;
}

std::string rootForDrive(const std::vector<std::string>& roots, std::string_view storedDrive,
                         std::string_view folder) {
    if (!folder.empty()) {
        std::string holding = driveOfFolder(roots, folder);
        if (!holding.empty()) return holding;
    }
    if (storedDrive.empty()) return {};
    for (const std::string& root : roots)
        if (driveText(root) == storedDrive) return root;
    return {};
}

std::vector<std::string> folderChain(std::string_view folder) {
    std::vector<std::string> chain;
    if (folder.empty()) return chain;
    if (folder.front() == '/') chain.emplace_back("/");
    std::size_t pos = 0;
    while (pos < folder.size()) {
        while (pos < folder.size() && folder[pos] == '/')
            ++pos;
        if (pos >= folder.size()) break;
        std::size_t end = folder.find('/', pos);
        if (end == std::string_view::npos) end = folder.size();
        chain.emplace_back(folder.substr(0, end));
        pos = end;
    }
    return chain;
}

SampleCount checkSampleCount(std::string_view text) {
    const double typed = lenientParse(text);
    if (std::isnan(typed) || typed < 2) return {SampleCountCheck::TooFew, 0};
    const double rounded = roundHalfEven(typed);
    if (rounded > Dataset::kMaxCount) return {SampleCountCheck::TooMany, 0};
    return {SampleCountCheck::Ok, static_cast<int>(rounded)};
}

std::string defaultVariableName(int j) {
    const int code = 64 + j;
    if (code < 0x20 || code > 0xFF || code == 0x7F) return {};
    const std::string byte(1, static_cast<char>(code));
    std::string text = cp932ToUtf8(byte);
    // U+FFFD: the code page has no character for this code.
    if (text == "\xEF\xBF\xBD" || text.empty()) return {};
    // A control character is no name either.
    const std::vector<char32_t> cps = codePoints(text);
    if (cps.size() != 1 || cps[0] < 0x20 || (cps[0] >= 0x7F && cps[0] < 0xA0)) return {};
    return text;
}

std::string deleteQuestion(const std::vector<std::string>& existingPaths) {
    if (existingPaths.empty()) return {};
    std::string text = "以下のファイルを削除します。";
    text += '\r';
    for (const std::string& path : existingPaths) {
        text += path;
        text += '\r';
    }
    text += "よろしいですか？";
    return text;
}

std::string savedInPlaceNotice(std::string_view basePath) {
    std::string text = "フィル名 ";
    text += basePath;
    text += " に保存を行いました。";
    return text;
}

} // namespace zel
