# Where an installed copy keeps its parts (Debian's places): the programs in bin/, the printer
# library and key generation's module, private to the program, in
# <libdir>/<multiarch triplet>/morvelan/, the read-only data in share/morvelan/. The program
# finds the last two relative to its own executable, so an install under any prefix (or a
# package unpacked into a scratch root) works the same.
include(GNUInstallDirs)

# The triplet keeps one architecture's library apart from another's, as Debian's multiarch layout
# does; and CPack, which adds ldconfig calls to the package for a library in or just below
# /usr/lib, then leaves the package without maintainer scripts, as a private library wants.
set(MORVELAN_INSTALL_LIBRARY_DIR ${CMAKE_INSTALL_LIBDIR})
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "/${CMAKE_LIBRARY_ARCHITECTURE}$")
  string(APPEND MORVELAN_INSTALL_LIBRARY_DIR /${CMAKE_LIBRARY_ARCHITECTURE})
endif()
string(APPEND MORVELAN_INSTALL_LIBRARY_DIR /morvelan)
set(MORVELAN_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/morvelan)
file(RELATIVE_PATH MORVELAN_INSTALLED_LIBRARY_DIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MORVELAN_INSTALL_LIBRARY_DIR})
file(RELATIVE_PATH MORVELAN_INSTALLED_DATA_DIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MORVELAN_INSTALL_DATA_DIR})
