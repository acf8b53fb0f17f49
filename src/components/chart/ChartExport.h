// Chart files and pages: one chart as a picture, an SVG or a one-page PDF of a
// given size, the charts of a window together on one printed page, and the
// plot-area insets that the charts of one window share in each kind of file.
// The chart widget, the report command and the gallery all write through these,
// so that a chart looks the same in every file whoever writes it.
#pragma once

#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace chartexport {

enum class Format { Png, Jpeg, Svg, Pdf };

// The format a file name asks for by its extension: .svg, .pdf, .jpg; anything
// else is a PNG picture.
Format formatOf(const QString& path);

// The chart drawn on a white picture of the given size.
QImage image(const zel::ChartModel& model, QSize size, const ChartRenderer::Options& options);
// The chart as the bytes of a file of the format (an empty array when writing failed).
QByteArray bytes(const zel::ChartModel& model, Format format, QSize size, const ChartRenderer::Options& options);
// Writes the chart to path in the format of its extension. False when the file
// could not be written.
bool save(const zel::ChartModel& model, const QString& path, QSize size, const ChartRenderer::Options& options);

// The insets the charts of one window share, measured on each kind of file of
// the given size (vector and paged files measure their texts in another
// resolution than pictures). All zero for fewer than two charts.
struct FileInsets {
    PlotInsets picture, svg, pdf;
    PlotInsets forFormat(Format format) const;
};
FileInsets sharedFileInsets(const std::vector<const zel::ChartModel*>& models, QSize size);

// Draws the charts one above the other on one page of a paged device (a printer
// or a PDF writer), in the printable area less a margin, their plot areas aligned.
// False when the device could not be painted on.
bool printPage(const std::vector<const zel::ChartModel*>& models, QPagedPaintDevice& device, bool monochrome);

} // namespace chartexport
