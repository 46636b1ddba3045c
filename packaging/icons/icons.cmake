# Renders the program's icon, packaging/icons/corvane.svg, into the PNG sizes
# of the hicolor icon theme at build time:
#   CORVANE_ICON_DIR   the hicolor tree in the build folder (NxN/apps/corvane.png)
#   CORVANE_ICON_PNGS  the rendered files
#   corvane_icons      the target that renders them
find_program(CORVANE_RSVG_CONVERT rsvg-convert REQUIRED)

set(CORVANE_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/corvane.svg)
set(CORVANE_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(CORVANE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(CORVANE_ICON_PNGS "")
foreach(size IN LISTS CORVANE_ICON_SIZES)
  set(folder ${CORVANE_ICON_DIR}/${size}x${size}/apps)
  set(png ${folder}/corvane.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CORVANE_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${CORVANE_ICON_SVG}
    DEPENDS ${CORVANE_ICON_SVG}
    COMMENT "Rendering the ${size} px icon"
    VERBATIM)
  list(APPEND CORVANE_ICON_PNGS ${png})
endforeach()
add_custom_target(corvane_icons ALL DEPENDS ${CORVANE_ICON_PNGS})
