// The headless report run end to end as a benchmark: the dataset read, the
// tables, the charts' PNG, SVG and PDF, the files written. Shared by the report
// benchmarks of every analysis.
#pragma once

#include "app/CommandLine.h"
#include "app/ReportCommand.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

// Runs `zel32 --report=id [--var=v]... --output=output base.QCS` once per iteration.
inline void runReportBenchmark(benchmark::State& state, const std::string& id, const std::string& base,
                               const std::string& output, const std::vector<std::string>& variables = {}) {
    zel::CommandLine cl;
    cl.mode = zel::CommandLine::Mode::Report;
    cl.reportAnalysis = zel::reportAnalysisFor(id);
    cl.reportVariables = variables;
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
