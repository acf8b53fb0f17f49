// KoruIniFile: a settings file of the classic kind ("[section]" lines and
// "key=value" lines), read and edited line by line so that writing one value
// keeps every other line of the file as it was. Section and key names compare
// without regard to case; values are trimmed and lose one pair of quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::koru {

class KoruIniFile {
  public:
    KoruIniFile() = default;
    static KoruIniFile parse(std::string_view text);

    // The first value of key in the first section of that name.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Replaces the value in place or adds the key (and the section) at the end.
    // A value is kept to its first line: a line break cannot start a new key.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with its keys; false when there was none.
    bool removeSection(std::string_view section);
    std::vector<std::string> keys(std::string_view section) const;

    // The file's text, one line per entry, each ending with a line feed.
    std::string text() const;

  private:
    // Index of the header line of the first section of that name, or -1.
    long findSection(std::string_view section) const;
    // One past the last line of the section whose header is at index h.
    std::size_t sectionEnd(std::size_t h) const;

    std::vector<std::string> m_lines;
};

} // namespace zel::koru
