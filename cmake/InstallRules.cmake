# `cmake --install`: the programs, the printer library and key generation's module, the read-only
# data and what the desktop needs (entry, icons, AppStream metainfo, manual pages), in the places
# of InstallLayout.cmake.
# `cpack -G DEB` packages the same files.
set(MORVELAN_DESKTOP_ID org.morvelan.Morvelan)
set(MORVELAN_DESKTOP_SOURCE ${PROJECT_SOURCE_DIR}/resources/desktop)
set(MORVELAN_DESKTOP_BUILD ${PROJECT_BINARY_DIR}/desktop)

# Files the build makes only to be installed (compressed pages, icon sizes), built with `all`.
add_custom_target(morvelan_installed_files ALL)

# morvelan_gzip(INPUT OUTPUT): OUTPUT made from INPUT as Debian ships such files, at the highest
# compression and without the input's name and time, so that two builds give the same bytes.
function(morvelan_gzip input output)
  get_filename_component(folder ${output} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" ${input} ${output}
    DEPENDS ${input} VERBATIM)
  target_sources(morvelan_installed_files PRIVATE ${output})
endfunction()

foreach(program morvelan morvelan-cli korva-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# Private to the program, which binds them by path: no SONAME link, no ldconfig. Key
# generation's module lies beside the printer library, where the program looks for it.
foreach(library InterfaceKorva morvelan-keygen)
  if(TARGET ${library})
    install(TARGETS ${library} LIBRARY DESTINATION ${MORVELAN_INSTALL_LIBRARY_DIR})
  endif()
endforeach()

# Seeds of each user's data directory on first start.
install(FILES ${PROJECT_SOURCE_DIR}/resources/comandos.xml ${PROJECT_SOURCE_DIR}/resources/kvkhist.khf
  DESTINATION ${MORVELAN_INSTALL_DATA_DIR})
# The program shows the help pages from its resources; these copies are for a browser.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvelan/html)

configure_file(${MORVELAN_DESKTOP_SOURCE}/morvelan.1 ${MORVELAN_DESKTOP_BUILD}/morvelan.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/korva/src/sim/korva-sim.1 ${MORVELAN_DESKTOP_BUILD}/korva-sim.1
  @ONLY)
configure_file(${MORVELAN_DESKTOP_SOURCE}/${MORVELAN_DESKTOP_ID}.metainfo.xml
  ${MORVELAN_DESKTOP_BUILD}/${MORVELAN_DESKTOP_ID}.metainfo.xml @ONLY)
# The manual pages go in compressed, as man-db reads them and Debian ships them.
foreach(page ${MORVELAN_DESKTOP_BUILD}/morvelan.1 ${PROJECT_SOURCE_DIR}/cli/morvelan-cli.1
        ${MORVELAN_DESKTOP_BUILD}/korva-sim.1)
  get_filename_component(name ${page} NAME)
  morvelan_gzip(${page} ${PROJECT_BINARY_DIR}/man/${name}.gz)
  install(FILES ${PROJECT_BINARY_DIR}/man/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

if(MORVELAN_GUI)
  install(FILES ${MORVELAN_DESKTOP_SOURCE}/${MORVELAN_DESKTOP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${MORVELAN_DESKTOP_BUILD}/${MORVELAN_DESKTOP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  include(${PROJECT_SOURCE_DIR}/packaging/AppIcon.cmake)
endif()

if(BUILD_TESTING AND MORVELAN_GUI)
  add_test(NAME desktop_files_validate
    COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/validate-desktop-files.sh
            ${MORVELAN_DESKTOP_SOURCE}/${MORVELAN_DESKTOP_ID}.desktop
            ${MORVELAN_DESKTOP_BUILD}/${MORVELAN_DESKTOP_ID}.metainfo.xml)
  set_tests_properties(desktop_files_validate PROPERTIES SKIP_RETURN_CODE 77 LABELS packaging)
  # The hardening is looked for only where Hardening.cmake applied it, checked functions included.
  set(hardened)
  if(MORVELAN_HARDENED AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(hardened --hardened)
  endif()
  add_test(NAME install_tree_complete
    COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/check-install-tree.sh ${PROJECT_BINARY_DIR} ${hardened})
  set_tests_properties(install_tree_complete PROPERTIES LABELS packaging)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/DebianPackage.cmake)
