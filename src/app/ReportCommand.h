// ReportCommand: `zel32 --report=ID ... --output=DIR DATASET`, an analysis
// without windows. It loads the dataset, makes the launch's and the variable
// dialog's checks, hands the rest to the analysis's report entry (the same
// computations and chart fills as its windows), puts the stored graph settings
// and the default titles onto the charts, and writes the tables, the charts and
// the summary into DIR, and the entry's file beside the dataset (the limits
// file of the control-chart tables).
#pragma once

#include <iosfwd>

namespace zel {
struct CommandLine;
}

class ReportCommand {
  public:
    static constexpr int kExitOk = 0;
    // Nothing could be written (DIR, or the file beside the dataset).
    static constexpr int kExitWriteFailed = 1;
    // The input was refused: a launch or dialog check, an unreadable dataset or
    // input file, a bad --var or --set, data the analysis cannot compute.
    // Nothing is written.
    static constexpr int kExitRefused = 2;

    // Runs the report of a command line in Report mode; messages go to err.
    // Needs a QGuiApplication (fonts for the charts).
    static int run(const zel::CommandLine& commandLine, std::ostream& err);
};
