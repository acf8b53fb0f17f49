// The command line of zel32.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace zel;
using Mode = CommandLine::Mode;

TEST(CommandLine, DatasetArgumentIsTakenUnchanged) {
    EXPECT_EQ(parseCommandLine({}).mode, Mode::Gui);
    EXPECT_EQ(parseCommandLine({}).dataset, "");
    const auto c = parseCommandLine({"/home/u/データ/x.QCS"});
    EXPECT_EQ(c.mode, Mode::Gui);
    EXPECT_EQ(c.dataset, "/home/u/データ/x.QCS");
    EXPECT_EQ(parseCommandLine({"--", "-odd.QCS"}).dataset, "-odd.QCS");
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(parseCommandLine({"--help"}).mode, Mode::Help);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--version"}).mode, Mode::Version);
    EXPECT_EQ(versionMessage(), "zel32 1.0.0");
    EXPECT_NE(usageText().find("--convert IN OUT"), std::string::npos);
}

TEST(CommandLine, ConvertTakesExactlyTwoFiles) {
    const auto c = parseCommandLine({"--convert", "a.QCS", "b.csv"});
    EXPECT_EQ(c.mode, Mode::Convert);
    EXPECT_EQ(c.convertIn, "a.QCS");
    EXPECT_EQ(c.convertOut, "b.csv");
    EXPECT_EQ(parseCommandLine({"--convert", "a.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--convert"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--convert", "a", "b", "c"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--convert", "a", "b"}).mode, Mode::Error);
}

TEST(CommandLine, UnknownOptionsAndExtraArgumentsAreErrors) {
    const auto c = parseCommandLine({"--frobnicate"});
    EXPECT_EQ(c.mode, Mode::Error);
    EXPECT_NE(c.error.find("--frobnicate"), std::string::npos);
    EXPECT_EQ(parseCommandLine({"-x"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"a.QCS", "b.QCS"}).mode, Mode::Error);
    EXPECT_EQ(kExitUsage, 2);
}

TEST(CommandLine, ScreenshotTakesAFileAndKeepsTheDataset) {
    const CommandLine c = parseCommandLine({"--screenshot", "/tmp/a.png", "/data/x.QCS"});
    EXPECT_EQ(c.mode, CommandLine::Mode::Gui);
    EXPECT_EQ(c.screenshot, "/tmp/a.png");
    EXPECT_EQ(c.dataset, "/data/x.QCS");
    EXPECT_EQ(parseCommandLine({"--screenshot"}).mode, CommandLine::Mode::Error);
}

TEST(CommandLine, ChartGalleryTakesOneFolder) {
    const CommandLine c = parseCommandLine({"--chart-gallery", "/tmp/見本"});
    EXPECT_EQ(c.mode, Mode::ChartGallery);
    EXPECT_EQ(c.galleryDir, "/tmp/見本");
    EXPECT_EQ(parseCommandLine({"--chart-gallery"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--chart-gallery", "a", "b"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--chart-gallery", "a"}).mode, Mode::Error);
    EXPECT_NE(usageText().find("--chart-gallery DIR"), std::string::npos);
}

TEST(CommandLine, ReportTakesItsOptionsAndOneDataset) {
    const CommandLine c = parseCommandLine({"--report=xbar-r", "--set=decimals=3", "--set", "kind=棒グラフ",
                                            "--output=/tmp/out", "/data/shaft.QCS"});
    EXPECT_EQ(c.mode, Mode::Report);
    EXPECT_EQ(c.reportAnalysis, AnalysisId::XbarR);
    EXPECT_EQ(c.reportOutput, "/tmp/out");
    EXPECT_EQ(c.dataset, "/data/shaft.QCS");
    ASSERT_EQ(c.reportSettings.size(), 2u);
    EXPECT_EQ(c.reportSettings[0], (std::pair<std::string, std::string>{"decimals", "3"}));
    EXPECT_EQ(c.reportSettings[1], (std::pair<std::string, std::string>{"kind", "棒グラフ"}));

    // Variables keep their order; a value may itself hold "=" (limits=PATH with one).
    const CommandLine p = parseCommandLine({"--report", "p-pn", "--var=検査数", "--var", "2",
                                            "--set=limits=/a/b=c.QCK", "--output", "o", "x.QCN"});
    EXPECT_EQ(p.mode, Mode::Report);
    EXPECT_EQ(p.reportAnalysis, AnalysisId::PPn);
    EXPECT_EQ(p.reportVariables, (std::vector<std::string>{"検査数", "2"}));
    EXPECT_EQ(p.reportSettings[0].second, "/a/b=c.QCK");
}

TEST(CommandLine, ReportIdsAreTakenByShortOrListName) {
    EXPECT_EQ(reportAnalysisFor("xbar-r"), AnalysisId::XbarR);
    EXPECT_EQ(reportAnalysisFor("X-RS"), AnalysisId::XRs);
    EXPECT_EQ(reportAnalysisFor("p-pn"), AnalysisId::PPn);
    EXPECT_EQ(reportAnalysisFor("defects"), AnalysisId::DefectCount);
    EXPECT_EQ(reportAnalysisFor("欠点数データ"), AnalysisId::DefectCount);
    EXPECT_EQ(reportAnalysisFor("X-Rs 管理図"), AnalysisId::XRs);
    EXPECT_EQ(reportAnalysisFor("ヒストグラム"), AnalysisId::Histogram);
    EXPECT_EQ(reportAnalysisFor("stratified-histogram"), AnalysisId::StratifiedHistogram);
    EXPECT_EQ(reportAnalysisFor("variable-graph"), AnalysisId::VariableGraph);
    EXPECT_EQ(reportAnalysisFor("変数別グラフ"), AnalysisId::VariableGraph);
    EXPECT_EQ(reportAnalysisFor("pareto"), AnalysisId::Pareto);
    EXPECT_EQ(reportAnalysisFor("scatter"), AnalysisId::Scatter);
    EXPECT_EQ(reportAnalysisFor("散布図"), AnalysisId::Scatter);
    EXPECT_EQ(reportAnalysisFor("scatter-3d"), AnalysisId::Scatter3D);
    EXPECT_EQ(reportAnalysisFor("立体散布図"), AnalysisId::Scatter3D);
    EXPECT_FALSE(reportAnalysisFor("xbar"));
    const CommandLine c = parseCommandLine({"--report=regression", "--output=o", "x.QCS"});
    EXPECT_EQ(c.mode, Mode::Error);
    EXPECT_NE(c.error.find("regression"), std::string::npos);
    const std::string ids = "xbar-r, x-rs, p-pn, defects, histogram, stratified-histogram, variable-stats, "
                            "stratified-stats, gantt, variable-graph, pareto, scatter, scatter-3d";
    EXPECT_NE(c.error.find("（" + ids + " のいずれか）"), std::string::npos);
    EXPECT_NE(usageText().find("ID: " + ids + "; V:"), std::string::npos);
    EXPECT_NE(
        usageText().find(
            "(x-rs also Xbar, histogram also 全データ, variable-graph also 全データ, pareto also 合計); "
            "KEY: kind, decimals, limits, rules, usl, lsl, target, upper, lower, classes, adjust, width, "
            "statlines, keep, degree\n"),
        std::string::npos);
}

TEST(CommandLine, ReportListNamesEveryReportWithItsAnalysisAndOptions) {
    EXPECT_EQ(parseCommandLine({"--report=list"}).mode, Mode::ReportList);
    EXPECT_EQ(parseCommandLine({"--report", "list"}).mode, Mode::Error); // list stands alone as --report=list
    EXPECT_EQ(parseCommandLine({"--report=list", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(reportListText(),
              "xbar-r\tXbar-R 管理図\t--var なし（すべての変数）\t"
              "--set kind, decimals, limits, rules, usl, lsl, target\n"
              "x-rs\tX-Rs 管理図\t--var 1 つまで（Xbar も可）\t--set kind, decimals, limits, rules\n"
              "p-pn\tP-Pn 管理図\t--var 2 つまで\t--set kind, decimals, limits, rules\n"
              "defects\t欠点数データ\t--var 1 つまで\t--set kind, upper, lower, rules\n"
              "histogram\tヒストグラム\t--var 3 つまで（全データ も可）\t"
              "--set upper, lower, classes, adjust, width, decimals, kind, usl, lsl, target\n"
              "stratified-histogram\t層別ヒストグラム\t--var 2 つまで\t"
              "--set upper, lower, classes, adjust, width, decimals, kind\n"
              "variable-stats\t変数別統計量\t--var なし（すべての変数）\t--set kind\n"
              "stratified-stats\t層別統計量グラフ\t--var 2 つまで\t--set kind\n"
              "gantt\tガントチャート\t--var なし（すべての変数）\t--set kind\n"
              "variable-graph\t変数別グラフ\t--var 3 つまで（全データ も可）\t"
              "--set kind, statlines, upper, lower\n"
              "pareto\tパレート図\t--var 1 つまで（合計 も可）\t--set keep\n"
              "scatter\t散布図\t--var 3 つまで\t--set kind, degree, decimals\n"
              "scatter-3d\t立体散布図\t--var 3 つまで\t--set kind\n");
}

TEST(CommandLine, ReportRefusesIncompleteOrMixedCommandLines) {
    // Output folder and dataset are required.
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--output=o"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--output="}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--output=o", "a.QCS", "b.QCS"}).mode, Mode::Error);
    // Report options need --report.
    EXPECT_EQ(parseCommandLine({"--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--var=1", "x.QCS"}).mode, Mode::Error);
    // Settings: KEY=VALUE with a known key, each once.
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--set=colour=red", "--output=o", "x.QCS"}).mode,
              Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--set=kind", "--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--set==1", "--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(
        parseCommandLine({"--report=defects", "--set=upper=1", "--set=upper=2", "--output=o", "x.QCS"}).mode,
        Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--var=", "--output=o", "x.QCS"}).mode, Mode::Error);
    // Not together with the other commands, and only one report.
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--convert", "a", "b"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--screenshot", "a.png", "--output=o", "x.QCS"}).mode,
              Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--report=p-pn", "--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--output=o", "--output=p", "x.QCS"}).mode, Mode::Error);
}

TEST(CommandLine, ReportFormatAddsOneDocumentAndRefusesUnknownOnes) {
    using Format = CommandLine::ReportFormat;
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--output=o", "x.QCS"}).reportFormat, Format::None);
    const CommandLine pdf = parseCommandLine({"--report=x-rs", "--format=pdf", "--output=o", "x.QCS"});
    EXPECT_EQ(pdf.mode, Mode::Report);
    EXPECT_EQ(pdf.reportFormat, Format::Pdf);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--format", "html", "--output=o", "x.QCS"}).reportFormat,
              Format::Html);

    const CommandLine unknown = parseCommandLine({"--report=x-rs", "--format=docx", "--output=o", "x.QCS"});
    EXPECT_EQ(unknown.mode, Mode::Error);
    EXPECT_EQ(unknown.error, "不明な形式です: docx（pdf, html のいずれか）");
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--format=PDF ", "--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--report=x-rs", "--format=", "--output=o", "x.QCS"}).mode, Mode::Error);
    EXPECT_EQ(
        parseCommandLine({"--report=x-rs", "--format=pdf", "--format=html", "--output=o", "x.QCS"}).mode,
        Mode::Error);
    const CommandLine alone = parseCommandLine({"--format=pdf", "x.QCS"});
    EXPECT_EQ(alone.mode, Mode::Error);
    EXPECT_EQ(alone.error, "--var, --set, --output, --format は --report と一緒に指定してください。");
    EXPECT_NE(usageText().find("[--set=KEY=VALUE]... [--format=pdf|html] --output=DIR DATASET\n"),
              std::string::npos);
    EXPECT_NE(usageText().find("--format also writes it all as one report.pdf or report.html;\n"),
              std::string::npos);
}
