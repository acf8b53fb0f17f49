// The bytes of a file as they stand, and a file written with exactly these
// bytes. Pure C++.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fixtures {

inline std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace fixtures
