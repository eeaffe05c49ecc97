# `cpack -G DEB` in the build directory: morvelan_<version>_<arch>.deb, installed under /usr.
# Its library dependencies are read from the binaries by dpkg-shlibdeps (dpkg-dev); only what
# the program opens at run time without linking it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvelan)
set(CPACK_PACKAGE_VENDOR "Equipe Morvelan")
set(CPACK_PACKAGE_CONTACT "Equipe Morvelan <morvelan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "bancada de manutenção de impressoras fiscais Korva (ECF)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Morvelan verifica, configura e lacra impressoras fiscais Korva: tabelas e configurações,\n\
fiscalização e lacração, chaves de assinatura, leituras fiscais, atualização do software\n\
básico e scripts de comandos. Traz uma impressora virtual (korva-sim) e um programa de linha\n\
de comando (morvelan-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plug-in (X11, Wayland) at run time; without it no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own buttons and dialogs in Portuguese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
