// ReportCommand: `zel32 --report=ID ... --output=DIR DATASET`, a control-chart
// analysis without windows. It loads the dataset, makes the launch's and the
// variable dialog's checks, runs the same computations and chart filling as the
// windows, rewrites the limits file beside the dataset as the table windows do,
// and writes the result table, the charts and their control lines into DIR.
#pragma once

#include <iosfwd>

namespace zel {
struct CommandLine;
}

class ReportCommand {
  public:
    static constexpr int kExitOk = 0;
    // Nothing could be written (limits file or DIR).
    static constexpr int kExitWriteFailed = 1;
    // The input was refused: a launch or dialog check, an unreadable dataset or
    // limits file, a bad --var or --set. Nothing is written.
    static constexpr int kExitRefused = 2;

    // Runs the report of a command line in Report mode; messages go to err.
    // Needs a QGuiApplication (fonts for the charts).
    static int run(const zel::CommandLine& commandLine, std::ostream& err);
};
