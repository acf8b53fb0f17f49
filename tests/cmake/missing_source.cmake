# Lists a file that does not exist: zel_sources must stop with an error, not warn.
# Run as: cmake -DZEL_ROOT=<source root> -P missing_source.cmake
set(CMAKE_SOURCE_DIR ${ZEL_ROOT})
include(${ZEL_ROOT}/cmake/ZelSources.cmake)
zel_sources(zelcore src/common/NoSuchFile.cpp)
message(STATUS "zel_sources went on past a missing file")
