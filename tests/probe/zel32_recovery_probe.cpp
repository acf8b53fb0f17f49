// The desktop program as the recovery test starts and kills it: the program's
// own start, plus two settings from the environment that let a test leave
// unsaved work behind quickly. Built under the name zel32 (a running zel32
// owns its recovery file); never installed.
//   ZEL_TEST_RECOVERY_INTERVAL_MS  the recovery interval in milliseconds
//   ZEL_TEST_PASTE                 pasted into the sheet at the active cell once
//                                  the window shows (tab-separated), as the
//                                  paste command pastes
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "app/Recovery.h"
#include "app/form1.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>

#include <iostream>
#include <string>
#include <vector>

namespace {

void applyTestEnvironment(form1& main) {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("ZEL_TEST_RECOVERY_INTERVAL_MS", &ok);
    if (ok && ms > 0) main.recovery().setInterval(ms);
    const QString paste = qEnvironmentVariable("ZEL_TEST_PASTE");
    if (!paste.isEmpty() && main.workspace().dataset.exists()) {
        QApplication::clipboard()->setText(paste);
        main.sheet().paste();
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const zel::CommandLine cl = zel::parseCommandLine(args);
    if (cl.mode != zel::CommandLine::Mode::Gui || !cl.screenshot.empty()) {
        std::cerr << "zel32 (recovery probe): only the desktop program starts here\n";
        return zel::kExitUsage;
    }
    return ProgramStart::run(argc, argv, cl.dataset, std::string(), &applyTestEnvironment);
}
