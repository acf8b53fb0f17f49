// "zel32 --convert IN OUT": between a dataset (.QCS/.QCN/.QCK, the base is what
// counts) and a .csv file.
#pragma once

#include <ostream>
#include <string>

namespace zel {

// Returns the process exit status: 0 on success, 2 on bad input (a message goes
// to err and nothing is written).
int runConvert(const std::string& in, const std::string& out, std::ostream& err);

} // namespace zel
