// The one open dataset: N samples by K variables of 64-bit values, a name per
// variable, a mask flag and a data label per sample, and where it lives on disk.
// Indices are 1-based as everywhere in the program. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zel {

class Dataset {
  public:
    static constexpr int kMaxCount = 32767;    // N and K are 16-bit signed counts
    static constexpr int kInitialSamples = 18; // counts before any dataset exists
    static constexpr int kInitialVariables = 9;

    Dataset();

    int sampleCount() const { return m_n; }
    int variableCount() const { return m_k; }

    // Sets new counts (each clamped to 0..kMaxCount) and clears every name, mask, label and
    // value. Value storage is allocated lazily: a value never written reads 0.
    void resize(int samples, int variables);
    // Allocates value storage for all N x K values up front (a reader that knows
    // its input holds them calls this to avoid growth).
    void reserveValues();

    double value(int sample, int variable) const; // 0 outside storage
    void setValue(int sample, int variable, double v);
    // Row-major values X(1,1), X(1,2) ... as far as they are stored (may be shorter than N*K).
    const std::vector<double>& storedValues() const { return m_values; }
    std::vector<double>& storedValues() { return m_values; }

    // Names 1..K, masks and labels 1..N. An index outside reads "" or 0 and is
    // ignored when written.
    const std::string& name(int variable) const;
    void setName(int variable, std::string text);
    std::int16_t mask(int sample) const;
    void setMask(int sample, std::int16_t m);
    const std::string& label(int sample) const;
    void setLabel(int sample, std::string text);

    // Number of samples whose mask is 0.
    int usedSampleCount() const;

    // Where the dataset lives. basePath is "" until a dataset exists.
    std::string basePath;
    std::string drive;
    std::string folder;
    std::string fileName;
    std::string valuesPath; // base + ".QCS"
    std::string namesPath;  // base + ".QCN"
    std::string limitsPath; // base + ".QCK"
    // Sets basePath and the three file paths from a base.
    void setBase(const std::string& base);

    bool exists() const { return !basePath.empty(); }

    std::int16_t unsaved = 0;
    std::int16_t saveInPlace = 0;

  private:
    int m_n = kInitialSamples;
    int m_k = kInitialVariables;
    std::vector<std::string> m_names;  // 0..K, index 0 unused
    std::vector<std::int16_t> m_masks; // 0..N
    std::vector<std::string> m_labels; // 0..N
    std::vector<double> m_values;      // row-major, (i-1)*K + (j-1)
};

} // namespace zel
