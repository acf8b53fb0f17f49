// The in-memory dataset.
#include "dataset/Dataset.h"

#include <algorithm>

namespace zel {

Dataset::Dataset() {
    resize(kInitialSamples, kInitialVariables);
}

void Dataset::resize(int samples, int variables) {
    m_n = std::clamp(samples, 0, kMaxCount);
    m_k = std::clamp(variables, 0, kMaxCount);
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
    if (sample < 1 || sample > m_n || variable < 1 || variable > m_k) return 0.0;
    const std::size_t at = static_cast<std::size_t>(sample - 1) * m_k + (variable - 1);
    return at < m_values.size() ? m_values[at] : 0.0;
}

void Dataset::setValue(int sample, int variable, double v) {
    if (sample < 1 || sample > m_n || variable < 1 || variable > m_k) return;
    const std::size_t at = static_cast<std::size_t>(sample - 1) * m_k + (variable - 1);
    if (at >= m_values.size()) {
        if (v == 0.0) return; // unstored values read 0 already
        m_values.resize(at + 1, 0.0);
    }
    m_values[at] = v;
}

namespace {
const std::string kNoText;
}

const std::string& Dataset::name(int variable) const {
    return variable >= 1 && variable <= m_k ? m_names[static_cast<std::size_t>(variable)] : kNoText;
}

void Dataset::setName(int variable, std::string text) {
    if (variable >= 1 && variable <= m_k) m_names[static_cast<std::size_t>(variable)] = std::move(text);
}

std::int16_t Dataset::mask(int sample) const {
    return sample >= 1 && sample <= m_n ? m_masks[static_cast<std::size_t>(sample)] : std::int16_t{0};
}

void Dataset::setMask(int sample, std::int16_t m) {
    if (sample >= 1 && sample <= m_n) m_masks[static_cast<std::size_t>(sample)] = m;
}

const std::string& Dataset::label(int sample) const {
    return sample >= 1 && sample <= m_n ? m_labels[static_cast<std::size_t>(sample)] : kNoText;
}

void Dataset::setLabel(int sample, std::string text) {
    if (sample >= 1 && sample <= m_n) m_labels[static_cast<std::size_t>(sample)] = std::move(text);
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
