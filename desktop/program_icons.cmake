# Each program's icon, painted by tools/draw_icons at the hicolor theme's sizes: compiled into
# the program for its windows and installed into the icon theme for the menus.
set(LIREX_ICON_SIZES 16 22 24 32 48 64 128 256)

# lirex_program_icon(<target> <vonk|dalo> <desktop id>)
function(lirex_program_icon target name desktop_id)
  set(folder ${PROJECT_BINARY_DIR}/icons/${name})
  file(MAKE_DIRECTORY ${folder})
  set(pictures)
  foreach(size IN LISTS LIREX_ICON_SIZES)
    add_custom_command(OUTPUT ${folder}/${size}.png
      COMMAND draw_icons ${name} ${size} ${folder}/${size}.png
      DEPENDS draw_icons
      COMMENT "Painting the ${name} icon at ${size} pixels"
      VERBATIM)
    list(APPEND pictures ${folder}/${size}.png)
    install(FILES ${folder}/${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${desktop_id}.png)
  endforeach()
  qt_add_resources(${target} ${name}_icon PREFIX /icons BASE ${PROJECT_BINARY_DIR}/icons
    FILES ${pictures})
endfunction()
