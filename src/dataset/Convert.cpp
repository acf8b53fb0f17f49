// The "--convert IN OUT" command: a dataset (names and values files) to CSV or a
// workbook and back. Every check is made before anything is written; outputs are written to
// temporary files beside their targets and renamed into place, so a failure leaves
// no partial file and any existing output as it was.
#include "dataset/Convert.h"

#include "common/Cp932.h"
#include "dataset/CsvFile.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/SafeFile.h"
#include "dataset/XlsxWriter.h"

#include <cmath>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zel {

namespace {

enum class PathKind { Dataset, Csv, Xlsx, Other };

bool endsWithNoCase(std::string_view path, std::string_view ext) {
    if (path.size() < ext.size()) return false;
    const std::string_view tail = path.substr(path.size() - ext.size());
    for (std::size_t i = 0; i < ext.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

PathKind kindOf(const std::string& path) {
    if (path.size() <= 4)
        return path.size() == 4 && endsWithNoCase(path, ".csv") ? PathKind::Csv : PathKind::Other;
    if (endsWithNoCase(path, ".qcs") || endsWithNoCase(path, ".qcn") || endsWithNoCase(path, ".qck"))
        return PathKind::Dataset;
    if (endsWithNoCase(path, ".csv")) return PathKind::Csv;
    if (endsWithNoCase(path, ".xlsx")) return PathKind::Xlsx;
    return PathKind::Other;
}

// One line per message: the reason texts of other readers may hold line breaks.
void report(std::ostream& err, const std::string& message) {
    std::string line = message;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    err << "zel32: " << line << '\n';
}

int usage(std::ostream& err) {
    report(err, "使い方: zel32 --convert 入力 出力");
    err << "zel32: 一方はデータセット（.QCS、.QCN、.QCK）、もう一方は CSV ファイル（.csv）または "
           "XLSX ファイル（.xlsx）を指定します。\n";
    return 2;
}

int datasetToSheetFile(const std::string& in, const std::string& out, PathKind outKind, std::ostream& err) {
    const std::string base = in.substr(0, in.size() - 4);
    const std::string namesPath = base + ".QCN";
    const std::string valuesPath = base + ".QCS";
    for (const std::string* p : {&namesPath, &valuesPath}) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(*p, ec)) {
            report(err, "データセットのファイル「" + *p + "」がありません。");
            return 2;
        }
    }
    Dataset ds;
    const DatasetReadResult read = readDataset(namesPath, valuesPath, ds);
    if (!read.status) {
        report(err, "データセット「" + base + "」を読み込めません: " + read.status.message());
        return 2;
    }
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    if (n < 1 || k < 1) {
        report(err, "データセット「" + base + "」にはサンプルまたは変数がありません。");
        return 2;
    }
    // Only what the sheet readers take back: masks 0 or 1 and finite values.
    for (int i = 1; i <= n; ++i) {
        if (ds.mask(i) != 0 && ds.mask(i) != 1) {
            report(err, "データセット「" + base + "」のサンプル " + std::to_string(i) +
                            " のマスクが 0 でも 1 でもありません（" + std::to_string(ds.mask(i)) + "）。");
            return 2;
        }
        for (int j = 1; j <= k; ++j) {
            if (!std::isfinite(ds.value(i, j))) {
                report(err, "データセット「" + base + "」のサンプル " + std::to_string(i) + "、変数 " +
                                std::to_string(j) + " の値が有限の数値ではありません。");
                return 2;
            }
        }
    }
    if (isDirectory(out)) {
        report(err, "「" + out + "」はフォルダーです。");
        return 2;
    }
    TempFile tmp;
    Status s;
    if (outKind == PathKind::Xlsx) {
        s = tmp.create(out);
        if (s) s = writeXlsx(ds, tmp.path());
    } else {
        s = tmp.write(out, datasetToCsv(ds));
    }
    if (s) s = tmp.commit(out);
    if (!s) {
        report(err, s.message());
        return 2;
    }
    return 0;
}

int sheetFileToDataset(const std::string& in, PathKind inKind, const std::string& out,
                       WorkbookReader readWorkbook, std::ostream& err) {
    if (inKind == PathKind::Xlsx && !readWorkbook) {
        report(err, "このプログラムは XLSX ファイルを読めません。");
        return 2;
    }
    std::string bytes;
    if (Status s = readWholeFile(in, bytes); !s) {
        report(err, s.message());
        return 2;
    }
    Dataset ds;
    std::vector<int> rowLines;
    SheetLayout layout = SheetLayout::Labelled;
    if (inKind == PathKind::Xlsx) {
        if (Status s = readWorkbook(bytes, ds, rowLines, layout); !s) {
            report(err, in + ": " + s.message());
            return 2;
        }
    } else {
        CsvReadInfo info;
        if (Status s = csvToDataset(bytes, ds, CsvReadOptions{}, info); !s) {
            report(err, in + ": " + s.message());
            return 2;
        }
        rowLines = std::move(info.rowLines);
        layout = info.layout;
    }
    bytes.clear();
    bytes.shrink_to_fit();
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    const auto sampleLine = [&](int i) { return rowLines[static_cast<std::size_t>(i)]; };
    const std::string source = inKind == PathKind::Xlsx ? "XLSX" : "CSV";
    // A plain sheet has no label and mask columns (and every label is "").
    const auto nameColumn = [&](int j) { return layout == SheetLayout::Labelled ? j + 2 : j; };
    const auto csvCell = [&](int line, int column) {
        return source + " の " + std::to_string(line) + " 行目 " + std::to_string(column) + " 列目";
    };

    // Every name and label must have a code page 932 form.
    for (int j = 1; j <= k; ++j) {
        if (auto r = utf8ToCp932(ds.name(j)); !r) {
            report(err, in + ": " + csvCell(sampleLine(0), nameColumn(j)) +
                            "の変数名をデータセットに保存できません: " + r.status().message());
            return 2;
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (auto r = utf8ToCp932(ds.label(i)); !r) {
            report(err, in + ": " + csvCell(sampleLine(i), 1) +
                            "のデータラベルをデータセットに保存できません: " + r.status().message());
            return 2;
        }
    }
    Result<std::string> namesBytes = namesFileBytes(ds);
    if (!namesBytes) {
        report(err, in + ": " + namesBytes.status().message());
        return 2;
    }
    const std::string valuesBytes = valuesFileBytes(ds);

    const std::string base = out.substr(0, out.size() - 4);
    const std::string namesPath = base + ".QCN";
    const std::string valuesPath = base + ".QCS";
    for (const std::string* p : {&namesPath, &valuesPath}) {
        if (isDirectory(*p)) {
            report(err, "「" + *p + "」はフォルダーです。");
            return 2;
        }
    }
    TempFile namesTmp;
    TempFile valuesTmp;
    Status s = namesTmp.write(namesPath, *namesBytes);
    if (s) s = valuesTmp.write(valuesPath, valuesBytes);
    if (!s) {
        report(err, s.message());
        return 2;
    }

    // Read the files back before they replace anything, so that whatever the
    // dataset files cannot carry as it is (should a text come back cut or moved)
    // is refused instead of saved changed.
    Dataset back;
    const DatasetReadResult read = readDataset(namesTmp.path(), valuesTmp.path(), back);
    const std::string cannotKeep = "はデータセットのファイルでは元どおりに保存できません。";
    // Texts are compared in their code page 932 form: a few characters (such as
    // U+301C) have one code there and come back as its usual reading (U+FF5E).
    const auto sameText = [](const std::string& a, const std::string& b) {
        if (a == b) return true;
        const Result<std::string> ca = utf8ToCp932(a);
        const Result<std::string> cb = utf8ToCp932(b);
        return ca && cb && *ca == *cb;
    };
    if (read.headerRead && back.sampleCount() == n && back.variableCount() == k) {
        for (int j = 1; j <= k; ++j) {
            if (!sameText(back.name(j), ds.name(j))) {
                report(err, in + ": " + csvCell(sampleLine(0), nameColumn(j)) + "の変数名" + cannotKeep);
                return 2;
            }
        }
        for (int i = 1; i <= n; ++i) {
            if (!sameText(back.label(i), ds.label(i))) {
                report(err, in + ": " + csvCell(sampleLine(i), 1) + "のデータラベル" + cannotKeep);
                return 2;
            }
        }
    }
    const Result<std::string> namesBack = namesFileBytes(back);
    if (!read.status || back.sampleCount() != n || back.variableCount() != k || !namesBack ||
        *namesBack != *namesBytes || valuesFileBytes(back) != valuesBytes) {
        report(err, in + ": このデータはデータセットのファイルに元どおりに保存できません" +
                        (read.status ? std::string("。") : "（" + read.status.message() + "）。"));
        return 2;
    }

    s = namesTmp.commit(namesPath);
    if (s) s = valuesTmp.commit(valuesPath);
    if (!s) {
        report(err, s.message());
        return 2;
    }
    return 0;
}

} // namespace

int runConvert(const std::string& in, const std::string& out, std::ostream& err, WorkbookReader readWorkbook) {
    const PathKind inKind = kindOf(in);
    const PathKind outKind = kindOf(out);
    const auto isSheet = [](PathKind k) { return k == PathKind::Csv || k == PathKind::Xlsx; };
    if (inKind == PathKind::Dataset && isSheet(outKind)) return datasetToSheetFile(in, out, outKind, err);
    if (isSheet(inKind) && outKind == PathKind::Dataset)
        return sheetFileToDataset(in, inKind, out, readWorkbook, err);
    return usage(err);
}

} // namespace zel
