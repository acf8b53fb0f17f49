// The graph command and the table of analysis windows: the checks of the
// launch, the first and next windows of each analysis, and the common "OK" of
// the variable dialogs.
#include "analysis/AnalysisLaunch.h"

#include "analysis/AnalysisSet.h"
#include "analysis/Launch.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/hensi1.h"
#include "analysis/hensi2.h"
#include "analysis/hensi3.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include <QHash>

namespace AnalysisLaunch {

namespace {

const QString kHistogram = QStringLiteral("ヒストグラム");
const QString kScatter = QStringLiteral("散布図");
const QString kScatter3D = QStringLiteral("立体散布図");

bool isVariableDialog(const QString& name) {
    return name == QLatin1String("hensi1") || name == QLatin1String("hensi2") ||
           name == QLatin1String("hensi3");
}

// Every analysis window the program has, by object name. A window that joins
// the program adds its line here.
QHash<QString, Opener>& openers() {
    static QHash<QString, Opener> table = {
        {QStringLiteral("XR1"), [](MainContext& c) { return openXR1(c); }},
        {QStringLiteral("xrshensi"), [](MainContext& c) { return openXrshensi(c); }},
        {QStringLiteral("phensi2"), [](MainContext& c) { return openPhensi2(c); }},
        {QStringLiteral("ketten"), [](MainContext& c) { return openKetten(c); }},
        {QStringLiteral("hensi1"),
         [](MainContext& c) -> ZelWindow* { return ZelWindow::open<hensi1>(c, c.mainWindow()); }},
        {QStringLiteral("hensi2"),
         [](MainContext& c) -> ZelWindow* { return ZelWindow::open<hensi2>(c, c.mainWindow()); }},
        {QStringLiteral("hensi3"),
         [](MainContext& c) -> ZelWindow* { return ZelWindow::open<hensi3>(c, c.mainWindow()); }},
    };
    return table;
}

} // namespace

Opener opener(const QString& windowName) {
    if (windowName.isEmpty()) return {};
    return openers().value(windowName);
}

void registerOpener(const QString& windowName, Opener open) {
    if (open)
        openers().insert(windowName, std::move(open));
    else
        openers().remove(windowName);
}

QStringList firstWindows(const QString& analysis) {
    // The launch's own decision, asked for every variable count its checks
    // tell apart (they compare K with 2, 3 and 10), with enough samples.
    QStringList windows;
    const std::string name = analysis.toStdString();
    for (int k = 1; k <= 11; ++k) {
        const QString w = QString::fromStdString(zel::graphCommandDecision(name, k, 2).window);
        if (!w.isEmpty() && !windows.contains(w)) windows.append(w);
    }
    return windows;
}

bool isAvailable(const QString& analysis) {
    const QStringList windows = firstWindows(analysis);
    if (windows.isEmpty()) return false;
    for (const QString& w : windows) {
        if (!opener(w)) return false;
        // A variable dialog is only worth opening when the window after it exists.
        if (isVariableDialog(w) && !opener(nextWindowAfterVariables(w, analysis))) return false;
    }
    return true;
}

void runGraphCommand(MainContext& context) {
    context.sheet().commitEdit();
    zel::Workspace& ws = context.workspace();
    ws.titles.reset();
    // The names of variables 1..K are kept; index 0 holds no name in this dataset.
    const zel::Dataset& ds = ws.dataset;
    const QString analysis = context.currentAnalysisName();
    const zel::LaunchDecision decision =
        zel::graphCommandDecision(analysis.toStdString(), ds.variableCount(), ds.usedSampleCount());
    if (!decision.refusal.empty()) {
        MessageBox::refusal(context.mainWindow(), QString::fromStdString(decision.refusal), messageTitle());
        return;
    }
    if (const Opener open = opener(QString::fromStdString(decision.window))) open(context);
}

QString nextWindowAfterVariables(const QString& dialog, const QString& analysis) {
    if (analysis == kHistogram) return QStringLiteral("bunform");
    if (analysis == kScatter)
        return dialog == QLatin1String("hensi1") ? QString() : QStringLiteral("sanpuzu");
    if (analysis == kScatter3D)
        return dialog == QLatin1String("hensi3") ? QStringLiteral("rsanpu") : QString();
    return QStringLiteral("oresen");
}

QString sameVariableMessage(const std::vector<int>& positions) {
    if (positions.size() < 2) return {};
    if (positions[0] == positions[1]) return QStringLiteral("変数１と変数２が同じです｡");
    if (positions.size() < 3) return {};
    if (positions[1] == positions[2]) return QStringLiteral("変数２と変数３が同じです｡");
    if (positions[0] == positions[2]) return QStringLiteral("変数１と変数３が同じです｡");
    return {};
}

bool buildSetAndContinue(MainContext& context, QWidget* dialog, const QString& dialogName,
                         const std::vector<int>& positions) {
    zel::Result<zel::AnalysisSet> set = zel::buildAnalysisSet(context.workspace().dataset, positions);
    if (!set) {
        MessageBox::refusal(dialog, QString::fromStdString(set.status().message()), variablesTitle());
        return false;
    }
    context.workspace().analysisSet = std::move(set.value());
    const QString next = nextWindowAfterVariables(dialogName, context.currentAnalysisName());
    if (const Opener open = opener(next)) open(context);
    dialog->close();
    return true;
}

} // namespace AnalysisLaunch
