// The settings store of the running program: an INI file at
// $XDG_CONFIG_HOME/ZEL/ZEL.ini (~/.config/ZEL/ZEL.ini when XDG_CONFIG_HOME is
// not set). A section is an INI group.
#pragma once

#include "common/SettingsStore.h"

#include <QString>

#include <memory>

class QSettings;

namespace zel {

class QSettingsStore : public SettingsStore {
  public:
    // The store at the per-user location.
    QSettingsStore();
    // A store in the given INI file (tests).
    explicit QSettingsStore(const QString& iniPath);
    ~QSettingsStore() override;

    // Where the per-user store lives.
    static QString defaultPath();
    QString path() const;

    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultText) const override;
    using SettingsStore::read;
    void write(const std::string& section, const std::string& key, const std::string& text) override;
    void deleteSection(const std::string& section) override;
    bool contains(const std::string& section, const std::string& key) const override;

  private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace zel
