// The layout engine's measuring interface answered with Qt fonts: a font
// description becomes a QFont, code page 932 runs are measured as Unicode text.
#pragma once

#include "korutext/TextMetrics.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>

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
    // The layout measures many runs in one font in a row: keep the last one.
    const QFontMetrics& metricsFor(const FontDesc& font) const;
    mutable FontDesc m_cachedDesc;
    mutable std::optional<QFontMetrics> m_cached;
};

} // namespace zel::koru
