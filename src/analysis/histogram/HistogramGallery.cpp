// The gallery's histograms and frequency table: built-in datasets through the real
// computations, fill and print path.
#include "analysis/histogram/HistogramGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/Capability.h"
#include "analysis/histogram/CapabilityOverlay.h"
#include "analysis/histogram/ClassSettings.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/histogram/HistogramFill.h"
#include "analysis/histogram/dobun.h"
#include "analysis/statistics/Stratification.h"
#include "components/grid/DataGrid.h"
#include "presentation/GridPrinting.h"
#include "windowkit/Workspace.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using zel::AnalysisId;
using zel::AnalysisSet;
using zel::ChartModel;
using zel::ClassLimits;
using zel::ClassTable;

namespace {

// Shaft diameters (mm) read to 0.001 mm: 100 shafts of one turning process, and
// 100 each from three machines whose settings differ a little.
const zel::Dataset& shafts() {
    static const zel::Dataset ds = [] {
        return galleryColumns({galleryMeasurements(100, 10.000, 0.014, 20240611, 0.001)}, {"軸径(mm)"});
    }();
    return ds;
}

const zel::Dataset& machines() {
    static const zel::Dataset ds = [] {
        return galleryColumns({galleryMeasurements(100, 10.000, 0.011, 31, 0.001),
                               galleryMeasurements(100, 10.009, 0.013, 32, 0.001),
                               galleryMeasurements(100, 9.991, 0.012, 33, 0.001)},
                              {"1号機", "2号機", "3号機"});
    }();
    return ds;
}

// Surface roughness Ra (µm) of 100 ground faces, read to 0.01 µm: a
// characteristic with an upper limit alone.
const zel::Dataset& roughness() {
    static const zel::Dataset ds = [] {
        return galleryColumns({galleryMeasurements(100, 0.95, 0.17, 20241016, 0.01)}, {"粗さRa(μm)"});
    }();
    return ds;
}

// 120 shafts from three lines in production order: the factor "ライン" (1..3)
// and the diameter. Each sample's data label names its line, so the strata are
// named after their lines.
const zel::Dataset& lines() {
    static const zel::Dataset ds = [] {
        const double means[] = {10.000, 10.012, 9.994};
        const double sds[] = {0.010, 0.012, 0.016};
        std::vector<std::vector<double>> values;
        for (int line = 0; line < 3; ++line)
            values.push_back(
                galleryMeasurements(40, means[line], sds[line], 41 + static_cast<unsigned>(line), 0.001));
        // The lines deliver in turn, four shafts at a time.
        return galleryStrata(values, {"Aライン", "Bライン", "Cライン"}, 4, "ライン", "軸径(mm)");
    }();
    return ds;
}

AnalysisSet analysisSet(const zel::Dataset& ds, const std::vector<int>& positions) {
    return zel::buildAnalysisSet(ds, positions).value();
}

AnalysisSet strata() {
    return zel::stratifiedHistogramSeries(zel::buildStratifiedSet(lines(), 1, 2).value());
}

// bunform's OK with the limits typed in: the limits check, then the counting.
// Nothing when the dialog would refuse the limits.
std::optional<ClassTable> classTable(const AnalysisSet& set, const ClassLimits& limits) {
    if (!zel::checkClassLimits(zel::dataRange(set), limits.upper, limits.lower)) return std::nullopt;
    return zel::buildClassTable(set, limits);
}

// The limits a quality engineer types for these shafts: tolerance 10.00 ± 0.05
// in classes 0.01 wide; the lines' wider spread in 12 classes.
constexpr ClassLimits kShaftLimits{10.05, 9.95, 10};
constexpr ClassLimits kLineLimits{10.06, 9.94, 12};
constexpr ClassLimits kRoughnessLimits{1.6, 0.3, 13};
// The specification limits typed in "規格値の設定": the shafts' tolerance
// 10.00 ± 0.04 inside the classes, the drawing's wider 10.00 ± 0.06 outside
// them, the roughness's upper limit Ra 1.5.
const zel::SpecificationLimits kShaftTolerance{10.04, 9.96, 10.00};
const zel::SpecificationLimits kWideTolerance{10.06, 9.94, 10.00};
const zel::SpecificationLimits kRoughnessUpper{1.5, std::nullopt, std::nullopt};
// A view from higher up and more to the side, as set in the 3-D view dialog: the
// default one looks at the box level with its middle, where the front series
// hides most of the series behind it.
constexpr zel::ViewAngles kRaisedView{30, 30, 25};
// dobun's decimal places when its OK is pressed: the class ranges read well with
// two; the printed table shows three, so that the mid-values (9.955) keep their digit.
constexpr int kDecimals = 2;
constexpr int kTableDecimals = 3;

// youko's redraw of a kind: the fill with the label texts dobun hands over and
// the classification flags, then the titles with the series name below the chart.
struct HistogramView {
    std::optional<AnalysisId> analysis = AnalysisId::Histogram;
    std::vector<std::int16_t> flags; // the classification dialog's marks
    zel::ViewAngles view;            // the 3-D view dialog's angles
    // "規格値の設定": the limits drawn with the fitted normal curve (none: no capability).
    std::optional<zel::SpecificationLimits> limits;
};

void drawHistogram(ChartModel& m, const AnalysisSet& set, const ClassLimits& limits, const char* kind,
                   const HistogramView& look = {}) {
    const std::optional<ClassTable> table = classTable(set, limits);
    if (!table) return;
    zel::HistogramInput input;
    input.kind = kind;
    m.redrawReset(m.viewAngles());
    if (!zel::fillHistogram(m, *table, zel::classLabelTexts(*table, kDecimals), look.flags, input)) return;
    // The capability after the fill, with the curve switched on.
    const zel::HistogramKind* histogramKind = zel::findHistogramKind(kind);
    if (look.limits && histogramKind)
        if (const zel::Result<zel::Capability> c = zel::histogramCapability(*table, *look.limits))
            zel::drawCapability(m, *table, *histogramKind, *look.limits, c.value(), true);
    zel::TitleContext context;
    context.variableNames = {zel::histogramBottomTitle(*table, input)};
    finishGalleryChart(m, look.analysis, context, look.view);
}

// The classification dialog with the classes outside the tolerance 10.00 ± 0.03 checked.
std::vector<std::int16_t> outsideTolerance() {
    std::vector<std::int16_t> flags(static_cast<std::size_t>(kShaftLimits.classes),
                                    zel::classflags::kUnmarked);
    for (std::size_t k : {0u, 1u, 8u, 9u})
        flags[k] = zel::classflags::kMarked;
    return flags;
}

// The frequency table of the three machines, printed as dobun's "印刷" prints it,
// on A5 landscape at 120 dpi (the gallery's 1000 x 700 pixels), with 10 mm margins.
bool printedFrequencyTable(QImage& image) {
    const std::optional<ClassTable> table = classTable(analysisSet(machines(), {1, 2, 3}), kShaftLimits);
    if (!table) return false;
    constexpr double kDotsPerInch = 120;
    constexpr double kMetresPerInch = 0.0254;
    image.setDotsPerMeterX(static_cast<int>(std::lround(kDotsPerInch / kMetresPerInch)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(kDotsPerInch / kMetresPerInch)));
    DataGrid grid;
    dobun::fillGrid(grid, *table, kTableDecimals);
    constexpr std::int16_t kMarginTwips = 567; // 10 mm
    GridPrinting::applyRecipe(grid, QStringLiteral("/home/qc/軸径"),
                              zel::PrintMargins{kMarginTwips, kMarginTwips, kMarginTwips, kMarginTwips}, 1.0);
    return GridPrinting::renderPage(grid, image) >= 1;
}

} // namespace

std::vector<ChartGalleryEntry> histogramGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, std::function<void(ChartModel&)> fill,
                   bool mono = false) {
        e.push_back({file, QString::fromUtf8(caption), mono, std::move(fill), {}});
    };
    const auto shaft = [] { return analysisSet(shafts(), {1}); };
    add("53_hist_bar", "ヒストグラム：棒グラフ（軸径 100 本・10 クラス）",
        [shaft](ChartModel& m) { drawHistogram(m, shaft(), kShaftLimits, "棒グラフ"); });
    add("54_hist_classified", "ヒストグラム：棒グラフ（区分データ：公差外のクラス）", [shaft](ChartModel& m) {
        drawHistogram(
            m, shaft(), kShaftLimits, "棒グラフ",
            {.analysis = AnalysisId::Histogram, .flags = outsideTolerance(), .view = {}, .limits = {}});
    });
    add("55_hist_z2", "ヒストグラム：Ｚ軸立体棒（２変数）", [](ChartModel& m) {
        drawHistogram(m, analysisSet(machines(), {1, 2}), kShaftLimits, "Ｚ軸立体棒");
    });
    add("56_hist_z3", "ヒストグラム：Ｚ軸立体棒（３変数、視点：左右 30・上下 25）", [](ChartModel& m) {
        drawHistogram(m, analysisSet(machines(), {1, 2, 3}), kShaftLimits, "Ｚ軸立体棒",
                      {.analysis = AnalysisId::Histogram, .flags = {}, .view = kRaisedView, .limits = {}});
    });
    add("57_hist_bar_mean", "ヒストグラム：棒グラフ－平均値（平均値マーク）",
        [shaft](ChartModel& m) { drawHistogram(m, shaft(), kShaftLimits, "棒グラフ－平均値"); });
    add("58_hist_pie", "ヒストグラム：円グラフ",
        [shaft](ChartModel& m) { drawHistogram(m, shaft(), kShaftLimits, "円グラフ"); });
    add("59_hist_bar_h", "ヒストグラム：棒グラフ（横）",
        [shaft](ChartModel& m) { drawHistogram(m, shaft(), kShaftLimits, "棒グラフ（横）"); });
    add("60_hist_strata", "層別ヒストグラム：Ｚ軸立体棒（３ライン、視点：左右 30・上下 25）",
        [](ChartModel& m) {
            drawHistogram(m, strata(), kLineLimits, "Ｚ軸立体棒",
                          {.analysis = AnalysisId::StratifiedHistogram,
                           .flags = {},
                           .view = kRaisedView,
                           .limits = {}});
        });
    // The process capability: the limits as lines over the classes and the fitted normal curve.
    const auto capability = [](const zel::Dataset& (*data)(), ClassLimits classes,
                               zel::SpecificationLimits limits) {
        return [data, classes, limits](ChartModel& m) {
            drawHistogram(m, analysisSet(data(), {1}), classes, "棒グラフ",
                          {.analysis = AnalysisId::Histogram, .flags = {}, .view = {}, .limits = limits});
        };
    };
    add("102_hist_capability", "工程能力：規格線と正規分布曲線（軸径、規格 10.00±0.04）",
        capability(shafts, kShaftLimits, kShaftTolerance));
    add("103_hist_capability_mono", "工程能力：規格線と正規分布曲線（軸径、モノクロ）",
        capability(shafts, kShaftLimits, kShaftTolerance), true);
    add("104_hist_capability_upper", "工程能力：上限規格のみ（表面粗さ Ra 1.5 以下）",
        capability(roughness, kRoughnessLimits, kRoughnessUpper));
    add("105_hist_capability_outside", "工程能力：規格がクラスの範囲外（軸径、規格 10.00±0.06）",
        capability(shafts, kShaftLimits, kWideTolerance));
    e.push_back({"61_frequency_table",
                 QString::fromUtf8("度数分布表（印刷：３変数・小数点以下 3 桁）"),
                 false,
                 {},
                 printedFrequencyTable});
    return e;
}
