// Shared helpers of the settings store and the in-memory store used by tests.
#include "common/SettingsStore.h"

#include "common/NumberText.h"

#include <charconv>

namespace zel {

std::string SettingsStore::read(const std::string& section, const std::string& key, double defaultValue) const {
    return read(section, key, generalNumberText(defaultValue));
}

double SettingsStore::readNumber(const std::string& section, const std::string& key, double defaultValue) const {
    if (!contains(section, key))
        return defaultValue;
    const std::string text = read(section, key, std::string());
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    std::size_t end = text.size();
    while (end > pos && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (pos < end && text[pos] == '+')
        ++pos;
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + pos, text.data() + end, value);
    if (ec != std::errc() || ptr != text.data() + end || pos == end) {
        // A leading-point fraction such as " .5" is still a number.
        if (pos < end && (text[pos] == '.' || (text[pos] == '-' && pos + 1 < end && text[pos + 1] == '.'))) {
            const bool negative = text[pos] == '-';
            std::string fixed = negative ? "-0" : "0";
            fixed.append(text, pos + (negative ? 1 : 0), end - pos - (negative ? 1 : 0));
            auto [p2, e2] = std::from_chars(fixed.data(), fixed.data() + fixed.size(), value);
            if (e2 == std::errc() && p2 == fixed.data() + fixed.size())
                return value;
        }
        return defaultValue;
    }
    return value;
}

std::string MemorySettingsStore::read(const std::string& section, const std::string& key,
                                      const std::string& defaultText) const {
    auto s = m_sections.find(section);
    if (s == m_sections.end())
        return defaultText;
    auto k = s->second.find(key);
    return k == s->second.end() ? defaultText : k->second;
}

void MemorySettingsStore::write(const std::string& section, const std::string& key, const std::string& text) {
    m_sections[section][key] = text;
}

void MemorySettingsStore::deleteSection(const std::string& section) { m_sections.erase(section); }

bool MemorySettingsStore::contains(const std::string& section, const std::string& key) const {
    auto s = m_sections.find(section);
    return s != m_sections.end() && s->second.count(key) != 0;
}

} // namespace zel
