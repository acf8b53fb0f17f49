// The in-memory dataset.
#include "dataset/Dataset.h"

#include <algorithm>
#include <cassert>

namespace zel {

Dataset::Dataset() { resize(kInitialSamples, kInitialVariables); }

void Dataset::resize(int samples, int variables) {
    assert(samples >= 0 && samples <= kMaxCount && variables >= 0 && variables <= kMaxCount);
    m_n = samples;
    m_k = variables;
    m_names.assign(static_cast<std::size_t>(m_k) + 1, std::string());
    m_masks.assign(static_cast<std::size_t>(m_n) + 1, 0);
    m_labels.assign(static_cast<std::size_t>(m_n) + 1, std::string());
    m_values.clear();
    m_values.shrink_to_fit();
}

void Dataset::reserveValues() {
    m_values.resize(static_cast<std::size_t>(m_n) * static_cast<std::size_t>(m_k), 0.0);
}

double Dataset::value(int sample, int variable) const {
    if (sample < 1 || sample > m_n || variable < 1 || variable > m_k)
        return 0.0;
    const std::size_t at = static_cast<std::size_t>(sample - 1) * m_k + (variable - 1);
    return at < m_values.size() ? m_values[at] : 0.0;
}

void Dataset::setValue(int sample, int variable, double v) {
    if (sample < 1 || sample > m_n || variable < 1 || variable > m_k)
        return;
    const std::size_t at = static_cast<std::size_t>(sample - 1) * m_k + (variable - 1);
    if (at >= m_values.size()) {
        if (v == 0.0)
            return; // unstored values read 0 already
        m_values.resize(at + 1, 0.0);
    }
    m_values[at] = v;
}

int Dataset::usedSampleCount() const {
    return static_cast<int>(std::count(m_masks.begin() + 1, m_masks.end(), 0));
}

void Dataset::setBase(const std::string& base) {
    basePath = base;
    valuesPath = base + ".QCS";
    namesPath = base + ".QCN";
    limitsPath = base + ".QCK";
}

} // namespace zel
