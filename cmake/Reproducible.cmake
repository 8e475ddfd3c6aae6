# The same sources make the same bytes, wherever and whenever they are built
# (as Debian's reproducible builds ask):
# - every time stamp that reaches the program or a package is the last
#   commit's, or SOURCE_DATE_EPOCH's when that is set: the resources' file
#   times (rcc takes SOURCE_DATE_EPOCH) and the .deb members' times (cpack
#   takes it too, cmake/CPackProjectConfig.cmake);
# - the source and build folders' paths are mapped away in what the
#   compiler writes, so that a build in another folder links the same
#   program (and the same GNU build-id);
# - a Windows program carries no link time in its header.

set(TANGLEWICK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(TANGLEWICK_SOURCE_DATE_EPOCH STREQUAL "")
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE TANGLEWICK_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      set(TANGLEWICK_SOURCE_DATE_EPOCH "")
    endif()
  endif()
endif()
if(NOT TANGLEWICK_SOURCE_DATE_EPOCH STREQUAL "")
  # Every custom command (rcc among them) runs with it.
  set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
    "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TANGLEWICK_SOURCE_DATE_EPOCH}")
endif()

add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
