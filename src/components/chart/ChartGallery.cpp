// The chart gallery: charts of the component's kinds with realistic data, and the writer
// that renders a list of entries through the one render path into PNG files with an
// index page showing them with their kind names.
#include "components/chart/ChartGallery.h"

#include "components/chart/ChartExport.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

using zel::ChartModel;
using zel::ChartType;
namespace styles = zel::chartstyles;

namespace {

constexpr int type(ChartType t) {
    return static_cast<int>(t);
}

// The size of every picture of the gallery.
const QSize kGallerySize(1000, 700);

std::vector<double> normalSample(int n, double mean, double sd, unsigned seed) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> d(mean, sd);
    std::vector<double> v(static_cast<std::size_t>(n));
    for (double& x : v)
        x = d(rng);
    return v;
}

void fillSeries(ChartModel& m, const std::vector<std::vector<double>>& series) {
    m.setSeriesCount(static_cast<int>(series.size()));
    m.setPointCount(static_cast<int>(series.front().size()));
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (const auto& s : series)
        for (double v : s)
            m.setPointValue(v);
}

void titles(ChartModel& m, const char* top, const char* bottom, const char* left, const char* right = "") {
    m.setTitleTop(top);
    m.setTitleBottom(bottom);
    m.setTitleLeft(left);
    m.setTitleRight(right);
}

void legends(ChartModel& m, std::initializer_list<const char*> names) {
    int k = 1;
    for (const char* n : names)
        m.setLegendAt(k++, n);
}

void numberLabels(ChartModel& m) {
    for (int i = 1; i <= m.pointCount(); ++i)
        m.setPointLabelAt(i, std::to_string(i));
}

double mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
}

void histogram(ChartModel& m) {
    const auto v = normalSample(200, 10.0, 0.05, 3);
    const double lo = 9.85, w = 0.025;
    std::vector<double> counts(12, 0.0);
    for (double x : v) {
        const int k = static_cast<int>(std::floor((x - lo) / w));
        if (k >= 0 && k < 12) counts[static_cast<std::size_t>(k)] += 1;
    }
    fillSeries(m, {counts});
    m.setChartType(type(ChartType::Bar));
    m.setChartStyle(styles::kBarVertical);
    m.setBarGap(0); // neighbouring classes touch
    for (int i = 1; i <= 12; ++i) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", lo + (i - 0.5) * w);
        m.setPointLabelAt(i, buf);
    }
    // The mean marked on the value axis by the overlay.
    m.setOverlayMode(zel::overlaymodes::kLeftAxis);
    const int opts[] = {0, 3, 1, 5, 12};
    for (int i = 0; i < 5; ++i)
        m.setOverlayOption(i + 1, opts[i]);
    m.setCurrentPoint(1);
    m.setOverlayValue(*std::max_element(counts.begin(), counts.end()) * 1.05);
    m.setOverlayXPos((mean(v) - lo) / w + 0.5);
    titles(m, "ヒストグラム（軸径）", "軸径 (mm)", "度数");
    m.setGridLines(zel::gridlines::kHorizontal);
}

void pareto(ChartModel& m) {
    const std::vector<double> counts{48, 27, 15, 9, 6, 4, 3};
    const char* items[] = {"キズ", "寸法不良", "バリ", "変形", "汚れ", "欠け", "その他"};
    fillSeries(m, {counts});
    m.setChartType(type(ChartType::Bar));
    m.setChartStyle(styles::kBarVertical);
    for (int i = 0; i < 7; ++i)
        m.setPointLabelAt(i + 1, items[i]);
    const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
    m.setOverlayMode(zel::overlaymodes::kRightAxis);
    const int opts[] = {0, 5, 3, 13, 12};
    for (int i = 0; i < 5; ++i)
        m.setOverlayOption(i + 1, opts[i]);
    double cum = 0;
    for (int i = 0; i < 7; ++i) {
        cum += counts[static_cast<std::size_t>(i)];
        m.setCurrentPoint(i + 1);
        m.setOverlayValue(100.0 * cum / total);
    }
    m.setYAxisSelect(1);
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(100);
    m.setYAxisMin(0);
    m.setYAxisTicks(5);
    m.setYAxisSelect(0);
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(total);
    m.setYAxisMin(0);
    titles(m, "パレート図（不良項目）", "不良項目", "件数", "累積比率 (%)");
}

std::vector<double> scatterX() {
    return normalSample(60, 170.0, 8.0, 21);
}
std::vector<double> scatterY() {
    const auto x = scatterX();
    const auto e = normalSample(60, 0.0, 3.5, 22);
    std::vector<double> y;
    for (std::size_t i = 0; i < x.size(); ++i)
        y.push_back(0.9 * x[i] - 90 + 0.004 * std::pow(x[i] - 170, 2) + e[i]);
    return y;
}

void scatter(ChartModel& m, int style) {
    const auto x = scatterX(), y = scatterY();
    fillSeries(m, {y});
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double v : x) {
        m.setPointXPos(v);
        if (m.currentPoint() < m.pointCount()) m.setCurrentPoint(m.currentPoint() + 1);
    }
    m.setChartType(type(ChartType::Scatter));
    m.setChartStyle(style);
    if (style == styles::kScatterMarkers) m.setStatLines(zel::statlines::kTrend);
    if (style == styles::kScatterFittedCurve) m.setFitDegree(2);
    titles(m, style == styles::kScatterFittedCurve ? "散布図と２次の近似曲線" : "散布図と回帰直線",
           "焼入れ温度 (x10℃)", "硬度 (HV/10)");
    m.setGridLines(zel::gridlines::kBoth);
    m.setGridLineStyle(zel::gridlinestyles::kDashed);
}

void residuals(ChartModel& m) {
    const auto x = scatterX(), y = scatterY();
    // Residuals of the least-squares line.
    const double mx = mean(x), my = mean(y);
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    const double b = sxy / sxx, a = my - b * mx;
    std::vector<double> r;
    for (std::size_t i = 0; i < x.size(); ++i)
        r.push_back(y[i] - (a + b * x[i]));
    // The time-series residual plot: markers, the max / min and the sigma lines.
    fillSeries(m, {r});
    m.setChartType(type(ChartType::Line));
    m.setChartStyle(styles::kLineSticks);
    m.setStatLines(zel::statlines::kMaxMin | zel::statlines::kSigma);
    numberLabels(m);
    titles(m, "時系列残差プロット", "データ番号", "残差");
    m.setGridLines(zel::gridlines::kHorizontal);
}

void statsByVariable(ChartModel& m) {
    const char* names[] = {"外径", "内径", "肉厚", "長さ", "重量"};
    std::vector<std::vector<double>> sets(7);
    double top = 0, bottom = 0;
    for (int k = 0; k < 5; ++k) {
        const auto v = normalSample(40, 20.0 + 4 * k - (k == 2 ? 10 : 0), 1.0 + 0.4 * k, 100 + k);
        const double mu = mean(v);
        double ss = 0;
        for (double x : v)
            ss += (x - mu) * (x - mu);
        const double sd = std::sqrt(ss / (v.size() - 1));
        const double mn = *std::min_element(v.begin(), v.end()), mx = *std::max_element(v.begin(), v.end());
        const double s[7] = {std::min(mn, mu - sd), mu - sd, mu - sd, mu, mu + sd, mu + sd,
                             std::max(mx, mu + sd)};
        for (int j = 0; j < 7; ++j)
            sets[static_cast<std::size_t>(j)].push_back(s[j]);
        top = k == 0 ? s[6] : std::max(top, s[6]);
        bottom = k == 0 ? s[0] : std::min(bottom, s[0]);
    }
    fillSeries(m, sets);
    for (int k = 0; k < 5; ++k)
        m.setPointLabelAt(k + 1, names[k]);
    m.setChartType(type(ChartType::StatsByVariable));
    m.setChartStyle(styles::kStatsBoxFigure);
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(top);
    m.setYAxisMin(bottom);
    m.setYAxisTicks(4);
    titles(m, "変数別統計量", "変数", "値");
}

// Three variables of a small lot for the variable graphs.
std::vector<std::vector<double>> lotValues(int series, int n = 12) {
    std::vector<std::vector<double>> out;
    for (int k = 0; k < series; ++k) {
        auto v = normalSample(n, 50.0 + 12 * k, 6.0 + k, 300 + static_cast<unsigned>(k));
        for (double& x : v)
            x = std::round(std::max(5.0, x) * 10) / 10;
        out.push_back(v);
    }
    return out;
}

void variableGraph(ChartModel& m, ChartType kind, int style, int series, const char* top) {
    fillSeries(m, lotValues(series));
    m.setChartType(type(kind));
    m.setChartStyle(style);
    for (int i = 1; i <= m.pointCount(); ++i)
        m.setPointLabelAt(i, "L" + std::to_string(100 + i));
    legends(m, {"午前", "午後", "夜間"});
    titles(m, top, series == 1 ? "午前" : "", "生産量");
}

void pie(ChartModel& m, ChartType kind) {
    const std::vector<double> shares{34, 22, 17, 11, 8, 5, 3};
    const char* items[] = {"キズ", "寸法不良", "バリ", "変形", "汚れ", "欠け", "その他"};
    fillSeries(m, {shares});
    m.setChartType(type(kind));
    m.setChartStyle(styles::kPieLabelled);
    for (int i = 0; i < 7; ++i)
        m.setPointLabelAt(i + 1, items[i]);
    m.setPointSeparatedAt(1, 1);
    titles(m, kind == ChartType::Pie ? "円グラフ（不良項目）" : "立体円グラフ（不良項目）", "", "");
}

void gantt(ChartModel& m, int style) {
    // Four projects (points), each with four phases: the boundaries in days.
    const std::vector<std::vector<double>> bounds{
        {0, 2, 5, 1, 3}, {4, 8, 12, 6, 9}, {9, 14, 20, 11, 15}, {15, 18, 26, 17, 22}, {20, 21, 30, 24, 27}};
    fillSeries(m, bounds);
    m.setChartType(type(ChartType::Gantt));
    m.setChartStyle(style);
    const char* names[] = {"金型製作", "試作", "量産準備", "検査治具", "設備導入"};
    for (int i = 0; i < 5; ++i)
        m.setPointLabelAt(i + 1, names[i]);
    legends(m, {"開始", "設計", "製作", "評価", "完了"});
    titles(m, style == styles::kGanttPlain ? "ガントチャート" : "ガントチャート（間隔あり）", "日数", "");
}

void scatter3D(ChartModel& m, int style, int n = 60) {
    const auto y = normalSample(n, 30.0, 4.0, 41);
    const auto x = normalSample(n, 150.0, 15.0, 42);
    const auto z = normalSample(n, 2.5, 0.6, 43);
    std::vector<double> yy;
    for (int i = 0; i < n; ++i)
        yy.push_back(y[i] + 0.12 * (x[i] - 150) + 3 * (z[i] - 2.5));
    fillSeries(m, {yy});
    m.setCurrentSeries(1);
    for (int i = 1; i <= n; ++i) {
        m.setCurrentPoint(i);
        m.setPointXPos(x[static_cast<std::size_t>(i - 1)]);
        m.setPointZPos(z[static_cast<std::size_t>(i - 1)]);
    }
    m.setChartType(type(ChartType::Scatter3D));
    m.setChartStyle(style);
    const char* kinds[] = {"立体散布図", "立体散布図（縦棒）", "立体散布図（線）"};
    titles(m, kinds[std::clamp(style, 0, 2)], "圧力 (kPa)", "強度 (MPa)", "添加量 (%)");
    m.setGridLines(zel::gridlines::kBoth);
}

// An X chart with its control lines and the points that broke a run rule flagged
// with the rule numbers.
void signalsControl(ChartModel& m) {
    const std::vector<double> x{49.2, 51.0, 48.7, 50.3, 52.1, 47.9, 50.8, 49.5, 57.3, 50.2,
                                48.9, 51.4, 49.8, 48.6, 43.1, 50.9, 51.2, 50.4, 52.3, 51.8,
                                50.7, 54.6, 52.6, 55.2, 53.1, 51.5, 49.6, 50.8, 48.2, 50.1};
    const auto level = [&x](double v) { return std::vector<double>(x.size(), v); };
    fillSeries(m, {level(50.0), level(56.0), level(44.0), x});
    m.setChartType(type(ChartType::Line));
    m.setChartStyle(styles::kLineWithSymbols);
    m.setSeriesRole(1, zel::SeriesRole::CentreLine);
    m.setSeriesRole(2, zel::SeriesRole::UpperLimit);
    m.setSeriesRole(3, zel::SeriesRole::LowerLimit);
    numberLabels(m);
    m.setCurrentSeries(4);
    for (const auto& [point, rules] : std::initializer_list<std::pair<int, const char*>>{
             {9, "1"}, {15, "1"}, {24, "2,5"}, {25, "2,6"}, {26, "2,6"}}) {
        m.setCurrentPoint(point);
        m.setPointSignal(rules);
    }
    titles(m, "X管理図（異常判定）", "群番号", "外径 (mm)");
    m.setGridLines(zel::gridlines::kHorizontal);
}

// A histogram of 200 readings with the specification limits as labelled lines and
// the normal density of the readings' mean and standard deviation, scaled to the
// counts. meanKind: the class axis numeric (sticks at the class mids), else the
// classes as touching bars on a category axis.
void specHistogram(ChartModel& m, bool meanKind) {
    const auto v = normalSample(200, 10.0, 0.05, 3);
    constexpr int kClasses = 12;
    const double lo = 9.85, w = 0.025;
    std::vector<double> bounds(kClasses + 1), counts(kClasses, 0.0);
    for (int k = 0; k <= kClasses; ++k)
        bounds[static_cast<std::size_t>(k)] = lo + k * w;
    for (double x : v) {
        const int k = static_cast<int>(std::floor((x - lo) / w));
        if (k >= 0 && k < kClasses) counts[static_cast<std::size_t>(k)] += 1;
    }
    fillSeries(m, {counts});
    const auto along = [&](double x) { return meanKind ? x : zel::classAxisPosition(bounds, x); };
    if (meanKind) {
        m.setChartType(type(ChartType::Line));
        m.setChartStyle(styles::kLineSticks);
        m.setXAxisScale(zel::axisscales::kFixed);
        m.setXAxisMin(bounds.front());
        m.setXAxisMax(bounds.back());
        m.setXAxisTicks(kClasses / 2);
        m.setCurrentSeries(1);
        for (int p = 1; p <= kClasses; ++p) {
            m.setCurrentPoint(p);
            m.setPointXPos(lo + (p - 0.5) * w);
        }
    } else {
        m.setChartType(type(ChartType::Bar));
        m.setChartStyle(styles::kBarVertical);
        m.setBarGap(0);
        for (int i = 1; i <= kClasses; ++i) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.3f", lo + (i - 0.5) * w);
            m.setPointLabelAt(i, buf);
        }
    }
    m.addReferenceLine(along(9.88), "下限規格");
    m.addReferenceLine(along(10.12), "上限規格");
    const double mu = mean(v);
    double ss = 0;
    for (double x : v)
        ss += (x - mu) * (x - mu);
    const double sd = std::sqrt(ss / (v.size() - 1));
    constexpr int kSteps = 60;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = bounds.front() + (bounds.back() - bounds.front()) * i / kSteps;
        const double z = (x - mu) / sd;
        m.addCurvePoint(along(x), v.size() * w * std::exp(-z * z / 2) / (sd * std::sqrt(2 * M_PI)));
    }
    titles(m, meanKind ? "ヒストグラム（棒グラフ－平均値・規格値）" : "ヒストグラム（規格値・正規分布曲線）",
           "軸径 (mm)", "度数");
    m.setGridLines(zel::gridlines::kHorizontal);
}

} // namespace

std::vector<ChartGalleryEntry> componentGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, std::function<void(ChartModel&)> fill,
                   bool mono = false) {
        e.push_back({file, QString::fromUtf8(caption), mono, std::move(fill), {}});
    };
    add("07_histogram", "ヒストグラム（平均値マーク）", histogram);
    add("08_pareto", "パレート図（右軸に累積比率）", pareto);
    add("09_scatter_trend", "散布図と回帰直線", [](ChartModel& m) { scatter(m, styles::kScatterMarkers); });
    add("10_scatter_fit", "散布図と近似曲線（２次）",
        [](ChartModel& m) { scatter(m, styles::kScatterFittedCurve); });
    add("11_residuals", "残差のプロット", residuals);
    add("12_stats_by_variable", "変数別統計量（17）", statsByVariable);
    add("13_pie", "円グラフ", [](ChartModel& m) { pie(m, ChartType::Pie); });
    add("14_pie3d", "立体円グラフ", [](ChartModel& m) { pie(m, ChartType::Pie3D); });
    add("15_bar", "棒グラフ",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar, styles::kBarVertical, 3, "棒グラフ"); });
    add("16_bar_stacked", "積層型",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar, styles::kBarStacked, 3, "積層型"); });
    add("17_bar3d", "立体棒グラフ",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar3D, styles::kBarVertical, 3, "立体棒グラフ"); });
    add("18_bar3d_z", "Ｚ軸立体棒",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar3D, styles::kBarAlongZ, 3, "Ｚ軸立体棒"); });
    add("19_bar_h", "棒グラフ（横）",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar, styles::kBarHorizontal, 3, "棒グラフ（横）"); });
    add("20_bar_h_stacked", "積層型（横）", [](ChartModel& m) {
        variableGraph(m, ChartType::Bar, styles::kBarStackedHorizontal, 3, "積層型（横）");
    });
    add("21_bar3d_h", "立体棒グラフ（横）", [](ChartModel& m) {
        variableGraph(m, ChartType::Bar3D, styles::kBarHorizontal, 3, "立体棒グラフ（横）");
    });
    add("22_bar3d_z_h", "Ｚ軸立体棒（横）", [](ChartModel& m) {
        variableGraph(m, ChartType::Bar3D, styles::kBarAlongZHorizontal, 3, "Ｚ軸立体棒（横）");
    });
    add("23_line", "折れ線グラフ（平均・標準偏差線）", [](ChartModel& m) {
        variableGraph(m, ChartType::Line, styles::kLineWithSymbols, 1, "折れ線グラフ");
        m.setStatLines(zel::statlines::kMean | zel::statlines::kSigma);
    });
    add("24_band", "帯グラフ",
        [](ChartModel& m) { variableGraph(m, ChartType::Band, styles::kBand, 3, "帯グラフ"); });
    add("25_area", "エリアグラフ", [](ChartModel& m) {
        variableGraph(m, ChartType::Area, styles::kAreaOverlapping, 3, "エリアグラフ");
    });
    add("26_area3d", "立体エリアグラフ", [](ChartModel& m) {
        variableGraph(m, ChartType::Area3D, styles::kAreaOverlapping, 3, "立体エリアグラフ");
    });
    add("27_log", "対数グラフ", [](ChartModel& m) {
        variableGraph(m, ChartType::Logarithmic, styles::kLineWithSymbols, 2, "対数グラフ");
        m.setCurrentSeries(2);
        m.setCurrentPoint(1);
        for (int i = 1; i <= m.pointCount(); ++i)
            m.setPointValue(std::pow(10.0, 0.25 * i));
    });
    add("28_sigma", "３σ線", [](ChartModel& m) {
        const auto v = lotValues(1).front();
        const double mu = mean(v);
        double ss = 0;
        for (double x : v)
            ss += (x - mu) * (x - mu);
        const double sd = std::sqrt(ss / (v.size() - 1));
        fillSeries(
            m, {v, std::vector<double>(v.size(), mu + 3 * sd), std::vector<double>(v.size(), mu - 3 * sd)});
        m.setChartType(type(ChartType::Line));
        m.setChartStyle(styles::kLineWithSymbols);
        m.setStatLines(zel::statlines::kMean | zel::statlines::kSigma);
        numberLabels(m);
        legends(m, {"午前", "+3σ", "-3σ"});
        titles(m, "３σ線", "", "生産量");
    });
    add("30_area_stacked", "エリアグラフ（積層）", [](ChartModel& m) {
        variableGraph(m, ChartType::Area, styles::kAreaStacked, 3, "エリアグラフ（積層）");
    });
    add("31_area3d_stacked", "立体エリアグラフ（積層）", [](ChartModel& m) {
        variableGraph(m, ChartType::Area3D, styles::kAreaStacked, 3, "立体エリアグラフ（積層）");
    });
    add("32_gantt", "ガントチャート", [](ChartModel& m) { gantt(m, styles::kGanttPlain); });
    add("33_gantt_gaps", "ガントチャート（間隔あり）", [](ChartModel& m) { gantt(m, styles::kGanttGaps); });
    add("34_scatter3d", "立体散布図", [](ChartModel& m) { scatter3D(m, styles::kScatter3DMarkers); });
    add("35_scatter3d_drop", "立体散布図（縦棒）",
        [](ChartModel& m) { scatter3D(m, styles::kScatter3DDropLines); });
    add("36_scatter3d_line", "立体散布図（線）",
        [](ChartModel& m) { scatter3D(m, styles::kScatter3DJoined, 25); });
    add("37_bar3d_view", "立体棒グラフ（視点：左右 -35・上下 30）", [](ChartModel& m) {
        variableGraph(m, ChartType::Bar3D, styles::kBarAlongZ, 3, "Ｚ軸立体棒（視点変更）");
        m.setViewAngles({-35, 60, 30});
    });
    add("38_pie3d_view", "立体円グラフ（視点：左右 45・上下 40）", [](ChartModel& m) {
        pie(m, ChartType::Pie3D);
        m.setViewAngles({45, 30, 40});
    });
    add("39_scatter3d_view", "立体散布図（視点：左右 60・上下 45、遠近 0）", [](ChartModel& m) {
        scatter3D(m, styles::kScatter3DDropLines);
        m.setViewAngles({60, 0, 45});
    });
    add("40_pie_classified", "円グラフ（区分データ・分離）", [](ChartModel& m) {
        variableGraph(m, ChartType::Pie, styles::kPieLabelled, 1, "円グラフ（区分データ）");
        m.setPointPattern(0);
        for (int i : {3, 7}) {
            m.setCurrentPoint(i);
            m.setPointPattern(4);
        }
        m.setPointSeparatedAt(5, 1);
    });
    add("42_pareto_mono", "パレート図（モノクロ）", pareto, true);
    add("43_histogram_mono", "ヒストグラム（モノクロ）", histogram, true);
    add(
        "44_bar_mono", "棒グラフ（モノクロ）",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar, styles::kBarVertical, 3, "棒グラフ"); }, true);
    add(
        "45_line_mono", "折れ線グラフ（モノクロ）",
        [](ChartModel& m) {
            variableGraph(m, ChartType::Line, styles::kLineWithSymbols, 3, "折れ線グラフ");
            m.setStatLines(zel::statlines::kMean);
        },
        true);
    add(
        "46_pie_mono", "円グラフ（モノクロ）", [](ChartModel& m) { pie(m, ChartType::Pie); }, true);
    add(
        "47_pie3d_mono", "立体円グラフ（モノクロ）", [](ChartModel& m) { pie(m, ChartType::Pie3D); }, true);
    add(
        "48_bar3d_mono", "Ｚ軸立体棒（モノクロ）",
        [](ChartModel& m) { variableGraph(m, ChartType::Bar3D, styles::kBarAlongZ, 3, "Ｚ軸立体棒"); }, true);
    add(
        "49_area3d_mono", "立体エリアグラフ（モノクロ）",
        [](ChartModel& m) {
            variableGraph(m, ChartType::Area3D, styles::kAreaOverlapping, 3, "立体エリアグラフ");
        },
        true);
    add(
        "50_scatter3d_mono", "立体散布図（モノクロ）",
        [](ChartModel& m) { scatter3D(m, styles::kScatter3DDropLines); }, true);
    add(
        "51_scatter_mono", "散布図と近似曲線（モノクロ）",
        [](ChartModel& m) { scatter(m, styles::kScatterFittedCurve); }, true);
    add(
        "52_gantt_mono", "ガントチャート（モノクロ）", [](ChartModel& m) { gantt(m, styles::kGanttGaps); },
        true);
    add("161_signals_control", "X管理図（異常点と判定ルール番号）", signalsControl);
    add("162_signals_control_mono", "X管理図（異常点・モノクロ）", signalsControl, true);
    add("163_spec_histogram", "ヒストグラム（規格値と正規分布曲線）",
        [](ChartModel& m) { specHistogram(m, false); });
    add(
        "164_spec_histogram_mono", "ヒストグラム（規格値と正規分布曲線・モノクロ）",
        [](ChartModel& m) { specHistogram(m, false); }, true);
    add("165_spec_histogram_mean_kind", "ヒストグラム（棒グラフ－平均値・規格値）",
        [](ChartModel& m) { specHistogram(m, true); });
    return e;
}

int writeChartGallery(const QString& dir, const std::vector<ChartGalleryEntry>& list) {
    QDir d(dir);
    if (!d.exists() && !QDir().mkpath(dir)) return 1;
    int failures = 0;
    QString html;
    QTextStream out(&html);
    out << "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>グラフ見本</title>\n"
           "<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;margin:8px;"
           "background:#fff;padding:6px;border:1px solid #ccc}img{width:500px;height:350px}"
           "figcaption{text-align:center}</style></head><body>\n<h1>グラフ見本</h1>\n";
    for (const ChartGalleryEntry& e : list) {
        const QString file = e.file + QStringLiteral(".png");
        if (e.paint) {
            QImage image(kGallerySize, QImage::Format_RGB32);
            image.fill(Qt::white);
            if (!e.paint(image) || !image.save(d.filePath(file), "PNG")) ++failures;
        } else {
            ChartModel model;
            e.fill(model);
            ChartRenderer::Options options;
            options.monochrome = e.monochrome;
            options.unit = 1.0;
            if (!chartexport::save(model, d.filePath(file), kGallerySize, options)) ++failures;
        }
        out << "<figure><img src=\"" << file.toHtmlEscaped() << "\" alt=\"" << e.caption.toHtmlEscaped()
            << "\"><figcaption>" << e.caption.toHtmlEscaped() << "</figcaption></figure>\n";
    }
    out << "</body></html>\n";
    out.flush();
    QFile index(d.filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    const QByteArray bytes = html.toUtf8();
    if (index.write(bytes) != bytes.size()) return 1;
    if (!index.flush()) return 1;
    index.close();
    return failures == 0 ? 0 : 1;
}
