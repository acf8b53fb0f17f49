# zel_sources(<target> <file>...): adds the listed files (paths from the source
# root) to a target. A listed file that does not exist stops the configuration,
# in every build, so that a list never silently loses a file.
function(zel_sources target)
  foreach(f IN LISTS ARGN)
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/${f})
      message(FATAL_ERROR "Missing source file: ${f}")
    endif()
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/${f})
  endforeach()
endfunction()
