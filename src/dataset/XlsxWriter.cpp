// The workbook writer over libxlsxwriter. Rows go out in order through its
// constant-memory mode, so a sheet of the largest dataset needs no more memory
// than one row; texts are written as inline strings.
#include "dataset/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cmath>
#include <memory>

namespace zel {

namespace {

constexpr const char* kLabelHeading = "データラベル";
constexpr const char* kMaskHeading = "マスク";
constexpr std::size_t kMaxCellText = 32767; // characters a cell holds

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const { workbook_close(wb); }
};

Status writeError(const std::string& path, lxw_error e) {
    return Status::ioError("「" + path + "」を書き込めません: " + lxw_strerror(e));
}

// Characters of UTF-8 text (not bytes), as the cell limit counts them.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

Status writeXlsx(const Dataset& ds, const std::string& path) {
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    // Everything a workbook cannot hold is refused before the file is touched.
    for (int j = 1; j <= k; ++j)
        if (characters(ds.name(j)) > kMaxCellText)
            return Status::invalidArgument("変数 " + std::to_string(j) + " の変数名が長すぎます（" +
                                           std::to_string(kMaxCellText) + " 文字まで）。");
    for (int i = 1; i <= n; ++i) {
        if (characters(ds.label(i)) > kMaxCellText)
            return Status::invalidArgument("サンプル " + std::to_string(i) + " のデータラベルが長すぎます（" +
                                           std::to_string(kMaxCellText) + " 文字まで）。");
        for (int j = 1; j <= k; ++j)
            if (!std::isfinite(ds.value(i, j)))
                return Status::invalidArgument("サンプル " + std::to_string(i) + "、変数 " + std::to_string(j) +
                                               " の値が有限の数値ではありません。");
    }

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new_opt(path.c_str(), &options));
    if (!wb) return Status::ioError("「" + path + "」を作れません。");
    lxw_worksheet* sheet = workbook_add_worksheet(wb.get(), nullptr);
    if (!sheet) return Status::ioError("「" + path + "」にシートを作れません。");

    lxw_error e = worksheet_write_string(sheet, 0, 0, kLabelHeading, nullptr);
    if (e == LXW_NO_ERROR) e = worksheet_write_string(sheet, 0, 1, kMaskHeading, nullptr);
    for (int j = 1; j <= k && e == LXW_NO_ERROR; ++j)
        if (!ds.name(j).empty())
            e = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(j + 1), ds.name(j).c_str(), nullptr);
    for (int i = 1; i <= n && e == LXW_NO_ERROR; ++i) {
        const auto row = static_cast<lxw_row_t>(i);
        if (!ds.label(i).empty()) e = worksheet_write_string(sheet, row, 0, ds.label(i).c_str(), nullptr);
        if (e == LXW_NO_ERROR) e = worksheet_write_number(sheet, row, 1, ds.mask(i), nullptr);
        for (int j = 1; j <= k && e == LXW_NO_ERROR; ++j)
            e = worksheet_write_number(sheet, row, static_cast<lxw_col_t>(j + 1), ds.value(i, j), nullptr);
    }
    if (e != LXW_NO_ERROR) return writeError(path, e);
    e = workbook_close(wb.release());
    if (e != LXW_NO_ERROR) return writeError(path, e);
    return Status::ok();
}

} // namespace zel
