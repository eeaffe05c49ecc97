# `cpack -G DEB` in the build directory: morvelan_<version>_<arch>.deb, installed under /usr.
# Its library dependencies are read from the binaries by dpkg-shlibdeps (dpkg-dev); only what
# the program opens at run time without linking it is named here.
set(MORVELAN_PACKAGE_MAINTAINER "Equipe Morvelan <pacotes@morvelan.com.br>" CACHE STRING
  "Who answers for the Debian package: its Maintainer field and the signature of its changelog")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvelan)
set(CPACK_PACKAGE_VENDOR "Equipe Morvelan")
set(CPACK_PACKAGE_CONTACT "${MORVELAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "bancada de manutenção de impressoras fiscais Korva (ECF)")
# Lines within 80 columns, as dpkg and apt show them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Morvelan verifica, configura e lacra impressoras fiscais Korva: tabelas e\n\
configurações, fiscalização e lacração, chaves de assinatura, leituras fiscais,\n\
atualização do software básico e scripts de comandos. Traz uma impressora\n\
virtual (korva-sim) e um programa de linha de comando (morvelan-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plug-in (X11, Wayland) at run time; without it no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own buttons and dialogs in Portuguese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# CPack's own stripping keeps the compiler's notes, which Debian's packages leave out.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripBinaries.cmake)
set(CPACK_MORVELAN_STRIP ${CMAKE_STRIP})

# What every Debian package carries beside its files, in /usr/share/doc/morvelan/: the licence
# in the machine-readable copyright format, and the changelog (compressed; this is a native
# package, so it is changelog.gz). The top entry has to be the version being packaged.
set(MORVELAN_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/morvelan)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^morvelan \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in: its top entry is \"${changelog_top}\"; "
    "add one for version ${PROJECT_VERSION}")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog
  @ONLY)
morvelan_gzip(${PROJECT_BINARY_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${MORVELAN_PACKAGE_DOC_DIR})
# The HTML help registered with doc-base, so that documentation browsers list it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/morvelan.doc-base
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME morvelan)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME morvelan)
include(CPack)
