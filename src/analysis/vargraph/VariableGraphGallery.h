// The gallery's variable graphs: built-in datasets through the Analysis set and
// the variable graph window's fill.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

std::vector<ChartGalleryEntry> variableGraphGalleryEntries();
