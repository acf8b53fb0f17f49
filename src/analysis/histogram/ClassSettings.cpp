// The graph settings dialog's rules: data range, opening settings, the two
// adjustments and the limits check.
#include "analysis/histogram/ClassSettings.h"

#include "common/NumberText.h"

#include <cmath>

namespace zel {

DataRange dataRange(std::span<const SeriesView> series) {
    DataRange range;
    bool first = true;
    for (const SeriesView& s : series) {
        for (double x : s.values) {
            if (first) {
                range.max = range.min = x;
                first = false;
            } else if (x > range.max) {
                range.max = x;
            } else if (x < range.min) {
                range.min = x;
            }
        }
    }
    return range;
}

DataRange dataRange(const AnalysisSet& set) {
    std::vector<SeriesView> views;
    views.reserve(set.values.size());
    for (const auto& values : set.values)
        views.push_back({{}, values});
    return dataRange(views);
}

double widthFromLimits(double upper, double lower, int classes) {
    return (upper - lower) / clampClassCount(classes);
}

double upperFromWidth(double lower, double width, int classes) {
    return clampClassCount(classes) * width + lower;
}

ClassSettings adjustClassSettings(ClassSettings settings, ClassAdjust adjust) {
    settings.classes = clampClassCount(settings.classes);
    if (adjust == ClassAdjust::Width)
        settings.width = widthFromLimits(settings.upper, settings.lower, settings.classes);
    else
        settings.upper = upperFromWidth(settings.lower, settings.width, settings.classes);
    return settings;
}

ClassSettings openingClassSettings(const DataRange& data) {
    ClassSettings settings;
    settings.upper = data.max;
    settings.lower = data.min;
    settings.classes = kInitialClasses;
    return adjustClassSettings(settings, ClassAdjust::Width);
}

double shownValue(double value) {
    return lenientParse(generalNumberText(value));
}

Status checkClassLimits(const DataRange& data, double upper, double lower) {
    // Both sides are compared as numbers; a limit that is not a number fails.
    if (shownValue(data.max) > upper || std::isnan(upper)) return Status::invalidArgument(kUpperBelowDataMax);
    if (shownValue(data.min) < lower || std::isnan(lower)) return Status::invalidArgument(kLowerAboveDataMin);
    return Status::ok();
}

} // namespace zel
