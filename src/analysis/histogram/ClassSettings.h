// The rules of the graph settings dialog `bunform`: the data range and the
// settings it opens with, the two ways of keeping the upper limit, the class
// count and the class width in step, and the check of the limits against the
// data before the classes are counted.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/histogram/ClassTable.h"
#include "common/Status.h"

#include <span>

namespace zel {

inline constexpr const char* kClassSettingsTitle = "グラフの設定";
inline constexpr const char* kUpperBelowDataMax =
    "グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。";
inline constexpr const char* kLowerAboveDataMin =
    "グラフの下限値は入力されたデータの最小値よりも小きくなるよう設定を変更してください。";

// The options of the dialog: which field follows the others.
enum class ClassAdjust {
    Width, // "区間幅で調整": the width follows the limits and the class count
    Upper, // "上限値で調整": the upper limit follows the lower limit, the count and the width
};

// The largest and smallest value of the data (0 and 0 without any value).
struct DataRange {
    double max = 0.0;
    double min = 0.0;
};

// Over every value of every series.
DataRange dataRange(std::span<const SeriesView> series);
DataRange dataRange(const AnalysisSet& set);

// The dialog's fields: upper limit, lower limit, class count and class width.
struct ClassSettings {
    double upper = 0.0;
    double lower = 0.0;
    int classes = kInitialClasses;
    double width = 0.0;

    ClassLimits limits() const { return {upper, lower, classes}; }
};

// "区間幅で調整": (upper - lower) / classes, kept to the significant digits the
// difference of the two limits has, so that close limits such as 25.012 and
// 24.992 give a width of 0.002 rather than the binary remainder
// 0.00199999999999996.
double widthFromLimits(double upper, double lower, int classes);
// "上限値で調整": classes x width + lower.
double upperFromWidth(double lower, double width, int classes);

// The rule of the option applied after a change of any field: Width sets the
// width, Upper sets the upper limit. The class count is held in 2..100.
ClassSettings adjustClassSettings(ClassSettings settings, ClassAdjust adjust);

// On opening: upper = max, lower = min, 10 classes, width = (max - min) / 10.
ClassSettings openingClassSettings(const DataRange& data);

// A number as the dialog shows it (general number text) and reads it back: the
// value rounded to 15 significant digits.
double shownValue(double value);

// The limits check of "OK": refused with kUpperBelowDataMax when the shown
// maximum is greater than upper, else with kLowerAboveDataMin when the shown
// minimum is less than lower. Equality passes.
Status checkClassLimits(const DataRange& data, double upper, double lower);

} // namespace zel
