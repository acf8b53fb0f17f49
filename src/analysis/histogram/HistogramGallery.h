// The histograms and the frequency table of the chart gallery, drawn the way the
// histogram chain draws them: built-in measurement datasets through the variable
// dialogs' Analysis set, bunform's limits check and class counting, dobun's label
// texts and youko's fill, with the analysis's default titles; the frequency table
// as dobun prints it.
#pragma once

#include "components/chart/ChartGallery.h"

#include <vector>

// The histogram kinds of one, two and three series, the classified classes, the
// mean markers, the stratified histogram, and the printed frequency table.
std::vector<ChartGalleryEntry> histogramGalleryEntries();
