// The recent-files list and its menu texts.
#include "app/RecentFiles.h"

#include <algorithm>
#include <filesystem>

namespace zel {

namespace {

// One spelling per file: "/a/./b/../c.QCS" and "/a/c.QCS" are the same entry.
std::string normalPath(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

} // namespace

std::string recentFileKey(int index) {
    return "File" + std::to_string(index + 1);
}

RecentFiles RecentFiles::read(const SettingsStore& store) {
    RecentFiles list;
    // Read newest last so that add() leaves the newest first and drops repeats.
    for (int i = kMaxEntries - 1; i >= 0; --i) {
        const std::string path = store.read(kSection, recentFileKey(i), std::string());
        if (!path.empty()) list.add(path);
    }
    return list;
}

void RecentFiles::write(SettingsStore& store) const {
    store.deleteSection(kSection);
    for (std::size_t i = 0; i < m_paths.size(); ++i)
        store.write(kSection, recentFileKey(static_cast<int>(i)), m_paths[i]);
}

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    const std::string entry = normalPath(path);
    remove(entry);
    m_paths.insert(m_paths.begin(), entry);
    if (m_paths.size() > static_cast<std::size_t>(kMaxEntries)) m_paths.resize(kMaxEntries);
}

bool RecentFiles::remove(const std::string& path) {
    const auto it = std::find(m_paths.begin(), m_paths.end(), normalPath(path));
    if (it == m_paths.end()) return false;
    m_paths.erase(it);
    return true;
}

std::string recentFileMenuText(int index, const std::string& path) {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (const char c : std::filesystem::path(path).filename().string()) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

} // namespace zel
