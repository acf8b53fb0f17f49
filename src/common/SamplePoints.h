// Which sample of the dataset each point of an analysis's chart stands for.
// An analysis leaves the masked samples out when it builds its data, so its
// points follow the unmasked samples in sample order; the analysis keeps the
// sample number of every point with its computed data (point i, 1-based, is
// element i - 1), and the chart window and the data sheet find each other's
// row and point through it.
#pragma once

#include <optional>
#include <vector>

namespace zel {

// The sample numbers (1-based) of a chart's points, point 1 first.
using PointSamples = std::vector<int>;

// The sample that point (1-based) stands for; nothing outside 1..points.
std::optional<int> sampleOfPoint(const PointSamples& samples, int point);

// The first point (1-based) that stands for the sample; nothing when the
// analysis left the sample out (masked, or not among the analysed).
std::optional<int> pointOfSample(const PointSamples& samples, int sample);

} // namespace zel
