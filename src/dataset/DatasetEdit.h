// Structure edits of the dataset: inserting and deleting samples (rows) and
// variables (columns) with the program's rebuilding rules. New samples get
// mask 0, the label "(" + row number + ")" and values 0; new variables get the
// name "$" + column number and values 0. Everything else keeps its order.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <vector>

namespace zel {

// Inserts `count` new samples below row `after` (0 = at the top, N = at the
// end). Refuses, changing nothing, when count < 1, after lies outside 0..N, or
// N + count would exceed Dataset::kMaxCount.
Status insertRows(Dataset& ds, int count, int after);

// Deletes the samples whose entry in `checked` (index 0 = sample 1) is true;
// missing entries count as unchecked. Refuses, changing nothing, when every
// sample is checked. With nothing checked the dataset stays as it is.
Status deleteRows(Dataset& ds, const std::vector<bool>& checked);

// Inserts `count` new variables right of column `after` (0..K). Refuses like
// insertRows when K + count would exceed Dataset::kMaxCount.
Status insertColumns(Dataset& ds, int count, int after);

// Deletes the checked variables (index 0 = variable 1). Refuses when every
// variable is checked.
Status deleteColumns(Dataset& ds, const std::vector<bool>& checked);

// How many entries of `checked` are true, counting only the first `limit`.
int checkedCount(const std::vector<bool>& checked, int limit);

} // namespace zel
