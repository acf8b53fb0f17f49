// The recent-files list of the File menu: the last datasets opened or saved,
// newest first, kept in the settings store between runs. Each entry is the
// full path of a dataset's values file (".QCS").
#pragma once

#include "common/SettingsStore.h"

#include <string>
#include <vector>

namespace zel {

class RecentFiles {
  public:
    // The list holds at most this many datasets.
    static constexpr int kMaxEntries = 8;
    // The store's section; its keys are File1 (newest) to File8.
    static constexpr const char* kSection = "RecentFiles";

    // The stored list. Empty keys, repeats and keys beyond the eighth are left out.
    static RecentFiles read(const SettingsStore& store);
    // Replaces the stored list with this one.
    void write(SettingsStore& store) const;

    // Puts path first. The same file listed already moves up instead of
    // appearing twice; the oldest entry beyond the eighth drops out.
    void add(const std::string& path);
    // Takes path off the list; false when it was not listed.
    bool remove(const std::string& path);

    const std::vector<std::string>& paths() const { return m_paths; }

  private:
    std::vector<std::string> m_paths;
};

// The store's key of the entry at index (0 = newest): "File1" ...
std::string recentFileKey(int index);

// The menu text of the entry at index (0 = newest): "&1 name.QCS". An '&' in
// the file name is doubled so that it shows rather than marking a shortcut.
std::string recentFileMenuText(int index, const std::string& path);

} // namespace zel
