// Structure edits of the dataset. Every edit is one remapping of the old rows
// and columns onto the new ones; values are moved from the dataset's stored
// (possibly short) value storage, so a large dataset whose tail was never
// written does not get its whole storage allocated by an insert.
#include "dataset/DatasetEdit.h"

#include "common/NumberText.h"

#include <cstddef>
#include <string>
#include <utility>

namespace zel {
namespace {

constexpr const char* kRowsOverflow = "行数が32767を超えるため挿入できません。";
constexpr const char* kColumnsOverflow = "列数が32767を超えるため挿入できません。";
constexpr const char* kAllRows = "すべての行を削除することはできません。";
constexpr const char* kAllColumns = "すべての列を削除することはできません。";
constexpr const char* kBadArgument = "挿入する位置または数が範囲外です。";

std::vector<int> identity(int count) {
    std::vector<int> map(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        map[static_cast<std::size_t>(i)] = i;
    return map;
}

// Old index -> new index for an insert of `count` after `after`.
std::vector<int> insertMap(int oldCount, int count, int after) {
    std::vector<int> map(static_cast<std::size_t>(oldCount) + 1, 0);
    for (int i = 1; i <= oldCount; ++i)
        map[static_cast<std::size_t>(i)] = i <= after ? i : i + count;
    return map;
}

// Old index -> new index for a delete; unchecked entries close up in order.
std::vector<int> deleteMap(int oldCount, const std::vector<bool>& checked, int& kept) {
    std::vector<int> map(static_cast<std::size_t>(oldCount) + 1, 0);
    kept = 0;
    for (int i = 1; i <= oldCount; ++i) {
        const bool gone =
            static_cast<std::size_t>(i - 1) < checked.size() && checked[static_cast<std::size_t>(i - 1)];
        if (!gone) map[static_cast<std::size_t>(i)] = ++kept;
    }
    return map;
}

// Rebuilds ds as `rows` x `cols`. newRow[i] / newCol[j] say where old sample i
// / old variable j goes (1-based), 0 = deleted; index 0 of both is unused. New
// places get mask 0, empty texts and values 0.
void remap(Dataset& ds, const std::vector<int>& newRow, int rows, const std::vector<int>& newCol, int cols) {
    const int oldN = ds.sampleCount();
    const int oldK = ds.variableCount();

    std::vector<std::string> names(static_cast<std::size_t>(oldK) + 1);
    for (int j = 1; j <= oldK; ++j)
        names[static_cast<std::size_t>(j)] = ds.name(j);
    std::vector<std::int16_t> masks(static_cast<std::size_t>(oldN) + 1, 0);
    std::vector<std::string> labels(static_cast<std::size_t>(oldN) + 1);
    for (int i = 1; i <= oldN; ++i) {
        masks[static_cast<std::size_t>(i)] = ds.mask(i);
        labels[static_cast<std::size_t>(i)] = ds.label(i);
    }
    std::vector<double> oldValues = std::move(ds.storedValues());
    const std::size_t oldTotal = static_cast<std::size_t>(oldN) * static_cast<std::size_t>(oldK);
    if (oldValues.size() > oldTotal) oldValues.resize(oldTotal);

    // Where each stored value lands; the new storage goes as far as the last one.
    auto target = [&](std::size_t at, std::size_t& to) {
        const int i = static_cast<int>(at / static_cast<std::size_t>(oldK)) + 1;
        const int j = static_cast<int>(at % static_cast<std::size_t>(oldK)) + 1;
        const int r = newRow[static_cast<std::size_t>(i)];
        const int c = newCol[static_cast<std::size_t>(j)];
        if (r == 0 || c == 0) return false;
        to = static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(cols) +
             static_cast<std::size_t>(c - 1);
        return true;
    };
    std::size_t needed = 0;
    for (std::size_t at = 0; at < oldValues.size(); ++at) {
        std::size_t to = 0;
        if (oldValues[at] != 0.0 && target(at, to) && to + 1 > needed) needed = to + 1;
    }

    ds.resize(rows, cols); // clears names, masks, labels and values
    for (int j = 1; j <= oldK; ++j)
        if (const int c = newCol[static_cast<std::size_t>(j)]; c != 0)
            ds.setName(c, std::move(names[static_cast<std::size_t>(j)]));
    for (int i = 1; i <= oldN; ++i) {
        if (const int r = newRow[static_cast<std::size_t>(i)]; r != 0) {
            ds.setMask(r, masks[static_cast<std::size_t>(i)]);
            ds.setLabel(r, std::move(labels[static_cast<std::size_t>(i)]));
        }
    }
    std::vector<double>& values = ds.storedValues();
    values.assign(needed, 0.0);
    for (std::size_t at = 0; at < oldValues.size(); ++at) {
        std::size_t to = 0;
        if (oldValues[at] != 0.0 && target(at, to)) values[to] = oldValues[at];
    }
}

} // namespace

int checkedCount(const std::vector<bool>& checked, int limit) {
    int c = 0;
    for (std::size_t i = 0; i < checked.size() && static_cast<int>(i) < limit; ++i)
        if (checked[i]) ++c;
    return c;
}

Status insertRows(Dataset& ds, int count, int after) {
    const int n = ds.sampleCount();
    if (count < 1 || after < 0 || after > n) return Status::invalidArgument(kBadArgument);
    if (n + count > Dataset::kMaxCount) return Status::invalidArgument(kRowsOverflow);
    const int k = ds.variableCount();
    remap(ds, insertMap(n, count, after), n + count, identity(k), k);
    for (int r = after + 1; r <= after + count; ++r)
        ds.setLabel(r, std::string("(").append(generalNumberText(r)).append(")"));
    return Status::ok();
}

Status deleteRows(Dataset& ds, const std::vector<bool>& checked) {
    const int n = ds.sampleCount();
    if (n > 0 && checkedCount(checked, n) == n) return Status::invalidArgument(kAllRows);
    int kept = 0;
    const std::vector<int> rows = deleteMap(n, checked, kept);
    const int k = ds.variableCount();
    remap(ds, rows, kept, identity(k), k);
    return Status::ok();
}

Status insertColumns(Dataset& ds, int count, int after) {
    const int k = ds.variableCount();
    if (count < 1 || after < 0 || after > k) return Status::invalidArgument(kBadArgument);
    if (k + count > Dataset::kMaxCount) return Status::invalidArgument(kColumnsOverflow);
    const int n = ds.sampleCount();
    remap(ds, identity(n), n, insertMap(k, count, after), k + count);
    for (int c = after + 1; c <= after + count; ++c)
        ds.setName(c, std::string("$").append(generalNumberText(c)));
    return Status::ok();
}

Status deleteColumns(Dataset& ds, const std::vector<bool>& checked) {
    const int k = ds.variableCount();
    if (k > 0 && checkedCount(checked, k) == k) return Status::invalidArgument(kAllColumns);
    int kept = 0;
    const std::vector<int> cols = deleteMap(k, checked, kept);
    const int n = ds.sampleCount();
    remap(ds, identity(n), n, cols, kept);
    return Status::ok();
}

} // namespace zel
