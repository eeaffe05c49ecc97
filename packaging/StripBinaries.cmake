# Run by CPack on its staging tree before it packs: strips the programs and the library as
# Debian's dh_strip does, symbols and the compiler's .comment and .note sections both, which
# CPACK_STRIP_FILES would keep.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  set(how)
  if(file MATCHES "\\.so(\\.[0-9]+)*$")
    set(how --strip-unneeded)
  endif()
  execute_process(COMMAND "${CPACK_MORVELAN_STRIP}" --remove-section=.comment
                          --remove-section=.note ${how} "${file}"
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${file}")
  endif()
endforeach()
