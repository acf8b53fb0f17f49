// The desktop program's start and run: the application with its Japanese
// translations and font, the settings store, the splash window, the main
// window over the dataset named on the command line, and, once it shows, the
// offer of the unsaved work a crash or a kill left behind.
#pragma once

#include <functional>
#include <string>

class form1;

namespace ProgramStart {

// Work done on the main window right after the start-up offer of unsaved work.
using AfterStart = std::function<void(form1&)>;

// Runs the program until it ends and gives its exit code. dataset is the
// start-up argument (may be empty). With a screenshot path the program saves a
// picture of the screen there once the window has settled and ends, leaving
// the stored settings and the recovery files alone (afterStart is not run).
int run(int argc, char** argv, const std::string& dataset, const std::string& screenshot,
        const AfterStart& afterStart = {});

} // namespace ProgramStart
