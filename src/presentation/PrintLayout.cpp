// Page layout of a printed table: markup expansion and page planning.
#include "presentation/PrintLayout.h"

#include <algorithm>

namespace zel {

std::vector<MarkupLine> expandPrintMarkup(std::string_view markup, int pageNumber) {
    std::vector<MarkupLine> lines;
    if (markup.empty()) return lines;
    lines.emplace_back();
    bool centred = false;
    const std::string page = std::to_string(pageNumber);
    auto out = [&]() -> std::string& { return centred ? lines.back().centre : lines.back().left; };
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char ch = markup[i];
        if (ch == '/' && i + 1 < markup.size()) {
            const char code = markup[i + 1];
            if (code == '/') {
                out() += '/';
                ++i;
                continue;
            }
            if (code == 'c') {
                centred = true;
                ++i;
                continue;
            }
            if (code == 'n') {
                lines.emplace_back();
                centred = false; // a new line starts at the left again
                ++i;
                continue;
            }
            if (code == 'P') {
                out() += page;
                ++i;
                continue;
            }
        }
        out() += ch;
    }
    return lines;
}

std::string escapePrintMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char ch : text) {
        out += ch;
        if (ch == '/') out += '/';
    }
    return out;
}

std::vector<Span> splitIntoBands(const std::vector<double>& sizes, double available) {
    std::vector<Span> bands;
    const int n = static_cast<int>(sizes.size());
    if (n == 0) {
        bands.push_back(Span{1, 0});
        return bands;
    }
    int first = 1;
    double used = 0;
    for (int i = 1; i <= n; ++i) {
        const double size = std::max(0.0, sizes[static_cast<std::size_t>(i - 1)]);
        if (i > first && used + size > available) {
            bands.push_back(Span{first, i - 1});
            first = i;
            used = 0;
        }
        used += size;
    }
    bands.push_back(Span{first, n});
    return bands;
}

PagePlan::PagePlan(std::vector<Span> columnBands, std::vector<Span> rowBands)
    : m_columnBands(std::move(columnBands)), m_rowBands(std::move(rowBands)) {
    if (m_columnBands.empty()) m_columnBands.push_back(Span{1, 0});
    if (m_rowBands.empty()) m_rowBands.push_back(Span{1, 0});
}

int PagePlan::pageCount() const {
    return static_cast<int>(m_columnBands.size() * m_rowBands.size());
}

PageCells PagePlan::page(int pageNumber) const {
    const int count = pageCount();
    if (count == 0) return {};
    const int index = std::clamp(pageNumber, 1, count) - 1;
    const int rowBandCount = static_cast<int>(m_rowBands.size());
    return PageCells{m_columnBands[static_cast<std::size_t>(index / rowBandCount)],
                     m_rowBands[static_cast<std::size_t>(index % rowBandCount)]};
}

PagePlan planPages(const std::vector<double>& columnWidths, const std::vector<double>& rowHeights,
                   double headingColumnWidth, double headingRowHeight, double pageWidth, double pageHeight) {
    const double dataWidth = pageWidth - std::max(0.0, headingColumnWidth);
    const double dataHeight = pageHeight - std::max(0.0, headingRowHeight);
    return PagePlan(splitIntoBands(columnWidths, dataWidth), splitIntoBands(rowHeights, dataHeight));
}

} // namespace zel
