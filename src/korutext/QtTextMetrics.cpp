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

const QFontMetrics& QtTextMetrics::metricsFor(const FontDesc& font, std::size_t* index) const {
    for (std::size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i].first == font) {
            if (index) *index = i;
            return m_fonts[i].second;
        }
    std::size_t slot = m_fonts.size();
    if (slot < kFontSlots) {
        m_fonts.emplace_back(font, QFontMetrics(toQFont(font)));
    } else {
        // Reusing a slot: the widths measured in its old font are no longer valid.
        slot = m_nextSlot;
        m_nextSlot = (m_nextSlot + 1) % kFontSlots;
        m_fonts[slot] = {font, QFontMetrics(toQFont(font))};
        m_widths.clear();
    }
    if (index) *index = slot;
    return m_fonts[slot].second;
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
    std::size_t slot = 0;
    const QFontMetrics& fm = metricsFor(font, &slot);
    const bool shortRun = bytes.size() <= 64;
    std::string key;
    if (shortRun) {
        key.reserve(bytes.size() + 1);
        key.push_back(static_cast<char>(slot));
        key.append(bytes);
        if (const auto it = m_widths.find(key); it != m_widths.end()) return it->second;
    }
    // Plain ASCII needs no code-page conversion.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    const int width = fm.horizontalAdvance(ascii ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                                                 : decode(bytes));
    if (shortRun) {
        if (m_widths.size() >= kMaxCachedWidths) m_widths.clear();
        m_widths.emplace(std::move(key), width);
    }
    return width;
}

} // namespace zel::koru
