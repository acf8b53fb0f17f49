// Reading and writing a dataset's two files: the names file (base + ".QCN":
// counts, variable names, masks, data labels) and the values file (base + ".QCS":
// every value on one line). Code page 932, CR LF line ends.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct DatasetReadResult {
    Status status;              // ok, or the description of the failure
    bool headerRead = false;    // N and K were read and the dataset resized
    std::size_t valuesRead = 0; // values read from the values file, in row-major order
};

// Reads the names file, then the values file, into ds. On a failure the reading
// stops there; whatever was read before it stays in ds. Never allocates more
// value storage than the values file can fill. A failure in the values file
// (a number beyond the range of double, a field that is no number, the end of
// the file) names the sample and the variable of the value it stopped at.
DatasetReadResult readDataset(const std::string& namesPath, const std::string& valuesPath, Dataset& ds);

// The same reading from the two files' bytes (code page 932). valuesBytes is
// nothing when the values file could not be read. The paths only go into the
// failure messages.
DatasetReadResult readDatasetBytes(std::string_view namesBytes, std::optional<std::string_view> valuesBytes,
                                   Dataset& ds, const std::string& namesPath = {},
                                   const std::string& valuesPath = {});

// Writes base + ".QCN" and base + ".QCS". Both files are written to temporary
// files beside them and renamed into place, so a failed save leaves the previous
// files whole. Refuses (with a message naming it) a text with a character that
// code page 932 cannot represent, before anything is written.
Status writeDataset(const Dataset& ds, const std::string& base);

// Writes only the names file (counts, names, masks, labels) to namesPath,
// atomically like writeDataset: a temporary file beside it renamed into place.
// The values file is left alone. Refuses a text code page 932 cannot represent
// before anything is written.
Status writeNamesFile(const Dataset& ds, const std::string& namesPath);

// The texts of the names file that the rename dialogs change.
enum class NameTexts { VariableNames, DataLabels };

// Puts texts[0], texts[1], ... in as the names of variables 1, 2, ... (the
// data labels of samples 1, 2, ...) and, when the dataset has files, rewrites
// its names file at once (the values file is not touched). A text the file
// cannot hold puts every old text back and returns the refusal
// (InvalidArgument); any other write failure keeps the new texts and returns
// the failure. Texts of another count than K (N) are refused and change nothing.
Status storeNameTexts(Dataset& ds, NameTexts which, std::vector<std::string> texts);

// The existence test of the file commands: the names file can be opened and read
// through completely (header, K names, N masks, N labels).
bool namesFileReadable(const std::string& namesPath);

// The bytes of the two files, for tests and for writers that need them in memory.
Result<std::string> namesFileBytes(const Dataset& ds);
std::string valuesFileBytes(const Dataset& ds);

// The temporary file a save writes before renaming it onto path.
std::string temporaryPathFor(const std::string& path);

// Replaces path with bytes the way the saves do: a temporary file beside it,
// flushed to the disk with the old file's permissions, then renamed into place.
// On failure the temporary file is removed and path is left as it was.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace zel
