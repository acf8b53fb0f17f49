// The scatter diagrams of the chart gallery, drawn the way the scatter window
// draws them: a built-in dataset through the variable dialogs' Analysis set,
// the regression, the scatter fill of each kind and the default titles.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

// The five kinds, the regression line of two X variables with its legend, and
// a monochrome regression line.
std::vector<ChartGalleryEntry> scatterGalleryEntries();
