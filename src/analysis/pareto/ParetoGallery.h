// The Pareto charts of the chart gallery, drawn the way the Pareto chain draws
// them: a month's defect tally by cause typed into the data sheet, with the
// causes as data labels, through pare1's Analysis set, pareko's ranking,
// pareno's fold into "その他" and the chart kind "パレート図", with the
// analysis's default titles; in colour and in monochrome.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

std::vector<ChartGalleryEntry> paretoGalleryEntries();
