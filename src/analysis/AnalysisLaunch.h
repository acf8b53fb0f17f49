// The graph command of the main window and the table of analysis windows it
// reaches: which window each name opens with, which analyses of the list can
// start, and where the variable dialogs hensi1, hensi2 and hensi3 go next.
#pragma once

#include "common/Analyses.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class MainContext;
class QWidget;
class ZelWindow;

namespace AnalysisLaunch {

// Opens (or brings forward) one window of an analysis.
using Opener = std::function<ZelWindow*(MainContext&)>;

// The title of the graph command's messages.
inline QString messageTitle() {
    return QStringLiteral("データの入力");
}
// The title of the variable dialogs' messages.
inline QString variablesTitle() {
    return QStringLiteral("変数の指定");
}

// The opener of a window, or an empty function while that window does not
// exist in the program. The program's own windows are listed in
// AnalysisLaunch.cpp; registerOpener adds to them or replaces one (a window
// built elsewhere, a test's stand-in; an empty function removes it).
Opener opener(zel::WindowId window);
void registerOpener(zel::WindowId window, Opener open);
// The same by object name ("XR1", "hensi2", "oresen" ...), for names that come
// from outside; an unknown name has no opener.
Opener opener(const QString& windowName);

// The windows the graph command may open first for an analysis, whatever the
// dataset's variable count ("散布図": "hensi2" and "sanpuset").
QStringList firstWindows(const QString& analysis);
// The windows a window of the analysis can open next (hensuup and hensuub:
// hensi1, hensi2 and hensi3; sanpuset: hensi2 and hensi3; a variable dialog:
// nextWindowAfterVariables;
// hensi2so: bunform or hakohso; hakoh and hakohso: hakohg; bunform: dobun;
// dobun: youko; the Pareto chain parekos, pare1, pareko, pareno, oresen). The
// control charts' windows are not followed.
std::vector<zel::WindowId> onwardWindows(zel::WindowId window, zel::AnalysisId analysis);
// Whether every window the analysis can reach from its first windows on
// exists, so that the analysis list offers it.
bool isAvailable(const QString& analysis);

// The graph command: resets the title table, counts the unmasked samples, makes
// the checks for the current analysis and opens its first window. A refusal
// shows its message ("データの入力", exclamation icon) and opens nothing; so
// does an analysis that is not available.
void runGraphCommand(MainContext& context);

// The window a variable dialog (hensi1, hensi2, hensi3, or the stratification
// dialog hensi2so) opens after "OK" for the analysis: bunform, sanpuzu, rsanpu,
// oresen, hakohso, or none where the dialog is not offered for that analysis.
// The second form takes the names.
std::optional<zel::WindowId> nextWindowAfterVariables(zel::WindowId dialog, zel::AnalysisId analysis);
QString nextWindowAfterVariables(const QString& dialog, const QString& analysis);

// The same-variable check of hensi2 and hensi3 on the 1-based list positions,
// in the order the dialogs make it: "" when the variables differ.
QString sameVariableMessage(const std::vector<int>& positions);

// A variable dialog's "OK" after its checks: builds the Analysis set from the
// list positions into the workspace and opens the next window (when it exists).
// Returns false, with the message shown, when the set cannot be built.
bool buildSetAndContinue(MainContext& context, QWidget* dialog, const QString& dialogName,
                         const std::vector<int>& positions);

} // namespace AnalysisLaunch
