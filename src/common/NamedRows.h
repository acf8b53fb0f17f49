// Tables of named rows (the kinds of a graph window's kind list and the like):
// the row of a name.
#pragma once

#include <iterator>
#include <string_view>

namespace zel {

// The first row of `rows` whose `name` is `name`, or null when none is.
template <class Rows>
auto findNamedRow(const Rows& rows, std::string_view name) -> decltype(&*std::begin(rows)) {
    for (const auto& row : rows)
        if (std::string_view(row.name) == name) return &row;
    return nullptr;
}

} // namespace zel
