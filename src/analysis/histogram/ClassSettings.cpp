// The graph settings dialog's rules: data range, opening settings, the two
// adjustments and the limits check.
#include "analysis/histogram/ClassSettings.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

namespace {

// value rounded to the given count of significant decimal digits.
double roundedToDigits(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return std::strtod(text, nullptr);
}

} // namespace

double widthFromLimits(double upper, double lower, int classes) {
    const double width = (upper - lower) / clampClassCount(classes);
    // Limits typed or read with 15 significant digits lose their common leading
    // digits in the difference, and the binary remainder below what is left is
    // noise: 25.012 - 24.992 is 0.019999999999999574 in binary. The width keeps
    // only the digits the difference has, so that it shows as 0.002.
    const double larger = std::max(std::fabs(upper), std::fabs(lower));
    if (width == 0.0 || !std::isfinite(width) || larger == 0.0) return width;
    const int cancelled =
        static_cast<int>(std::floor(std::log10(larger)) - std::floor(std::log10(std::fabs(upper - lower))));
    // Comparing the leading digits' places may count one digit more as lost than
    // the difference really lost (10 - 6 keeps all fifteen): one is given back.
    return roundedToDigits(width, std::clamp(16 - cancelled, 1, 15));
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
