// Page layout of a printed table: the header and footer markup ("/c" centres
// what follows on its line, "/n" starts a new line, "/P" is the page number,
// everything else prints as it stands) and the split of a table's rows and
// columns into pages, with the heading row and heading column on every page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zel {

// One line of a page header or footer: the part printed from the left edge and
// the part centred on the page (either may be empty).
struct MarkupLine {
    std::string left;
    std::string centre;
    bool operator==(const MarkupLine&) const = default;
};

// Expands header or footer markup for one page. An empty markup gives no lines;
// a trailing "/n" gives a last empty line. "//" prints one slash, so that a text
// put in with escapePrintMarkup() prints as it stands.
std::vector<MarkupLine> expandPrintMarkup(std::string_view markup, int pageNumber);

// Doubles every slash, so that a file path such as "/home/a/Plan/new" prints
// literally instead of its "/P" and "/n" turning into a page number and a line break.
std::string escapePrintMarkup(std::string_view text);

// A run of table columns or rows, 1-based and inclusive. An empty span
// (last < first) stands for a table without rows or columns.
struct Span {
    int first = 1;
    int last = 0;
    int count() const { return last >= first ? last - first + 1 : 0; }
    bool operator==(const Span&) const = default;
};

// Splits items of the given sizes (item i + 1 has sizes[i]) into consecutive
// bands that fit in `available`. Each band holds at least one item, so an item
// larger than `available` gets a band of its own. No items give one empty span.
std::vector<Span> splitIntoBands(const std::vector<double>& sizes, double available);

// Which columns and rows one printed page holds.
struct PageCells {
    Span columns;
    Span rows;
};

// The pages of a table. Pages run down the rows first, then across to the next
// band of columns; page numbers start at 1.
class PagePlan {
  public:
    PagePlan() = default;
    PagePlan(std::vector<Span> columnBands, std::vector<Span> rowBands);

    int pageCount() const;
    // Page 1..pageCount().
    PageCells page(int pageNumber) const;
    const std::vector<Span>& columnBands() const { return m_columnBands; }
    const std::vector<Span>& rowBands() const { return m_rowBands; }

  private:
    std::vector<Span> m_columnBands;
    std::vector<Span> m_rowBands;
};

// Plans the pages of a table whose data columns and rows have the given sizes.
// The heading column and heading row are printed on every page, so they take
// their size from every page's width and height before the data is split.
PagePlan planPages(const std::vector<double>& columnWidths, const std::vector<double>& rowHeights,
                   double headingColumnWidth, double headingRowHeight, double pageWidth, double pageHeight);

} // namespace zel
