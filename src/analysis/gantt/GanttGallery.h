// The Gantt charts of the chart gallery, drawn the way gantol and gantog draw
// them: a built-in schedule through the Gantt set and fill, with the analysis's
// default titles, in both kinds, in colour and in monochrome.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

std::vector<ChartGalleryEntry> ganttGalleryEntries();
