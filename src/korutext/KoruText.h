// The hypertext label's text as the control keeps it: code page 932 bytes with the
// hot-spot table built from them, and the UTF-8 views the host reads back
// (hot-spot keys and texts, the plain text).
#pragma once

#include "korutext/KoruTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace zel::koru {

class KoruText {
  public:
    // Sets the markup from UTF-8. A character that code page 932 cannot hold becomes
    // "?". Returns false when the bytes did not change (setting the same text again).
    bool setText(std::string_view utf8);
    // Sets the markup as code page 932 bytes, taken as they are.
    bool setBytes(std::string bytes);

    const std::string& bytes() const { return m_bytes; }
    std::string text() const; // UTF-8

    const std::vector<Hotspot>& hotspots() const { return m_hotspots; }
    int hotspotCount() const { return static_cast<int>(m_hotspots.size()); }
    // Key and visible markup of hot spot n in UTF-8; empty for an unknown number.
    std::string hotspotKey(int n) const;
    std::string hotspotText(int n) const;
    HotspotKind hotspotKind(int n) const;

    // The text without markup, UTF-8 (CR LF where a heading starts or ends).
    std::string rawText() const;

  private:
    std::string m_bytes;
    std::vector<Hotspot> m_hotspots;
};

} // namespace zel::koru
