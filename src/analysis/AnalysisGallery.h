// What the analyses' pictures in the chart gallery share: small built-in
// datasets made the way a user types them into the data sheet, and the end of a
// gallery redraw (the gallery's grid lines, the default 3-D angles and the titles).
#pragma once

#include "common/Analyses.h"
#include "components/chart/ChartModel.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"

#include <optional>
#include <string>
#include <vector>

// A dataset of the given rows (samples) and variable names. The data labels are
// the given ones, or the sample numbers 1, 2, ... when none are given.
zel::Dataset galleryDataset(const std::vector<std::vector<double>>& rows,
                            const std::vector<std::string>& names,
                            const std::vector<std::string>& labels = {});

// The same from columns (one per variable, all as long as the first).
zel::Dataset galleryColumns(const std::vector<std::vector<double>>& columns,
                            const std::vector<std::string>& names,
                            const std::vector<std::string>& labels = {});

// Samples of strata that deliver in turn, `batch` samples at a time: variable 1
// (factorName) the stratum's number 1, 2, ..., variable 2 (valueName) the
// value, each sample's data label its stratum's name. values[s] are stratum
// s's values in their order; every stratum has as many, a multiple of batch.
zel::Dataset galleryStrata(const std::vector<std::vector<double>>& values,
                           const std::vector<std::string>& strataNames, int batch,
                           const std::string& factorName, const std::string& valueName);

// n normally distributed measurements, rounded to the instrument's resolution
// (0.001 gives readings such as 10.012); the same seed gives the same values.
std::vector<double> galleryMeasurements(int n, double mean, double sd, unsigned seed, double resolution);

// The end of a window's redraw, for a gallery picture: horizontal dotted grid
// lines, the 3-D angles (the default ones unless the picture shows a view set in
// the 3-D view dialog), then the titles of the table with the analysis's
// defaults (an empty table gives the defaults alone).
void finishGalleryChart(zel::ChartModel& model, zel::TitleTable& titles,
                        std::optional<zel::AnalysisId> analysis, const zel::TitleContext& context = {},
                        const zel::ViewAngles& view = {});
// The same with the analysis's default titles alone.
void finishGalleryChart(zel::ChartModel& model, std::optional<zel::AnalysisId> analysis,
                        const zel::TitleContext& context = {}, const zel::ViewAngles& view = {});
