# The program's icon is drawn once, as an SVG; every size in pixels is made from it by the build,
# for the desktop's icon theme and for the window's own icon alike.
set(MORVELAN_ICON_SOURCE ${PROJECT_SOURCE_DIR}/resources/desktop/morvelan.svg)
find_program(MORVELAN_RSVG_CONVERT rsvg-convert)
if(NOT MORVELAN_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (librsvg2-bin) draws the program's icon in each size: "
    "install it with tools/install-deps.sh")
endif()

# morvelan_icon_png(SIZE OUTPUT): OUTPUT is the icon drawn SIZE pixels square.
function(morvelan_icon_png size output)
  get_filename_component(folder ${output} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  add_custom_command(OUTPUT ${output}
    COMMAND ${MORVELAN_RSVG_CONVERT} --width=${size} --height=${size} --output=${output}
            ${MORVELAN_ICON_SOURCE}
    DEPENDS ${MORVELAN_ICON_SOURCE} VERBATIM)
endfunction()
