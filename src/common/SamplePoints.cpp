// The point <-> sample mapping of the analyses' charts.
#include "common/SamplePoints.h"

#include <algorithm>

namespace zel {

std::optional<int> sampleOfPoint(const PointSamples& samples, int point) {
    if (point < 1 || point > static_cast<int>(samples.size())) return std::nullopt;
    return samples[static_cast<std::size_t>(point - 1)];
}

std::optional<int> pointOfSample(const PointSamples& samples, int sample) {
    const auto it = std::find(samples.begin(), samples.end(), sample);
    if (it == samples.end()) return std::nullopt;
    return static_cast<int>(it - samples.begin()) + 1;
}

} // namespace zel
