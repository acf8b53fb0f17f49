// The workbook writer over libxlsxwriter. Rows go out in order through its
// constant-memory mode, so a sheet of the largest dataset needs no more memory
// than one row; texts are written as inline strings.
//
// libxlsxwriter zips the package with the minizip library, and QuaZip (the
// workbook reader's zip library) exports minizip's function names too: in one
// process the dynamic linker would bind both to whichever came first, and one of
// them would crash. So the writer library is opened here with RTLD_DEEPBIND,
// which binds its calls to its own minizip, and kept out of the global names.
#include "dataset/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cmath>
#include <dlfcn.h>
#include <memory>

namespace zel {

namespace {

constexpr const char* kLabelHeading = "データラベル";
constexpr const char* kMaskHeading = "マスク";
constexpr std::size_t kMaxCellText = 32767; // characters a cell holds

// The functions of libxlsxwriter this writer calls.
struct XlsxWriterLibrary {
    decltype(&::workbook_new_opt) workbookNew = nullptr;
    decltype(&::workbook_add_worksheet) addWorksheet = nullptr;
    decltype(&::worksheet_write_string) writeString = nullptr;
    decltype(&::worksheet_write_number) writeNumber = nullptr;
    decltype(&::workbook_close) close = nullptr;
    decltype(&::lxw_strerror) errorText = nullptr;
    std::string failure; // why the library could not be loaded, or ""
};

template <class F> bool bind(void* handle, const char* name, F& f) {
    f = reinterpret_cast<F>(::dlsym(handle, name));
    return f != nullptr;
}

const XlsxWriterLibrary& library() {
    static const XlsxWriterLibrary lib = [] {
        XlsxWriterLibrary l;
        void* h = ::dlopen(ZEL_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
        if (!h) {
            const char* e = ::dlerror();
            l.failure = std::string("XLSX を書くライブラリ（" ZEL_XLSXWRITER_SONAME "）を読み込めません: ") +
                        (e ? e : "");
            return l;
        }
        if (!bind(h, "workbook_new_opt", l.workbookNew) || !bind(h, "workbook_add_worksheet", l.addWorksheet) ||
            !bind(h, "worksheet_write_string", l.writeString) || !bind(h, "worksheet_write_number", l.writeNumber) ||
            !bind(h, "workbook_close", l.close) || !bind(h, "lxw_strerror", l.errorText))
            l.failure = "XLSX を書くライブラリ（" ZEL_XLSXWRITER_SONAME "）に必要な関数がありません。";
        return l;
    }();
    return lib;
}

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const { library().close(wb); }
};

Status writeError(const std::string& path, lxw_error e) {
    return Status::ioError("「" + path + "」を書き込めません: " + library().errorText(e));
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

    const XlsxWriterLibrary& lxw = library();
    if (!lxw.failure.empty()) return Status::ioError(lxw.failure);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(lxw.workbookNew(path.c_str(), &options));
    if (!wb) return Status::ioError("「" + path + "」を作れません。");
    lxw_worksheet* sheet = lxw.addWorksheet(wb.get(), nullptr);
    if (!sheet) return Status::ioError("「" + path + "」にシートを作れません。");

    lxw_error e = lxw.writeString(sheet, 0, 0, kLabelHeading, nullptr);
    if (e == LXW_NO_ERROR) e = lxw.writeString(sheet, 0, 1, kMaskHeading, nullptr);
    for (int j = 1; j <= k && e == LXW_NO_ERROR; ++j)
        if (!ds.name(j).empty())
            e = lxw.writeString(sheet, 0, static_cast<lxw_col_t>(j + 1), ds.name(j).c_str(), nullptr);
    for (int i = 1; i <= n && e == LXW_NO_ERROR; ++i) {
        const auto row = static_cast<lxw_row_t>(i);
        if (!ds.label(i).empty()) e = lxw.writeString(sheet, row, 0, ds.label(i).c_str(), nullptr);
        if (e == LXW_NO_ERROR) e = lxw.writeNumber(sheet, row, 1, ds.mask(i), nullptr);
        for (int j = 1; j <= k && e == LXW_NO_ERROR; ++j)
            e = lxw.writeNumber(sheet, row, static_cast<lxw_col_t>(j + 1), ds.value(i, j), nullptr);
    }
    if (e != LXW_NO_ERROR) return writeError(path, e);
    e = lxw.close(wb.release());
    if (e != LXW_NO_ERROR) return writeError(path, e);
    return Status::ok();
}

} // namespace zel
