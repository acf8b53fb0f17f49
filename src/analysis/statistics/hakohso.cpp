// hakohso: the stratified statistics table window.
#include "analysis/statistics/hakohso.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/hakoh.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

hakohso::hakohso(MainContext& context, QWidget* parent)
    : ResultTableWindow(context, statisticsTableSpec(zel::WindowId::hakohso, captionText()), parent) {
    // hensi2so built the set just before.
    showTable(zel::stratifiedStatisticsTable(zel::stratumStatistics(context.workspace().stratifiedSet)));
    applyStatisticsColumnFormats(grid());
}

void hakohso::ok() {
    // A graph still open from before may show variables: it makes way for the strata.
    ZelWindow::closeWindows({zel::WindowId::hakohg});
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::hakohg)) open(context());
    close();
}

ZelWindow* openHakohso(MainContext& context) {
    return ZelWindow::open<hakohso>(context);
}
