// The report entry of the Gantt chart ("gantt"): every variable, no --var. It
// writes the chart of gantog and a summary per unmasked project: its start
// (variable 1), its end (the last variable) and its number of tasks. --set
// kind= picks the kind as the window's list names it ("ガントチャート",
// "（間隔あり）").
#pragma once

#include "analysis/ReportEntry.h"

#include <span>
#include <string>

namespace zel {

struct AnalysisSet;

std::span<const ReportEntry> ganttReportEntries();

// summary.txt: per project in chart order "start <project> <value>",
// "end <project> <value>" and "tasks <project> <count>", the values as general
// number text, the project named as projectName() names it.
std::string ganttSummary(const AnalysisSet& set);

} // namespace zel
