# marvane_install_gzipped(SOURCE DESTINATION [NAME name])
# Installs SOURCE compressed as Debian wants manual pages and changelogs:
# gzip -9n, so that the file holds no name or time of its own and the same
# source always packs to the same bytes. Made at build time, into gz/.
find_program(MARVANE_GZIP gzip REQUIRED)

function(marvane_install_gzipped source destination)
  cmake_parse_arguments(ARG "" "NAME" "" ${ARGN})
  get_filename_component(name "${source}" NAME)
  if(ARG_NAME)
    set(name "${ARG_NAME}")
  endif()
  set(output "${CMAKE_BINARY_DIR}/gz/${destination}/${name}.gz")
  add_custom_command(OUTPUT "${output}"
                     COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/gz/${destination}"
                     COMMAND ${MARVANE_GZIP} -9n -c "${source}" > "${output}"
                     DEPENDS "${source}" VERBATIM)
  string(MAKE_C_IDENTIFIER "gz_${destination}_${name}" target)
  add_custom_target(${target} ALL DEPENDS "${output}")
  install(FILES "${output}" DESTINATION "${destination}")
endfunction()
