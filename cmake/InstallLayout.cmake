# Where an installed copy keeps its parts (Debian's places): the programs in bin/, the printer
# library private to the program in <libdir>/morvelan/, the read-only data in share/morvelan/.
# The program finds the last two relative to its own executable, so an install under any prefix
# (or a package unpacked into a scratch root) works the same.
include(GNUInstallDirs)

set(MORVELAN_INSTALL_LIBRARY_DIR ${CMAKE_INSTALL_LIBDIR}/morvelan)
set(MORVELAN_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/morvelan)
file(RELATIVE_PATH MORVELAN_INSTALLED_LIBRARY_DIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MORVELAN_INSTALL_LIBRARY_DIR})
file(RELATIVE_PATH MORVELAN_INSTALLED_DATA_DIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MORVELAN_INSTALL_DATA_DIR})
