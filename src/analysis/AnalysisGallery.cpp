// The shared pieces of the analyses' gallery pictures.
#include "analysis/AnalysisGallery.h"

#include "presentation/GraphSettings.h"

#include <cmath>
#include <random>

zel::Dataset galleryDataset(const std::vector<std::vector<double>>& rows,
                            const std::vector<std::string>& names, const std::vector<std::string>& labels) {
    zel::Dataset ds;
    ds.resize(static_cast<int>(rows.size()), static_cast<int>(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k)
        ds.setName(static_cast<int>(k) + 1, names[k]);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ds.setLabel(static_cast<int>(i) + 1, i < labels.size() ? labels[i] : std::to_string(i + 1));
        for (std::size_t k = 0; k < rows[i].size(); ++k)
            ds.setValue(static_cast<int>(i) + 1, static_cast<int>(k) + 1, rows[i][k]);
    }
    return ds;
}

zel::Dataset galleryColumns(const std::vector<std::vector<double>>& columns,
                            const std::vector<std::string>& names, const std::vector<std::string>& labels) {
    std::vector<std::vector<double>> rows(columns.empty() ? 0 : columns.front().size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (const std::vector<double>& c : columns)
            rows[i].push_back(c[i]);
    return galleryDataset(rows, names, labels);
}

zel::Dataset galleryStrata(const std::vector<std::vector<double>>& values,
                           const std::vector<std::string>& strataNames, int batch,
                           const std::string& factorName, const std::string& valueName) {
    const std::size_t strata = values.size();
    const std::size_t each = strata == 0 ? 0 : values.front().size();
    const auto turn = static_cast<std::size_t>(batch);
    std::vector<std::vector<double>> rows;
    std::vector<std::string> labels;
    std::vector<std::size_t> next(strata, 0);
    for (std::size_t i = 0; i < strata * each; ++i) {
        const std::size_t s = (i / turn) % strata;
        rows.push_back({static_cast<double>(s + 1), values[s][next[s]++]});
        labels.push_back(strataNames[s]);
    }
    return galleryDataset(rows, {factorName, valueName}, labels);
}

std::vector<double> galleryMeasurements(int n, double mean, double sd, unsigned seed, double resolution) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> d(mean, sd);
    // Dividing by the whole number of steps per unit gives the double nearest to
    // the reading's decimal text, as typing it in would.
    const double steps = std::round(1.0 / resolution);
    std::vector<double> v(static_cast<std::size_t>(n));
    for (double& x : v)
        x = std::round(d(rng) * steps) / steps;
    return v;
}

void finishGalleryChart(zel::ChartModel& model, zel::TitleTable& titles,
                        std::optional<zel::AnalysisId> analysis, const zel::TitleContext& context,
                        const zel::ViewAngles& view) {
    zel::ChartModel* charts[] = {&model};
    const zel::ChartSettings settings{{zel::gridlines::kHorizontal, zel::gridlinestyles::kDotted}, view};
    zel::applyChartSettings(charts, settings, titles, analysis, context);
}

void finishGalleryChart(zel::ChartModel& model, std::optional<zel::AnalysisId> analysis,
                        const zel::TitleContext& context, const zel::ViewAngles& view) {
    zel::TitleTable titles;
    finishGalleryChart(model, titles, analysis, context, view);
}
