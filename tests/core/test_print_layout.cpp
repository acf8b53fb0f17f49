// Tests of the printed page layout: header and footer markup and the split of a
// table into pages with the headings on every page.
#include "presentation/PrintLayout.h"

#include <gtest/gtest.h>

#include <vector>

using zel::expandPrintMarkup;
using zel::MarkupLine;
using zel::PagePlan;
using zel::planPages;
using zel::Span;
using zel::splitIntoBands;

TEST(PrintMarkup, CentresAfterSlashCOnItsLineOnly) {
    const auto lines = expandPrintMarkup("/c ZEL_DATA /n file name《/home/a/DATA1》/n", 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (MarkupLine{"", " ZEL_DATA "}));
    // After "/n" the text starts at the left again.
    EXPECT_EQ(lines[1], (MarkupLine{" file name《/home/a/DATA1》", ""}));
    // The trailing "/n" leaves an empty last line.
    EXPECT_EQ(lines[2], (MarkupLine{"", ""}));
}

TEST(PrintMarkup, PageNumberAndOtherCharactersAsTheyStand) {
    EXPECT_EQ(expandPrintMarkup("/c Page _/P", 1), (std::vector<MarkupLine>{{"", " Page _1"}}));
    EXPECT_EQ(expandPrintMarkup("/c Page _/P", 12), (std::vector<MarkupLine>{{"", " Page _12"}}));
    // Left text before the centre mark stays on the left of the same line.
    EXPECT_EQ(expandPrintMarkup("a/P/cb/P", 3), (std::vector<MarkupLine>{{"a3", "b3"}}));
    // Unknown codes, lower-case p, a lone trailing slash and paths print as written.
    EXPECT_EQ(expandPrintMarkup("/x/p /usr/", 2), (std::vector<MarkupLine>{{"/x/p /usr/", ""}}));
    EXPECT_TRUE(expandPrintMarkup("", 1).empty());
    EXPECT_EQ(expandPrintMarkup("/n", 1), (std::vector<MarkupLine>{{"", ""}, {"", ""}}));
}

TEST(PrintMarkup, EscapedPathsPrintLiterally) {
    // Folders named like the codes: "/Plan" would be a page number, "/new" a line
    // break and "/c" a centring mark.
    const std::string path = "/home/a/Plan/new/c/DATA1";
    EXPECT_EQ(zel::escapePrintMarkup(path), "//home//a//Plan//new//c//DATA1");
    const auto lines =
        expandPrintMarkup("/c ZEL_DATA /n file name《" + zel::escapePrintMarkup(path) + "》/n", 4);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].left, " file name《/home/a/Plan/new/c/DATA1》");
    EXPECT_EQ(expandPrintMarkup("a//b", 1), (std::vector<MarkupLine>{{"a/b", ""}}));
    EXPECT_EQ(zel::escapePrintMarkup(""), "");
}

TEST(PrintBands, SplitWhereTheNextItemNoLongerFits) {
    // 10 + 10 + 10 fit in 30; the fourth starts a new band.
    EXPECT_EQ(splitIntoBands({10, 10, 10, 10, 10}, 30), (std::vector<Span>{{1, 3}, {4, 5}}));
    // Exactly filling the space is allowed.
    EXPECT_EQ(splitIntoBands({15, 15, 15, 15}, 30), (std::vector<Span>{{1, 2}, {3, 4}}));
    // An item larger than the space gets a band of its own, never an empty band.
    EXPECT_EQ(splitIntoBands({5, 50, 5}, 30), (std::vector<Span>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(splitIntoBands({5, 5}, 0), (std::vector<Span>{{1, 1}, {2, 2}}));
    // No items: one empty band, so that a page with the headings still prints.
    const auto none = splitIntoBands({}, 30);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].count(), 0);
}

TEST(PrintBands, EveryItemInExactlyOneBandInOrder) {
    std::vector<double> sizes;
    for (int i = 0; i < 1000; ++i)
        sizes.push_back(1 + (i * 7) % 13);
    const auto bands = splitIntoBands(sizes, 40);
    int next = 1;
    for (const Span& band : bands) {
        EXPECT_EQ(band.first, next);
        double used = 0;
        for (int i = band.first; i <= band.last; ++i)
            used += sizes[static_cast<std::size_t>(i - 1)];
        EXPECT_LE(used, 40);
        next = band.last + 1;
    }
    EXPECT_EQ(next, 1001);
}

TEST(PagePlanning, HeadingsTakeTheirShareOfEveryPage) {
    // Page 100 x 50; heading column 20 and heading row 10 leave 80 x 40 for data.
    const std::vector<double> cols(6, 30);  // two per page: 3 column bands
    const std::vector<double> rows(10, 10); // four per page: 3 row bands
    const PagePlan plan = planPages(cols, rows, 20, 10, 100, 50);
    EXPECT_EQ(plan.columnBands(), (std::vector<Span>{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(plan.rowBands(), (std::vector<Span>{{1, 4}, {5, 8}, {9, 10}}));
    ASSERT_EQ(plan.pageCount(), 9);
    // Down the rows first, then across to the next columns.
    EXPECT_EQ(plan.page(1).columns, (Span{1, 2}));
    EXPECT_EQ(plan.page(1).rows, (Span{1, 4}));
    EXPECT_EQ(plan.page(3).rows, (Span{9, 10}));
    EXPECT_EQ(plan.page(3).columns, (Span{1, 2}));
    EXPECT_EQ(plan.page(4).columns, (Span{3, 4}));
    EXPECT_EQ(plan.page(4).rows, (Span{1, 4}));
    EXPECT_EQ(plan.page(9).columns, (Span{5, 6}));
    EXPECT_EQ(plan.page(9).rows, (Span{9, 10}));
}

TEST(PagePlanning, SmallAndEmptyTables) {
    const PagePlan one = planPages({10, 10}, {5, 5, 5}, 10, 5, 100, 100);
    EXPECT_EQ(one.pageCount(), 1);
    EXPECT_EQ(one.page(1).columns, (Span{1, 2}));
    EXPECT_EQ(one.page(1).rows, (Span{1, 3}));

    const PagePlan empty = planPages({}, {}, 10, 5, 100, 100);
    EXPECT_EQ(empty.pageCount(), 1);
    EXPECT_EQ(empty.page(1).columns.count(), 0);
    EXPECT_EQ(empty.page(1).rows.count(), 0);

    // Headings wider than the page still give one column per page, not a loop
    // of empty pages.
    const PagePlan cramped = planPages({10, 10, 10}, {5}, 200, 5, 100, 100);
    EXPECT_EQ(cramped.pageCount(), 3);
}

TEST(PagePlanning, FullSizeSheetPlansQuickly) {
    // 32767 rows by 100 columns: the plan only holds bands, not cells.
    const std::vector<double> cols(100, 60);
    const std::vector<double> rows(32767, 12);
    const PagePlan plan = planPages(cols, rows, 60, 12, 600, 800);
    EXPECT_EQ(plan.columnBands().size(), 12u); // 9 columns per page (540 / 60)
    EXPECT_EQ(plan.rowBands().size(), 505u);   // 65 rows per page (788 / 12)
    EXPECT_EQ(plan.pageCount(), 12 * 505);
    EXPECT_EQ(plan.page(plan.pageCount()).rows.last, 32767);
    EXPECT_EQ(plan.page(plan.pageCount()).columns.last, 100);
}
