// The measuring interface the layout engine works against. The widget supplies one
// backed by the screen fonts; tests supply fixed-width metrics.
#pragma once

#include "korutext/KoruTypes.h"

#include <string_view>

namespace zel::koru {

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // Ascent, descent, external leading and average character width of a font.
    virtual FontMetrics fontMetrics(const FontDesc& font) const = 0;
    // Width in pixels of a run of code page 932 bytes in the given font.
    virtual int textWidth(const FontDesc& font, std::string_view bytes) const = 0;
};

} // namespace zel::koru
