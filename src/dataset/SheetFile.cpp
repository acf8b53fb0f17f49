// The spreadsheet file commands' reading and writing over the CSV and workbook
// readers and writers.
#include "dataset/SheetFile.h"

#include "dataset/SafeFile.h"
#include "dataset/XlsxReader.h"
#include "dataset/XlsxWriter.h"

#include <utility>

namespace zel {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view ext) {
    if (text.size() <= ext.size()) return false;
    const std::string_view tail = text.substr(text.size() - ext.size());
    for (std::size_t i = 0; i < ext.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

} // namespace

std::optional<SheetFormat> sheetFormatOf(std::string_view path) {
    if (endsWithNoCase(path, ".csv")) return SheetFormat::Csv;
    if (endsWithNoCase(path, ".xlsx")) return SheetFormat::Xlsx;
    return std::nullopt;
}

Result<SheetImport> readSheetFile(const std::string& path, const SheetReadOptions& options) {
    const std::optional<SheetFormat> format = options.format ? options.format : sheetFormatOf(path);
    if (!format)
        return Status::invalidArgument("「" + path + "」は CSV ファイル（.csv）でも XLSX ファイル（.xlsx）でもありません。");
    std::string bytes;
    if (Status s = readWholeFile(path, bytes); !s) return s;
    SheetImport in;
    in.format = *format;
    const auto failed = [&](const Status& s) { return Status::corruptInput(path + ": " + s.message()); };
    if (*format == SheetFormat::Xlsx) {
        XlsxReadInfo info;
        if (Status s = xlsxToDataset(bytes, in.dataset, options.layout, info); !s) return failed(s);
        in.layout = info.layout;
        in.sheetName = std::move(info.sheetName);
        in.rowNumbers = std::move(info.rowNumbers);
        return in;
    }
    CsvReadOptions csv;
    csv.encoding = options.encoding;
    csv.separator = options.separator;
    csv.layout = options.layout;
    CsvReadInfo info;
    if (Status s = csvToDataset(bytes, in.dataset, csv, info); !s) return failed(s);
    in.layout = info.layout;
    in.encoding = info.encoding;
    in.separator = info.separator;
    in.rowNumbers = std::move(info.rowLines);
    return in;
}

Status writeSheetFile(const Dataset& ds, const std::string& path, SheetFormat format, const CsvWriteOptions& csv) {
    if (isDirectory(path)) return Status::ioError("「" + path + "」はフォルダーです。");
    TempFile tmp;
    Status s;
    if (format == SheetFormat::Xlsx) {
        s = tmp.create(path);
        if (s) s = writeXlsx(ds, tmp.path());
    } else {
        Result<std::string> text = datasetToCsv(ds, csv);
        s = text ? tmp.write(path, *text) : text.status();
    }
    if (s) s = tmp.commit(path);
    return s;
}

} // namespace zel
