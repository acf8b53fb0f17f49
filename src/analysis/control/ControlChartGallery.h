// The control charts of the chart gallery, drawn the way the control-chart windows draw
// them: the analyses' own computations over small built-in datasets, then the one
// control-chart fill. Also the whole gallery list (the chart component's kinds, these and
// the other analyses' pictures) that `zel32 --chart-gallery DIR` writes.
#pragma once

#include "components/chart/ChartGallery.h"

#include <QString>
#include <QStringList>

#include <vector>

// The control charts: Xbar and R, X and Rs, p, the defect count, the defect count
// against entered limits, and the Xbar chart in monochrome.
std::vector<ChartGalleryEntry> controlChartGalleryEntries();

// Every gallery entry, the component's, the control charts, the histograms and the
// comparison graphs, in file-name order.
std::vector<ChartGalleryEntry> chartGalleryEntries();

// Writes the whole gallery into dir; 0 on success (see the writer in ChartGallery.h).
int writeChartGallery(const QString& dir);

// The file names (without folder) the gallery writes, in order, index.html excluded.
QStringList chartGalleryFiles();
