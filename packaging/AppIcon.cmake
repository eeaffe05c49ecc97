# The program's icon in the desktop's hicolor theme: the drawing itself for the sizes a desktop
# scales, and PNG sizes made from it by the build, for the desktops and menus that want pixels.
set(MORVELAN_ICON_SOURCE ${MORVELAN_DESKTOP_SOURCE}/morvelan.svg)
find_program(MORVELAN_RSVG_CONVERT rsvg-convert)
if(NOT MORVELAN_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (librsvg2-bin) draws the program's icon in each size: "
    "install it with tools/install-deps.sh")
endif()

install(FILES ${MORVELAN_ICON_SOURCE}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${MORVELAN_DESKTOP_BUILD}/icons/${size}x${size}/morvelan.png)
  file(MAKE_DIRECTORY ${MORVELAN_DESKTOP_BUILD}/icons/${size}x${size})
  add_custom_command(OUTPUT ${png}
    COMMAND ${MORVELAN_RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
            ${MORVELAN_ICON_SOURCE}
    DEPENDS ${MORVELAN_ICON_SOURCE} VERBATIM)
  target_sources(morvelan_installed_files PRIVATE ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
