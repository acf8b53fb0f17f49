// The report entries of every analysis that can be reported.
#include "analysis/ReportEntry.h"

#include "analysis/control/ControlReports.h"

#include <algorithm>

namespace zel {

std::span<const ReportEntry> reportEntries() {
    return controlReportEntries();
}

const ReportEntry* reportEntry(AnalysisId id) {
    for (const ReportEntry& e : reportEntries())
        if (e.analysis == id) return &e;
    return nullptr;
}

bool isReportSettingKey(std::string_view key) {
    return std::ranges::any_of(reportEntries(), [key](const ReportEntry& e) {
        return std::ranges::find(e.settingKeys, key) != e.settingKeys.end();
    });
}

} // namespace zel
