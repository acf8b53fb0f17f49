// The per-user settings store: text values addressed by section and key under
// the application "ZEL". The Qt layer keeps it in an INI file; tests use the
// in-memory store.
#pragma once

#include <map>
#include <string>

namespace zel {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultText when the key is missing.
    virtual std::string read(const std::string& section, const std::string& key,
                             const std::string& defaultText) const = 0;
    virtual void write(const std::string& section, const std::string& key, const std::string& text) = 0;
    // Removes every key of the section; a missing section is not an error.
    virtual void deleteSection(const std::string& section) = 0;
    virtual bool contains(const std::string& section, const std::string& key) const = 0;

    // A default handed over as a number: its general number text is the default text.
    std::string read(const std::string& section, const std::string& key, double defaultValue) const;
    // Reads a number; a leading blank is allowed. A stored text that is not a
    // number gives the default.
    double readNumber(const std::string& section, const std::string& key, double defaultValue) const;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultText) const override;
    using SettingsStore::read;
    void write(const std::string& section, const std::string& key, const std::string& text) override;
    void deleteSection(const std::string& section) override;
    bool contains(const std::string& section, const std::string& key) const override;

    const std::map<std::string, std::map<std::string, std::string>>& sections() const { return m_sections; }

private:
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

} // namespace zel
