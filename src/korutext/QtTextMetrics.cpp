// Qt-backed text metrics for the hypertext label.
#include "korutext/QtTextMetrics.h"

#include "common/Cp932.h"

#include <QFontInfo>

#include <algorithm>

namespace zel::koru {

QFont QtTextMetrics::toQFont(const FontDesc& font) {
    QFont f;
    if (!font.face.empty()) f.setFamily(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.height));
    f.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

FontDesc QtTextMetrics::fromQFont(const QFont& font) {
    FontDesc d;
    d.face = font.family().toStdString();
    d.height = std::max(1, QFontInfo(font).pixelSize());
    d.weight = font.bold() ? 700 : 400;
    d.italic = font.italic();
    d.underline = font.underline();
    d.strikeOut = font.strikeOut();
    return d;
}

QString QtTextMetrics::decode(std::string_view bytes) {
    return QString::fromStdString(cp932ToUtf8(bytes));
}

const QFontMetrics& QtTextMetrics::metricsFor(const FontDesc& font) const {
    if (!m_cached || !(m_cachedDesc == font)) {
        m_cached.emplace(toQFont(font));
        m_cachedDesc = font;
    }
    return *m_cached;
}

FontMetrics QtTextMetrics::fontMetrics(const FontDesc& font) const {
    const QFontMetrics& fm = metricsFor(font);
    FontMetrics m;
    m.ascent = fm.ascent();
    m.descent = fm.descent();
    m.externalLeading = std::max(0, fm.leading());
    m.averageCharWidth = std::max(1, fm.averageCharWidth());
    return m;
}

int QtTextMetrics::textWidth(const FontDesc& font, std::string_view bytes) const {
    if (bytes.empty()) return 0;
    return metricsFor(font).horizontalAdvance(decode(bytes));
}

} // namespace zel::koru
