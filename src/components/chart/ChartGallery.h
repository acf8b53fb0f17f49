// The chart gallery: chart kinds filled with realistic quality-control data, rendered to
// PNG files (1000 x 700) with an index page. This half holds the kinds of the chart
// component itself and the writer; the control charts come from the control-chart
// analyses (analysis/control/ControlChartGallery.h), which also assemble the whole list
// that `zel32 --chart-gallery DIR` writes.
#pragma once

#include "components/chart/ChartModel.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// One picture: its file name without ".png", its caption on the index page, and the fill
// of a fresh model. A picture that is no chart (a printed table) paints itself instead:
// `paint` draws onto the white gallery-sized image and returns false when it cannot.
struct ChartGalleryEntry {
    QString file;
    QString caption;
    bool monochrome = false;
    std::function<void(zel::ChartModel&)> fill;
    std::function<bool(QImage&)> paint;
};

// The charts of the component's own kinds (no control charts), in file-name order.
std::vector<ChartGalleryEntry> componentGalleryEntries();

// Writes the entries into dir (created when missing): one PNG per entry (its chart, or
// what it paints) and index.html, in the order given. Returns 0 on success, non-zero when the folder or a
// file could not be written.
int writeChartGallery(const QString& dir, const std::vector<ChartGalleryEntry>& entries);
