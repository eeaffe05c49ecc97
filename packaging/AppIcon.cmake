# The program's icon in the desktop's hicolor theme: the drawing itself for the sizes a desktop
# scales, and PNG sizes made from it by the build, for the desktops and menus that want pixels.
install(FILES ${MORVELAN_ICON_SOURCE}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${MORVELAN_DESKTOP_BUILD}/icons/${size}x${size}/morvelan.png)
  morvelan_icon_png(${size} ${png})
  target_sources(morvelan_installed_files PRIVATE ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
