// The entry points by which the control-chart windows reach each other and the
// analysis launch reaches them, so that each window's file includes only this.
#pragma once

#include "analysis/control/ChartDataSet.h"
#include "common/Analyses.h"

#include <QString>

#include <optional>

class MainContext;
class QWidget;
class ZelWindow;

// The first windows of the four analyses (modeless; an open one comes forward).
ZelWindow* openXR1(MainContext& context);      // "Xbar-R 管理図"
ZelWindow* openXrshensi(MainContext& context); // "X-Rs 管理図"
ZelWindow* openPhensi2(MainContext& context);  // "P-Pn 管理図"
ZelWindow* openKetten(MainContext& context);   // "欠点数データ"

// The chart windows, drawn from the workspace's chart data set.
ZelWindow* openXrkanri(MainContext& context);
ZelWindow* openXrskanri(MainContext& context);
ZelWindow* openPkanri(MainContext& context);
ZelWindow* openKanri1(MainContext& context);

// The limits dialog kgenin, modal: starts at 0 / 0, stores the answer into the
// workspace's entered limits and returns it.
zel::EnteredLimits askEnteredLimits(MainContext& context, QWidget* parent);

// The decimal places of the open table window of an analysis (XR1, XRS1, p1),
// or 2 when it is not open.
int tableDecimals(std::optional<zel::WindowId> tableWindow);
