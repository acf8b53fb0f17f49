# The shipped program reads no test-only setting: no ZEL_TEST_ name stands in
# its binary. The recovery probe, the program's start with those settings,
# must show them, so that a search that finds nothing anywhere cannot pass.
#   cmake -DZEL32=<zel32> -DPROBE=<probe> -P no_test_settings.cmake
cmake_minimum_required(VERSION 3.25)
foreach(binary "${ZEL32}" "${PROBE}")
  if(NOT EXISTS "${binary}")
    message(FATAL_ERROR "missing: ${binary}")
  endif()
endforeach()
file(STRINGS "${PROBE}" probe_names REGEX "ZEL_TEST_")
if(NOT probe_names)
  message(FATAL_ERROR "no ZEL_TEST_ name found in the probe ${PROBE}: the search sees nothing")
endif()
file(STRINGS "${ZEL32}" shipped_names REGEX "ZEL_TEST_")
if(shipped_names)
  list(JOIN shipped_names "\n  " shipped_names)
  message(FATAL_ERROR "${ZEL32} names test-only settings:\n  ${shipped_names}")
endif()
message(STATUS "zel32 reads no ZEL_TEST_ setting")
