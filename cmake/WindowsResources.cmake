# Windows programs carry their icon, version information and manifest as
# resources. The icon is the desktop icon of the Linux packages, rendered
# here at the sizes Windows asks for.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(quillet_icon ${PROJECT_BINARY_DIR}/windows/quillet.ico)
set(icon_pngs "")
foreach(size IN ITEMS 16 24 32 48 64 256)
  set(png ${PROJECT_BINARY_DIR}/windows/quillet-${size}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/windows
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
            ${PROJECT_SOURCE_DIR}/packaging/quillet.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/quillet.svg
    VERBATIM)
  list(APPEND icon_pngs ${png})
endforeach()
# The largest size stays PNG inside the icon, as Windows allows, instead of
# a quarter-megabyte bitmap.
list(POP_BACK icon_pngs largest_png)
add_custom_command(
  OUTPUT ${quillet_icon}
  COMMAND ${ICOTOOL} --create --output=${quillet_icon} ${icon_pngs} --raw=${largest_png}
  DEPENDS ${icon_pngs} ${largest_png}
  VERBATIM)
add_custom_target(quillet_windows_icon DEPENDS ${quillet_icon})

set(QUILLET_MANIFEST ${PROJECT_BINARY_DIR}/windows/quillet.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillet.manifest ${QUILLET_MANIFEST} @ONLY)

# Gives `target` the icon, the manifest and a version resource that
# describes it as `description`.
function(quillet_windows_resources target description)
  set(QUILLET_ICON ${quillet_icon})
  set(QUILLET_FILE_DESCRIPTION ${description})
  get_target_property(QUILLET_FILE_NAME ${target} OUTPUT_NAME)
  if(NOT QUILLET_FILE_NAME)
    set(QUILLET_FILE_NAME ${target})
  endif()
  set(rc ${PROJECT_BINARY_DIR}/windows/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillet.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${quillet_icon};${QUILLET_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} quillet_windows_icon)
endfunction()
