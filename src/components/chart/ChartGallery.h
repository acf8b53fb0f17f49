// The chart gallery: every chart kind of the program filled with realistic quality-control
// data, rendered to PNG files (1000 x 700) with an index page. Used by `zel32
// --chart-gallery DIR` to look over the renderer's output.
#pragma once

#include <QString>
#include <QStringList>

// Writes the gallery into dir (created when missing): one PNG per chart and index.html.
// Returns 0 on success, non-zero when the folder or a file could not be written.
int writeChartGallery(const QString& dir);

// The file names (without folder) the gallery writes, in order, index.html excluded.
QStringList chartGalleryFiles();
