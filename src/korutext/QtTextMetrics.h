// The layout engine's measuring interface answered with Qt fonts: a font
// description becomes a QFont, code page 932 runs are measured as Unicode text.
#pragma once

#include "korutext/TextMetrics.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zel::koru {

class QtTextMetrics : public TextMetrics {
  public:
    FontMetrics fontMetrics(const FontDesc& font) const override;
    int textWidth(const FontDesc& font, std::string_view bytes) const override;

    // The Qt font for a font description (height in pixels).
    static QFont toQFont(const FontDesc& font);
    // The font description of a Qt font, with its height in pixels.
    static FontDesc fromQFont(const QFont& font);
    // Code page 932 bytes as a QString.
    static QString decode(std::string_view bytes);

  private:
    // The layout switches between a few fonts (normal, heading, bold, italic ...):
    // keep the metrics of the last few, and the widths of the runs measured lately
    // (words repeat; shaping the same word again is the expensive part).
    const QFontMetrics& metricsFor(const FontDesc& font, std::size_t* index = nullptr) const;
    static constexpr std::size_t kFontSlots = 8;
    static constexpr std::size_t kMaxCachedWidths = 1 << 15;
    mutable std::vector<std::pair<FontDesc, QFontMetrics>> m_fonts;
    mutable std::size_t m_nextSlot = 0;
    mutable std::unordered_map<std::string, int> m_widths; // key: font slot byte + bytes
};

} // namespace zel::koru
