// The three-dimensional scatters of the chart gallery, drawn the way hensi3 and
// rsanpu draw them: a built-in heat-treatment dataset through the Analysis set
// and the 3-D scatter fill, with the analysis's default titles, in the three
// kinds and once in monochrome.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

std::vector<ChartGalleryEntry> scatter3DGalleryEntries();
