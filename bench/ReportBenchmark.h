// The headless report run end to end as a benchmark: the dataset read, the
// tables, the charts' PNG, SVG and PDF, the files written. Shared by the report
// benchmarks of every analysis, with the main of a benchmark program that
// draws with Qt.
#pragma once

#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "windowkit/AppSettings.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// Runs `zel32 --report=id [--var=v]... [--set=key=value]... --output=output
// base.QCS` once per iteration.
inline void runReportBenchmark(benchmark::State& state, const std::string& id, const std::string& base,
                               const std::string& output, const std::vector<std::string>& variables = {},
                               const std::vector<std::pair<std::string, std::string>>& settings = {}) {
    zel::CommandLine cl;
    cl.mode = zel::CommandLine::Mode::Report;
    cl.reportAnalysis = zel::reportAnalysisFor(id);
    cl.reportVariables = variables;
    cl.reportSettings = settings;
    cl.dataset = base + ".QCS";
    cl.reportOutput = output;
    for (auto _ : state) {
        std::ostringstream err;
        if (ReportCommand::run(cl, err) != ReportCommand::kExitOk) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
}

namespace bench {

// A benchmark program's main when it draws or opens windows: the offscreen
// platform, an application, settings in memory, then the benchmarks.
inline int runOffscreen(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
