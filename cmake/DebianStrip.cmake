# Run by cpack on the staged files of the Debian package, before it packs
# them (CPACK_PRE_BUILD_SCRIPTS). CPACK_STRIP_FILES has stripped the game of
# its symbols; as Debian's own packages are, it is stripped of the .comment
# section too, which only names the compiler that built it.
set(program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_TANGLEWICK_PROGRAM}")
if(NOT EXISTS "${program}")
  message(FATAL_ERROR "The staged package has no ${CPACK_TANGLEWICK_PROGRAM}")
endif()
execute_process(
  COMMAND ${CPACK_OBJCOPY_EXECUTABLE} --remove-section=.comment "${program}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objcopy could not strip the .comment section from ${program}")
endif()
