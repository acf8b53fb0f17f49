// libFuzzer target for the recent-files list read from the settings store: each
// input line is the stored text of one key, File1 to File9. Whatever is stored,
// the list holds at most eight entries, none empty and none twice, writes back
// to the same list, keeps a re-added entry first, and gives each a menu text
// numbered from &1.
#include "app/RecentFiles.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::MemorySettingsStore store;
    for (int i = 0; i <= zel::RecentFiles::kMaxEntries && !bytes.empty(); ++i) {
        const std::size_t eol = bytes.find('\n');
        store.write(zel::RecentFiles::kSection, zel::recentFileKey(i), std::string(bytes.substr(0, eol)));
        bytes = eol == std::string_view::npos ? std::string_view() : bytes.substr(eol + 1);
    }

    zel::RecentFiles list = zel::RecentFiles::read(store);
    const auto& paths = list.paths();
    if (paths.size() > static_cast<std::size_t>(zel::RecentFiles::kMaxEntries)) std::abort();
    if (std::set<std::string>(paths.begin(), paths.end()).size() != paths.size()) std::abort();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (paths[i].empty()) std::abort();
        const std::string prefix = "&" + std::to_string(i + 1) + " ";
        if (zel::recentFileMenuText(static_cast<int>(i), paths[i]).rfind(prefix, 0) != 0) std::abort();
    }

    zel::MemorySettingsStore copy;
    list.write(copy);
    if (zel::RecentFiles::read(copy).paths() != paths) std::abort();

    if (!paths.empty()) {
        const std::string last = paths.back();
        const std::size_t count = paths.size();
        list.add(last);
        if (list.paths().front() != last || list.paths().size() != count) std::abort();
        if (!list.remove(list.paths().front()) || list.paths().size() != count - 1) std::abort();
    }
    return 0;
}
