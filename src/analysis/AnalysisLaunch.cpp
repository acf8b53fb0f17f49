// The graph command and the table of analysis windows: the checks of the
// launch, the first and next windows of each analysis, and the common "OK" of
// the variable dialogs.
#include "analysis/AnalysisLaunch.h"

#include "analysis/AnalysisSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/gantt/gantog.h"
#include "analysis/gantt/gantol.h"
#include "analysis/hensi1.h"
#include "analysis/hensi2.h"
#include "analysis/hensi3.h"
#include "analysis/histogram/bunform.h"
#include "analysis/histogram/dobun.h"
#include "analysis/histogram/hensuup.h"
#include "analysis/histogram/youko.h"
#include "analysis/pareto/pare1.h"
#include "analysis/pareto/pareko.h"
#include "analysis/pareto/pareno.h"
#include "analysis/scatter/kaibun.h"
#include "analysis/scatter/kaityo.h"
#include "analysis/scatter/sanpuset.h"
#include "analysis/scatter/sanpuzu.h"
#include "analysis/scatter/rsanpu.h"
#include "analysis/statistics/hakoh.h"
#include "analysis/statistics/hakohg.h"
#include "analysis/statistics/hakohso.h"
#include "analysis/statistics/hensi2so.h"
#include "analysis/vargraph/hensuub.h"
#include "analysis/vargraph/oresen.h"
#include "common/Analyses.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "presentation/TitleTable.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace AnalysisLaunch {

namespace {

bool isVariableDialog(zel::WindowId w) {
    return w == zel::WindowId::hensi1 || w == zel::WindowId::hensi2 || w == zel::WindowId::hensi3 ||
           w == zel::WindowId::hensi2so;
}

template <class Dialog> Opener dialogOpener() {
    return [](MainContext& c) -> ZelWindow* { return ZelWindow::open<Dialog>(c, c.mainWindow()); };
}

// Every analysis window the program has, by window. A window that joins the
// program adds its line here.
std::array<Opener, zel::kWindowCount>& openers() {
    static std::array<Opener, zel::kWindowCount> table = [] {
        std::array<Opener, zel::kWindowCount> t;
        const auto set = [&t](zel::WindowId w, Opener open) {
            t[static_cast<std::size_t>(w)] = std::move(open);
        };
        set(zel::WindowId::XR1, [](MainContext& c) { return openXR1(c); });
        set(zel::WindowId::xrshensi, [](MainContext& c) { return openXrshensi(c); });
        set(zel::WindowId::phensi2, [](MainContext& c) { return openPhensi2(c); });
        set(zel::WindowId::ketten, [](MainContext& c) { return openKetten(c); });
        set(zel::WindowId::xrkanri, [](MainContext& c) { return openXrkanri(c); });
        set(zel::WindowId::xrskanri, [](MainContext& c) { return openXrskanri(c); });
        set(zel::WindowId::pkanri, [](MainContext& c) { return openPkanri(c); });
        set(zel::WindowId::kanri1, [](MainContext& c) { return openKanri1(c); });
        set(zel::WindowId::hensi1, dialogOpener<hensi1>());
        set(zel::WindowId::hensi2, dialogOpener<hensi2>());
        set(zel::WindowId::hensi3, dialogOpener<hensi3>());
        // The histogram chain: hensuup, bunform, dobun.
        set(zel::WindowId::hensuup, dialogOpener<hensuup>());
        set(zel::WindowId::bunform, dialogOpener<bunform>());
        set(zel::WindowId::dobun, dialogOpener<dobun>());
        // The histogram window (youko); kikaku and MEMORIH are its own modal dialogs.
        set(zel::WindowId::youko, [](MainContext& c) { return openYouko(c); });
        // Statistics by variable and by stratum: hakoh, hakohg, hensi2so, hakohso.
        set(zel::WindowId::hakoh, [](MainContext& c) { return openHakoh(c); });
        set(zel::WindowId::hakohg, [](MainContext& c) { return openHakohg(c); });
        set(zel::WindowId::hensi2so, [](MainContext& c) { return openHensi2so(c); });
        set(zel::WindowId::hakohso, [](MainContext& c) { return openHakohso(c); });
        // The Gantt chart: gantol (project names), gantog (the chart).
        set(zel::WindowId::gantol, [](MainContext& c) { return openGantol(c); });
        set(zel::WindowId::gantog, [](MainContext& c) { return openGantog(c); });
        // The variable graphs: hensuub and oresen; toukei, okikaku, MEMORIH and
        // kgenin are oresen's own modal dialogs.
        set(zel::WindowId::hensuub, dialogOpener<hensuub>());
        set(zel::WindowId::oresen, [](MainContext& c) { return openOresen(c); });
        // The Pareto chain: the data-label dialog parekos in its analysis role,
        // pare1, pareko and pareno (oresen draws the chart).
        set(zel::WindowId::parekos, [](MainContext& c) {
            EditCommands::dataLabels(c, false);
            return ZelWindow::find(zel::WindowId::parekos);
        });
        set(zel::WindowId::pare1, [](MainContext& c) { return openPare1(c); });
        set(zel::WindowId::pareko, [](MainContext& c) { return openPareko(c); });
        set(zel::WindowId::pareno, [](MainContext& c) { return openPareno(c); });
        // The regression tables kaibun and kaityo: the scatter window calls
        // these after every computation; each opens its window or brings it
        // forward, and refills it from the workspace's regression either way.
        set(zel::WindowId::kaibun, [](MainContext& c) { return openKaibun(c); });
        set(zel::WindowId::kaityo, [](MainContext& c) { return openKaityo(c); });
        // The scatter diagram: the X-count dialog sanpuset and the scatter window
        // sanpuzu (TAKOJI is its own modal dialog; it opens the tables kaibun
        // and kaityo through their openers).
        set(zel::WindowId::sanpuset, dialogOpener<sanpuset>());
        set(zel::WindowId::sanpuzu, [](MainContext& c) { return openSanpuzu(c); });
        // The three-dimensional scatter: rsanpu (hensi3 chooses its variables).
        set(zel::WindowId::rsanpu, [](MainContext& c) { return openRsanpu(c); });
        return t;
    }();
    return table;
}

std::optional<zel::AnalysisId> analysisNamed(const QString& name) {
    return zel::findAnalysis(name.toStdString());
}

} // namespace

Opener opener(zel::WindowId window) {
    return openers()[static_cast<std::size_t>(window)];
}

Opener opener(const QString& windowName) {
    const std::optional<zel::WindowId> w = zel::findWindow(windowName.toStdString());
    return w ? opener(*w) : Opener();
}

void registerOpener(zel::WindowId window, Opener open) {
    openers()[static_cast<std::size_t>(window)] = std::move(open);
}

QStringList firstWindows(const QString& analysis) {
    QStringList windows;
    if (const std::optional<zel::AnalysisId> id = analysisNamed(analysis))
        for (const std::optional<zel::WindowId>& w : zel::firstWindows(*id))
            if (w) windows.append(QString::fromUtf8(zel::window(*w).name));
    return windows;
}

std::vector<zel::WindowId> onwardWindows(zel::WindowId window, zel::AnalysisId analysis) {
    using zel::AnalysisId;
    using zel::WindowId;
    if (isVariableDialog(window)) {
        const std::optional<WindowId> next = nextWindowAfterVariables(window, analysis);
        return next ? std::vector<WindowId>{*next} : std::vector<WindowId>{};
    }
    switch (window) {
    case WindowId::hensuup:
    case WindowId::hensuub:
        return {WindowId::hensi1, WindowId::hensi2, WindowId::hensi3};
    case WindowId::sanpuset:
        return {WindowId::hensi2, WindowId::hensi3};
    case WindowId::hensi2so:
        return {analysis == AnalysisId::StratifiedHistogram ? WindowId::bunform : WindowId::hakohso};
    case WindowId::hakoh:
    case WindowId::hakohso:
        return {WindowId::hakohg};
    case WindowId::bunform:
        return {WindowId::dobun};
    case WindowId::dobun:
        return {WindowId::youko};
    case WindowId::gantol:
        return {WindowId::gantog};
    case WindowId::parekos:
        return {WindowId::pare1};
    case WindowId::pare1:
        return {WindowId::pareko};
    case WindowId::pareko:
        return {WindowId::pareno};
    case WindowId::pareno:
        return {WindowId::oresen};
    default:
        return {};
    }
}

bool isAvailable(const QString& analysis) {
    const std::optional<zel::AnalysisId> id = analysisNamed(analysis);
    if (!id) return false;
    // Every window the launch can reach, from the first ones on, must exist.
    std::vector<zel::WindowId> pending;
    for (const std::optional<zel::WindowId>& w : zel::firstWindows(*id))
        if (w) pending.push_back(*w);
    std::array<bool, zel::kWindowCount> seen{};
    while (!pending.empty()) {
        const zel::WindowId w = pending.back();
        pending.pop_back();
        if (std::exchange(seen[static_cast<std::size_t>(w)], true)) continue;
        if (!opener(w)) return false;
        const std::vector<zel::WindowId> onward = onwardWindows(w, *id);
        // A variable dialog not offered for the analysis leads nowhere.
        if (onward.empty() && isVariableDialog(w)) return false;
        pending.insert(pending.end(), onward.begin(), onward.end());
    }
    return true;
}

void runGraphCommand(MainContext& context) {
    context.sheet().commitEdit();
    zel::Workspace& ws = context.workspace();
    ws.titles.reset();
    const std::optional<zel::AnalysisId> id = analysisNamed(context.currentAnalysisName());
    if (!id) return;
    const zel::Dataset& ds = ws.dataset;
    const zel::Launch launch = zel::decideLaunch(*id, ds.variableCount(), ds.usedSampleCount());
    if (!launch.refusal.empty()) {
        MessageBox::refusal(context.mainWindow(), QString::fromUtf8(launch.refusal), messageTitle());
        return;
    }
    // An analysis whose chain of windows is not complete opens none of them.
    if (!launch.window || !isAvailable(context.currentAnalysisName())) return;
    if (const Opener open = opener(*launch.window)) open(context);
}

std::optional<zel::WindowId> nextWindowAfterVariables(zel::WindowId dialog, zel::AnalysisId analysis) {
    using zel::AnalysisId;
    using zel::WindowId;
    switch (analysis) {
    case AnalysisId::Histogram:
    case AnalysisId::StratifiedHistogram:
        return WindowId::bunform;
    case AnalysisId::StratifiedStatistics:
        return WindowId::hakohso;
    case AnalysisId::Scatter:
        if (dialog == WindowId::hensi1) return std::nullopt;
        return WindowId::sanpuzu;
    case AnalysisId::Scatter3D:
        if (dialog == WindowId::hensi3) return WindowId::rsanpu;
        return std::nullopt;
    default:
        return WindowId::oresen;
    }
}

QString nextWindowAfterVariables(const QString& dialog, const QString& analysis) {
    const std::optional<zel::WindowId> d = zel::findWindow(dialog.toStdString());
    const std::optional<zel::AnalysisId> a = analysisNamed(analysis);
    if (!d || !a) return {};
    const std::optional<zel::WindowId> next = nextWindowAfterVariables(*d, *a);
    return next ? QString::fromUtf8(zel::window(*next).name) : QString();
}

QString sameVariableMessage(const std::vector<int>& positions) {
    return QString::fromStdString(zel::sameVariableMessage(positions));
}

bool buildSetAndContinue(MainContext& context, QWidget* dialog, const QString& dialogName,
                         const std::vector<int>& positions) {
    zel::Result<zel::AnalysisSet> set = zel::buildAnalysisSet(context.workspace().dataset, positions);
    if (!set) {
        MessageBox::refusal(dialog, QString::fromStdString(set.status().message()), variablesTitle());
        return false;
    }
    context.workspace().analysisSet = std::move(set.value());
    const std::optional<zel::WindowId> d = zel::findWindow(dialogName.toStdString());
    const std::optional<zel::AnalysisId> a = analysisNamed(context.currentAnalysisName());
    const std::optional<zel::WindowId> next = d && a ? nextWindowAfterVariables(*d, *a) : std::nullopt;
    if (const Opener open = next ? opener(*next) : Opener()) open(context);
    dialog->close();
    return true;
}

} // namespace AnalysisLaunch
