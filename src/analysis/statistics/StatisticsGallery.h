// The comparison graphs of the chart gallery, drawn the way hakohg draws them:
// built-in datasets through the statistics by variable or by stratum and the one
// comparison fill, with the analysis's default titles.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

// "変数別統計量" and "生データプロット" over several variables, and "変数別統計量" and
// "層別データプロット" over strata.
std::vector<ChartGalleryEntry> statisticsGalleryEntries();
