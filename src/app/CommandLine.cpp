// Parsing the command line of zel32.
#include "app/CommandLine.h"

#include "ZelVersion.h"
#include "analysis/ReportEntry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace zel {

namespace {
CommandLine failure(std::string message) {
    CommandLine c;
    c.mode = CommandLine::Mode::Error;
    c.error = std::move(message);
    return c;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// The value of a report option given as "--name=VALUE" or "--name VALUE"
// (advancing i over the separate value); nothing when a does not name it.
// A missing value reads as "".
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
    const std::string& a = args[i];
    if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=')
        return a.substr(name.size() + 1);
    if (a != name) return std::nullopt;
    if (i + 1 >= args.size()) return std::string();
    return args[++i];
}

} // namespace

std::optional<AnalysisId> reportAnalysisFor(const std::string& id) {
    std::optional<AnalysisId> found = findReport(lowered(id));
    if (!found) found = findAnalysis(id);
    if (!found || !reportEntry(*found)) return std::nullopt;
    return found;
}

namespace {

// "xbar-r, x-rs, p-pn, defects": the report IDs in the order of the report entries.
std::string reportIds() {
    std::string ids;
    for (const ReportEntry& e : reportEntries()) {
        if (!ids.empty()) ids += ", ";
        ids += analysis(e.analysis).reportId;
    }
    return ids;
}

// The report IDs whose single variable may be the list's extra entry:
// "x-rs also Xbar, histogram also 全データ".
std::string extraEntryIds() {
    std::string ids;
    for (const ReportEntry& e : reportEntries()) {
        if (e.extraEntry.empty()) continue;
        if (!ids.empty()) ids += ", ";
        ids += std::string(analysis(e.analysis).reportId) + " also " + std::string(e.extraEntry);
    }
    return ids;
}

// Every --set key, each once, in the order of the entries.
std::string settingKeyList() {
    std::vector<std::string_view> keys;
    for (const ReportEntry& e : reportEntries())
        for (const std::string_view key : e.settingKeys)
            if (std::ranges::find(keys, key) == keys.end()) keys.push_back(key);
    std::string text;
    for (const std::string_view key : keys)
        text += (text.empty() ? "" : ", ") + std::string(key);
    return text;
}

} // namespace

std::string reportListText() {
    std::string text;
    for (const ReportEntry& e : reportEntries()) {
        const AnalysisDescriptor& a = analysis(e.analysis);
        text += std::string(a.reportId) + "\t" + std::string(a.listName) + "\t";
        if (e.variables == 0)
            text += "--var なし（すべての変数）";
        else
            text += "--var " + std::to_string(e.variables) + " つまで" +
                    (e.extraEntry.empty() ? std::string() : "（" + std::string(e.extraEntry) + " も可）");
        text += "\t--set ";
        for (std::size_t k = 0; k < e.settingKeys.size(); ++k)
            text += (k > 0 ? ", " : "") + std::string(e.settingKeys[k]);
        text += "\n";
    }
    return text;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool report = false;
    bool reportOptions = false; // --var, --set or --output seen
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
            positional.push_back(a);
            continue;
        }
        if (auto id = optionValue(args, i, "--report")) {
            if (report) return failure("--report は 1 つだけ指定できます。");
            if (*id == "list") {
                if (args.size() != 1) return failure("--report=list は単独で指定してください。");
                c.mode = CommandLine::Mode::ReportList;
                return c;
            }
            c.reportAnalysis = reportAnalysisFor(*id);
            if (!c.reportAnalysis)
                return failure("不明な解析です: " + *id + "（" + reportIds() + " のいずれか）");
            report = true;
            continue;
        }
        if (auto v = optionValue(args, i, "--var")) {
            if (v->empty()) return failure("--var には変数名か変数の番号を指定してください。");
            c.reportVariables.push_back(*v);
            reportOptions = true;
            continue;
        }
        if (auto v = optionValue(args, i, "--set")) {
            const std::size_t eq = v->find('=');
            if (eq == std::string::npos || eq == 0)
                return failure("--set は KEY=VALUE の形で指定してください: " + *v);
            std::string key = v->substr(0, eq);
            if (!isReportSettingKey(key)) return failure("不明な設定です: " + key);
            for (const auto& [k, unused] : c.reportSettings)
                if (k == key) return failure("同じ設定が 2 回指定されています: " + key);
            c.reportSettings.emplace_back(std::move(key), v->substr(eq + 1));
            reportOptions = true;
            continue;
        }
        if (auto v = optionValue(args, i, "--output")) {
            if (v->empty()) return failure("--output には書き出すフォルダを指定してください。");
            if (!c.reportOutput.empty()) return failure("--output は 1 つだけ指定できます。");
            c.reportOutput = *v;
            reportOptions = true;
            continue;
        }
        if (auto v = optionValue(args, i, "--format")) {
            if (c.reportFormat != CommandLine::ReportFormat::None)
                return failure("--format は 1 つだけ指定できます。");
            if (*v == "pdf")
                c.reportFormat = CommandLine::ReportFormat::Pdf;
            else if (*v == "html")
                c.reportFormat = CommandLine::ReportFormat::Html;
            else
                return failure("不明な形式です: " + *v + "（pdf, html のいずれか）");
            reportOptions = true;
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            c.mode = CommandLine::Mode::Help;
            return c;
        } else if (a == "--version") {
            c.mode = CommandLine::Mode::Version;
            return c;
        } else if (report && (a == "--convert" || a == "--chart-gallery" || a == "--screenshot")) {
            return failure("--report と " + a + " は同時に指定できません。");
        } else if (a == "--convert") {
            if (args.size() - i - 1 != 2)
                return failure("--convert には入力と出力の 2 つのファイルを指定してください。");
            if (!positional.empty()) return failure("--convert とデータセットは同時に指定できません。");
            c.mode = CommandLine::Mode::Convert;
            c.convertIn = args[i + 1];
            c.convertOut = args[i + 2];
            return c;
        } else if (a == "--chart-gallery") {
            if (args.size() - i - 1 != 1)
                return failure("--chart-gallery には画像を書き出すフォルダを 1 つ指定してください。");
            if (!positional.empty()) return failure("--chart-gallery とデータセットは同時に指定できません。");
            c.mode = CommandLine::Mode::ChartGallery;
            c.galleryDir = args[i + 1];
            return c;
        } else if (a == "--screenshot") {
            if (i + 1 >= args.size())
                return failure("--screenshot には保存する PNG ファイルを指定してください。");
            c.screenshot = args[++i];
        } else {
            return failure("不明なオプションです: " + a);
        }
    }
    if (positional.size() > 1) return failure("開けるデータセットは 1 つだけです。");
    if (!positional.empty()) c.dataset = positional.front();
    if (reportOptions && !report)
        return failure("--var, --set, --output, --format は --report と一緒に指定してください。");
    if (report) {
        if (!c.screenshot.empty()) return failure("--report と --screenshot は同時に指定できません。");
        if (c.reportOutput.empty()) return failure("--report には --output=DIR を指定してください。");
        if (c.dataset.empty()) return failure("--report には解析するデータセットを指定してください。");
        c.mode = CommandLine::Mode::Report;
    }
    return c;
}

std::string usageText() {
    return "Usage:\n"
           "  zel32 [DATASET]          start ZEL, opening DATASET (.QCS, .QCN or .QCK)\n"
           "  zel32 --convert IN OUT   convert between a dataset and a .csv or .xlsx file\n"
           "  zel32 --screenshot PNG [DATASET]\n"
           "                           start ZEL, save a picture of the screen to PNG and end\n"
           "  zel32 --chart-gallery DIR\n"
           "                           draw every chart kind into DIR as PNG files with index.html\n"
           "  zel32 --report=ID [--var=V]... [--set=KEY=VALUE]... [--format=pdf|html] --output=DIR DATASET\n"
           "                           run an analysis without windows and write its tables (CSV),\n"
           "                           charts (PNG, SVG, PDF) and figures (summary.txt) into DIR;\n"
           "                           --format also writes it all as one report.pdf or report.html;\n"
           "                           ID: " +
           reportIds() +
           "; V: a variable name or number\n"
           "                           (" +
           extraEntryIds() + "); KEY: " + settingKeyList() +
           "\n"
           "  zel32 --report=list      list the report IDs with their analyses and options\n"
           "  zel32 --help             show this help\n"
           "  zel32 --version          show the version\n";
}

std::string versionMessage() {
    return "zel32 " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

} // namespace zel
